// Controls and control arrays: their properties, the rules of their events and the
// steps that show a change, whatever window system shows them (platform/view.h).
#include "platform/controls.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

#include "platform/form.h"
#include "platform/services.h"
#include "platform/view.h"

namespace platform {

namespace {

const std::string EmptyText;
const Bitmap EmptyBitmap;

// A button's caption as a name to be heard: without the access-key marks and without the
// blanks that pad it to its slot.
std::string SpokenCaption(const std::string& caption) {
    const std::string name = WithoutAccessKeys(caption);
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string WithoutAccessKeys(const std::string& caption) {
    std::string shown;
    for (std::size_t k = 0; k < caption.size(); ++k) {
        if (caption[k] == '&' && ++k == caption.size()) break;
        shown.push_back(caption[k]);
    }
    return shown;
}

char AccessKeyOf(const std::string& caption) {
    for (std::size_t k = 0; k + 1 < caption.size(); ++k) {
        if (caption[k] != '&') continue;
        if (caption[k + 1] != '&') return caption[k + 1];
        ++k;  // "&&" is a plain "&"
    }
    return 0;
}

std::string ShownCaption(const ControlProperties& p) {
    return p.useMnemonic ? WithoutAccessKeys(p.caption) : p.caption;
}

// ---------------------------------------------------------------------------------
// Events from the screen

void ControlView::ReportMouse(MouseAction what, int button, int shift, double x, double y) {
    if (control_ == nullptr) return;
    ControlArray* array = control_->array_;
    const int index = control_->index_;
    const auto tx = static_cast<float>(x) * TwipsPerPixelX();
    const auto ty = static_cast<float>(y) * TwipsPerPixelY();
    switch (what) {
        case MouseAction::Down:
            if (array->MouseDown) array->MouseDown(index, button, shift, tx, ty);
            break;
        case MouseAction::Up:
            if (array->MouseUp) array->MouseUp(index, button, shift, tx, ty);
            break;
        case MouseAction::Move:
            if (array->MouseMove) array->MouseMove(index, button, shift, tx, ty);
            break;
    }
}

void ControlView::ReportPress() {
    if (control_ == nullptr || BlockedByModal(control_->Parent())) return;
    control_->SetValue(control_->props_.value == 0 ? 1 : 0);
}

void ControlView::ReportEdit(const std::string& now) {
    if (control_ == nullptr) return;
    if (BlockedByModal(control_->Parent())) {
        ApplyText();  // the text stays
        return;
    }
    if (now == control_->props_.text) return;
    control_->props_.text = now;
    control_->FireChange();
}

bool ControlView::ReportKey(int& code) {
    if (control_ == nullptr) {
        code = 0;
        return true;
    }
    ControlArray* array = control_->array_;
    if (!array->KeyPress) return false;
    array->KeyPress(control_->index_, code);
    if (control_ == nullptr) code = 0;  // the handler closed the window
    return true;
}

// Help asked for by keyboard on an element: its array's handler, else the window's.
void ControlView::ReportHelp() {
    if (control_ == nullptr) return;
    ControlArray* array = control_->array_;
    if (array->Help)
        array->Help(control_->index_);
    else
        array->Parent().Form_Help();
}

void ControlView::ReportTimerTick() {
    if (control_ == nullptr) return;
    if (control_->array_->Timer) control_->array_->Timer(control_->index_);
}

// ---------------------------------------------------------------------------------
// Control

Control::Control(ControlArray* array, int index, bool inert)
    : array_(array), index_(index), inert_(inert) {}

Control::~Control() {
    DestroyView();
}

ControlKind Control::Kind() const {
    return array_->Kind();
}
const std::string& Control::Name() const {
    return array_->Name();
}
Form* Control::Parent() const {
    return inert_ ? nullptr : &array_->Parent();
}

bool Control::Writable() {
    if (inert_) return false;
    ++writes_;
    return true;
}

template <typename T>
void Control::Assign(T ControlProperties::*field, T value,
                     std::initializer_list<void (Control::*)()> then) {
    if (!Writable()) return;
    props_.*field = std::move(value);
    for (auto step : then) (this->*step)();
}

void Control::RefitWrapped() {
    if (props_.wordWrap) Refit();
}

ControlView* Control::ViewToUpdate() const {
    return inert_ || array_->Parent().building_ ? nullptr : view_;
}

void Control::SetLeft(float twips) {
    Assign(&ControlProperties::left, twips, {&Control::ApplyGeometry});
}
void Control::SetTop(float twips) {
    Assign(&ControlProperties::top, twips, {&Control::ApplyGeometry});
}
void Control::SetWidth(float twips) {
    Assign(&ControlProperties::width, twips, {&Control::RefitWrapped, &Control::ApplyGeometry});
}
void Control::SetHeight(float twips) {
    Assign(&ControlProperties::height, twips, {&Control::ApplyGeometry});
}
void Control::Move(float left, float top, float width, float height) {
    if (!Writable()) return;
    props_.left = left;
    props_.top = top;
    props_.width = width;
    props_.height = height;
    RefitWrapped();
    ApplyGeometry();
}

const std::string& Control::Caption() const {
    return inert_ ? EmptyText : props_.caption;
}
void Control::SetCaption(const std::string& caption) {
    if (Kind() != ControlKind::Button && Kind() != ControlKind::Label) return;
    if (!Writable()) return;
    props_.caption = caption;
    Refit();
    ApplyDisplayText();
    ApplyGeometry();
    ApplyAccessibility();
}

const std::string& Control::Text() const {
    return inert_ ? EmptyText : props_.text;
}
void Control::SetText(const std::string& text) {
    if (Kind() != ControlKind::TextBox) return;
    if (!Writable()) return;
    if (text == props_.text) return;  // no change, no change event
    props_.text = text;
    ApplyDisplayText();
    FireChange();
}

void Control::SetVisible(bool visible) {
    if (!Writable()) return;
    props_.visible = visible;
    if (visible && waiting_ && !array_->Parent().building_) {
        CreateView(true);
        array_->Parent().ApplyTitles();
        array_->Parent().ApplyTabOrder();
    }
    if (ControlView* v = ViewToUpdate()) v->ApplyVisible();
}

void Control::SetEnabled(bool enabled) {
    if (!Writable()) return;
    props_.enabled = enabled;
    if (ControlView* v = ViewToUpdate()) v->ApplyEnabled();
    ApplyTimer();
}

void Control::SetForeColor(std::int32_t colour) {
    Assign(&ControlProperties::foreColor, colour, {&Control::ApplyColours});
}
void Control::SetBackColor(std::int32_t colour) {
    Assign(&ControlProperties::backColor, colour, {&Control::ApplyColours});
}
void Control::SetBackStyle(int style) {
    Assign(&ControlProperties::backStyle, style == 0 ? 0 : 1, {&Control::ApplyColours});
}

const std::string& Control::FontName() const {
    return inert_ ? EmptyText : props_.fontName;
}
void Control::SetFontName(const std::string& name) {
    Assign(&ControlProperties::fontName, name, {&Control::ApplyFont});
}
void Control::SetFontSize(float points) {
    if (!(points > 0.0F && points < 2048.0F)) return;  // not a size a font can have
    Assign(&ControlProperties::fontSize, points, {&Control::ApplyFont});
}
void Control::SetFontBold(bool bold) {
    Assign(&ControlProperties::fontBold, bold, {&Control::ApplyFont});
}
void Control::SetFontUnderline(bool underline) {
    Assign(&ControlProperties::fontUnderline, underline, {&Control::ApplyFont});
}

void Control::SetAlignment(int alignment) {
    Assign(&ControlProperties::alignment, alignment, {&Control::ApplyDisplayText});
}
void Control::SetBorderStyle(int style) {
    Assign(&ControlProperties::borderStyle, style, {&Control::ApplyColours});
}
void Control::SetAutoSize(bool on) {
    Assign(&ControlProperties::autoSize, on, {&Control::Refit, &Control::ApplyGeometry});
}
void Control::SetWordWrap(bool on) {
    Assign(&ControlProperties::wordWrap, on,
           {&Control::Refit, &Control::ApplyDisplayText, &Control::ApplyGeometry});
}
void Control::SetUseMnemonic(bool on) {
    Assign(&ControlProperties::useMnemonic, on,
           {&Control::Refit, &Control::ApplyDisplayText, &Control::ApplyGeometry});
}

const std::string& Control::ToolTipText() const {
    return inert_ ? EmptyText : props_.toolTipText;
}
void Control::SetToolTipText(const std::string& text) {
    if (!Writable()) return;
    props_.toolTipText = text;
    if (ControlView* v = ViewToUpdate()) v->ApplyToolTip();
}

const std::string& Control::Tag() const {
    return inert_ ? EmptyText : props_.tag;
}
void Control::SetTag(const std::string& tag) {
    Assign(&ControlProperties::tag, tag, {});
}

void Control::SetTabIndex(int index) {
    if (!Writable()) return;
    props_.tabIndex = index;
    array_->Parent().ApplyTabOrder();
}

void Control::SetValue(int value) {
    if (value < 0 || value > 2) return;
    if (!Writable()) return;
    if (value == props_.value) return;
    props_.value = value;
    if (Kind() == ControlKind::Button) FireClick();
}

const std::string& Control::AccessibleName() const {
    return inert_ ? EmptyText : props_.accessibleName;
}
void Control::SetAccessibleName(const std::string& name) {
    Assign(&ControlProperties::accessibleName, name, {&Control::ApplyAccessibility});
}
const std::string& Control::AccessibleDescription() const {
    return inert_ ? EmptyText : props_.accessibleDescription;
}
void Control::SetAccessibleDescription(const std::string& description) {
    Assign(&ControlProperties::accessibleDescription, description, {&Control::ApplyAccessibility});
}
void Control::SetDecorative(bool on) {
    Assign(&ControlProperties::decorative, on, {&Control::ApplyAccessibility});
}
void Control::SetLiveText(bool on) {
    if (Kind() != ControlKind::Label) return;
    Assign(&ControlProperties::liveText, on, {&Control::ApplyAccessibility});
    if (!inert_) array_->Parent().ApplyTabOrder();  // a live label is a Tab stop
}
void Control::Announce(const std::string& text) {
    if (Kind() != ControlKind::Label || !props_.liveText) return;
    if (view_ != nullptr) view_->Announce(text);
}

std::string Control::HeardName() const {
    if (inert_) return {};
    if (!props_.accessibleName.empty()) return props_.accessibleName;
    return Kind() == ControlKind::Button ? SpokenCaption(props_.caption) : std::string();
}

void Control::SetLabelFor(Control& field) {
    if (Kind() != ControlKind::Label || field.Kind() != ControlKind::TextBox) return;
    if (inert_ || !field.Exists() || field.Parent() != Parent()) return;
    Form& form = array_->Parent();
    if (!form.IsLoaded()) return;
    auto& titles = form.titles_;
    titles.erase(std::remove_if(titles.begin(), titles.end(),
                                [this](const auto& pair) { return pair.first == this; }),
                 titles.end());
    titles.emplace_back(this, &field);
    form.ApplyTitles();  // now, or once the field has its view
}

void Control::SetInterval(std::int32_t milliseconds) {
    if (milliseconds < 0) return;
    Assign(&ControlProperties::interval, milliseconds, {&Control::ApplyTimer});
}

const Bitmap& Control::Picture() const {
    return inert_ ? EmptyBitmap : props_.picture;
}
void Control::SetPicture(const Bitmap& picture) {
    if (Kind() != ControlKind::Picture) return;
    if (!Writable()) return;
    props_.picture = picture;
    if (!picture.Empty()) {
        props_.width = static_cast<float>(picture.width) * TwipsPerPixelX();
        props_.height = static_cast<float>(picture.height) * TwipsPerPixelY();
    }
    ApplyDisplayText();
    ApplyGeometry();
}

void Control::ZOrder(int position) {
    if (!Writable()) return;
    if (view_ != nullptr) view_->Raise(position == 0);
}

void Control::SetFocus() {
    if (inert_) return;
    if (view_ != nullptr) view_->Focus();
}

bool Control::HasFocus() const {
    return view_ != nullptr && view_->HasFocus();
}

void Control::FireClick() {
    if (array_->Click) array_->Click(index_);
}

void Control::FireChange() {
    if (array_->Change) array_->Change(index_);
}

// Labels with automatic sizing take the size of their text: the width stays and the
// height follows the wrapped text when word wrap is on; otherwise both follow.
void Control::Refit() {
    if (Kind() != ControlKind::Label || !props_.autoSize) return;
    const std::string text = ShownCaption(props_);
    const double border = props_.borderStyle != 0 ? 2.0 : 0.0;
    if (props_.wordWrap) {
        // The width the label will have on the screen, in whole pixels, so that the text
        // wraps here exactly as it will be drawn.
        const double widthPx = ToPixels(props_.width, true) - 2 * border;
        const TextExtent extent = MeasureText(props_, text, std::max(1.0, widthPx));
        props_.height =
            static_cast<float>(std::ceil(extent.height + 2 * border)) * TwipsPerPixelY();
    } else {
        const TextExtent extent = MeasureText(props_, text, -1.0);
        props_.width = static_cast<float>(std::ceil(extent.width + 2 * border)) * TwipsPerPixelX();
        props_.height =
            static_cast<float>(std::ceil(extent.height + 2 * border)) * TwipsPerPixelY();
    }
}

void Control::CreateView(bool now) {
    if (inert_ || view_ != nullptr) return;
    FormView* parent = array_->Parent().View();
    if (parent == nullptr) return;
    waiting_ = Kind() == ControlKind::TextBox && !now && !array_->Parent().painted_;
    if (waiting_) return;
    view_ = parent->CreateControl(*this).release();
    ApplyAll();
}

void Control::DestroyView() {
    waiting_ = false;
    if (view_ == nullptr) return;
    std::exchange(view_, nullptr)->Release();
}

void Control::ApplyAll() {
    ApplyFont();
    ApplyColours();
    ApplyDisplayText();
    ApplyGeometry();
    if (view_ != nullptr) {
        view_->ApplyEnabled();
        view_->ApplyToolTip();
        view_->ApplyVisible();
    }
    ApplyAccessibility();
    ApplyTimer();
}

void Control::ApplyGeometry() {
    if (ControlView* v = ViewToUpdate()) v->ApplyGeometry();
}

void Control::ApplyFont() {
    if (Kind() == ControlKind::Label) Refit();
    ControlView* v = ViewToUpdate();
    if (v == nullptr) return;
    v->ApplyFont();
    v->ApplyGeometry();
}

void Control::ApplyColours() {
    if (Kind() == ControlKind::Timer) return;
    if (ControlView* v = ViewToUpdate()) v->ApplyColours();
}

void Control::ApplyDisplayText() {
    if (ControlView* v = ViewToUpdate()) v->ApplyText();
}

void Control::ApplyAccessibility() {
    if (ControlView* v = ViewToUpdate()) v->ApplyAccessibility();
}

void Control::ApplyTimer() {
    if (Kind() != ControlKind::Timer || view_ == nullptr) return;
    if (array_->Parent().building_) return;
    view_->ApplyTimer(props_.enabled && props_.interval > 0);
}

void SafeSetFocus(Control& control) {
    if (!control.Exists() || !control.Visible() || !control.Enabled()) return;
    ControlView* view = control.View();
    if (view != nullptr && view->TakesFocus()) view->Focus();
}

// ---------------------------------------------------------------------------------
// ControlArray

ControlArray::ControlArray(Form& form, std::string name, ControlKind kind)
    : form_(&form), name_(std::move(name)), kind_(kind), inert_(this, -1, true) {
    elements_[0] = std::make_unique<Control>(this, 0, false);
    if (kind_ == ControlKind::Timer) elements_[0]->props_.enabled = true;
    if (kind_ == ControlKind::Picture) elements_[0]->props_.decorative = true;
    form_->Register(this);
}

ControlArray::~ControlArray() {
    elements_.clear();
    form_->Unregister(this);
}

Control& ControlArray::operator[](int index) {
    auto it = elements_.find(index);
    return it == elements_.end() ? inert_ : *it->second;
}

bool ControlArray::Exists(int index) const {
    return elements_.count(index) != 0;
}

int ControlArray::UBound() const {
    return elements_.empty() ? -1 : elements_.rbegin()->first;
}

std::vector<int> ControlArray::Indexes() const {
    std::vector<int> out;
    out.reserve(elements_.size());
    for (const auto& [index, control] : elements_) out.push_back(index);
    return out;
}

bool ControlArray::Load(int index) {
    if (index < 1 || index > MaxArrayIndex || Exists(index) || !Exists(0)) return false;
    auto element = std::make_unique<Control>(this, index, false);
    element->props_ = elements_[0]->props_;
    element->props_.visible = false;
    element->props_.value = 0;
    Control* created = element.get();
    elements_[index] = std::move(element);
    if (form_->IsLoaded()) created->CreateView();
    return true;
}

bool ControlArray::Unload(int index) {
    if (index < 1) return false;
    auto it = elements_.find(index);
    if (it == elements_.end()) return false;
    it->second->DestroyView();
    form_->graveyard_.push_back(std::move(it->second));
    elements_.erase(it);
    return true;
}

void ControlArray::FormLoaded() {
    if (!designTaken_) {
        design_ = elements_[0]->props_;
        designTaken_ = true;
    } else {
        elements_[0]->props_ = design_;
    }
    for (auto& [index, control] : elements_) control->CreateView();
}

void ControlArray::FormUnloading(std::vector<std::unique_ptr<Control>>& graveyard) {
    for (auto it = elements_.begin(); it != elements_.end();) {
        it->second->DestroyView();
        if (it->first == 0) {
            ++it;
            continue;
        }
        // Kept alive until the next load: a handler of this element may still be running.
        graveyard.push_back(std::move(it->second));
        it = elements_.erase(it);
    }
}

}  // namespace platform
