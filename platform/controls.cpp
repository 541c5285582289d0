#include "platform/controls.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "platform/accessibility_p.h"
#include "platform/form.h"
#include "platform/services.h"
#include "platform/text_codec.h"
#include "platform/widgets_p.h"

namespace platform {

namespace {

const std::string EmptyText;
const Bitmap EmptyBitmap;

// A caption with its access-key marks taken out: "&" marks the next character and "&&"
// stands for one "&".
std::string WithoutAccessKeys(const std::string& caption) {
    std::string shown;
    for (std::size_t k = 0; k < caption.size(); ++k) {
        if (caption[k] == '&' && ++k == caption.size()) break;
        shown.push_back(caption[k]);
    }
    return shown;
}

// The text a label shows: with access keys on, without their marks (a label takes no
// access key itself).
QString LabelText(const ControlProperties& p) {
    return ToUnicode(p.useMnemonic ? WithoutAccessKeys(p.caption) : p.caption);
}

// A button's caption as a name to be heard: without the access-key marks and without the
// blanks that pad it to its slot.
std::string SpokenCaption(const std::string& caption) {
    const std::string name = WithoutAccessKeys(caption);
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

// Help asked for by keyboard on an element: its array's handler, else the window's.
void AskForHelp(ControlArray& array, int index) {
    if (array.Help)
        array.Help(index);
    else
        array.Parent().Form_Help();
}

Qt::Alignment ToQtAlignment(int alignment, bool label) {
    Qt::Alignment vertical = label ? Qt::AlignTop : Qt::AlignVCenter;
    switch (alignment) {
        case AlignRight:
            return Qt::AlignRight | vertical;
        case AlignCentre:
            return Qt::AlignHCenter | vertical;
        default:
            return Qt::AlignLeft | vertical;
    }
}

QFont FontOf(const ControlProperties& p) {
    QFont font(ToUnicode(p.fontName));
    font.setPointSizeF(p.fontSize > 0.0F ? static_cast<qreal>(p.fontSize) : 8.0);
    font.setBold(p.fontBold);
    font.setUnderline(p.fontUnderline);
    return font;
}

// The text of a word-wrapped label, laid out line by line within a width. Lines stand
// 1.2 times the font's height apart (in whole pixels): the face reports less than its
// glyphs need at some sizes (11 pixels of line spacing for the 12-pixel glyphs of the
// boxes' 8.96 points), and lines would touch. The same layout draws the label and
// gives automatic sizing its height, so the fitted height always holds every line.
class WrappedText {
  public:
    WrappedText(QString text, const QFont& font, qreal widthPx, Qt::Alignment alignment) {
        const QFontMetricsF metrics(font);
        const qreal lineHeight =
            std::max(metrics.lineSpacing(), std::round(1.2 * metrics.height()));
        const qreal halfLeading = std::floor((lineHeight - metrics.height()) / 2);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QTextOption option(alignment & Qt::AlignHorizontal_Mask);
        // A word longer than the line (a folder path) is broken rather than cut off.
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
            auto layout = std::make_unique<QTextLayout>(paragraph, font);
            layout->setTextOption(option);
            layout->beginLayout();
            for (QTextLine line = layout->createLine(); line.isValid();
                 line = layout->createLine()) {
                line.setLineWidth(std::max<qreal>(1.0, widthPx));
                line.setPosition(QPointF(0, height_ + halfLeading));
                height_ += lineHeight;
            }
            layout->endLayout();
            paragraphs_.push_back(std::move(layout));
        }
    }
    qreal Height() const { return height_; }
    void Draw(QPainter& painter, const QPointF& topLeft) const {
        for (const auto& layout : paragraphs_) layout->draw(&painter, topLeft);
    }

  private:
    std::vector<std::unique_ptr<QTextLayout>> paragraphs_;
    qreal height_ = 0;
};

// A label: word-wrapped text is drawn with the leading of WrappedText, anything else as
// QLabel draws it.
class LabelWidget : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (!wordWrap()) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        drawFrame(&painter);
        const QRect area = contentsRect();
        painter.setPen(palette().color(foregroundRole()));
        WrappedText(text(), font(), area.width(), alignment()).Draw(painter, area.topLeft());
    }
};

}  // namespace

// ---------------------------------------------------------------------------------
// Control

Control::Control(ControlArray* array, int index, bool inert)
    : array_(array), index_(index), inert_(inert) {}

Control::~Control() {
    DestroyWidget();
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

QWidget* Control::NativeWidget() const {
    return bridge_ != nullptr ? bridge_->widget.data() : nullptr;
}

QWidget* Control::WidgetToUpdate() const {
    return inert_ || array_->Parent().building_ ? nullptr : NativeWidget();
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
        CreateWidget(true);
        array_->Parent().ApplyTitles();
        array_->Parent().ApplyTabOrder();
    }
    if (QWidget* w = WidgetToUpdate()) w->setVisible(visible);
}

void Control::SetEnabled(bool enabled) {
    if (!Writable()) return;
    props_.enabled = enabled;
    if (QWidget* w = WidgetToUpdate()) w->setEnabled(enabled);
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
    if (QWidget* w = WidgetToUpdate()) w->setToolTip(ToUnicode(text));
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
    if (auto* label = qobject_cast<QLabel*>(NativeWidget()))
        AnnounceInstead(label, ToUnicode(text));
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
    form.ApplyTitles();  // now, or once the field has its widget
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
    if (QWidget* w = NativeWidget()) {
        if (position == 0)
            w->raise();
        else
            w->lower();
    }
}

void Control::SetFocus() {
    if (inert_) return;
    if (QWidget* w = NativeWidget()) w->setFocus(Qt::OtherFocusReason);
}

bool Control::HasFocus() const {
    QWidget* w = NativeWidget();
    return w != nullptr && w->hasFocus();
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
    if (QGuiApplication::instance() == nullptr) return;
    const QFontMetricsF metrics(FontOf(props_));
    const QString text = LabelText(props_);
    const float tx = TwipsPerPixelX();
    const float ty = TwipsPerPixelY();
    const qreal border = props_.borderStyle != 0 ? 2.0 : 0.0;
    if (props_.wordWrap) {
        // The width the label will have on the screen, in whole pixels, so that the text
        // wraps here exactly as it will be drawn.
        const qreal widthPx = ToPixels(props_.width, true) - 2 * border;
        const WrappedText lines(text, FontOf(props_), widthPx,
                                ToQtAlignment(props_.alignment, true));
        props_.height = static_cast<float>(std::ceil(lines.Height() + 2 * border)) * ty;
    } else {
        qreal widest = 0.0;
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        props_.width = static_cast<float>(std::ceil(widest + 2 * border)) * tx;
        props_.height =
            static_cast<float>(std::ceil(metrics.height() * lines.size() + 2 * border)) * ty;
    }
}

void Control::CreateWidget(bool now) {
    if (inert_ || bridge_ != nullptr) return;
    QWidget* parent = array_->Parent().NativeWidget();
    if (parent == nullptr) return;
    waiting_ = Kind() == ControlKind::TextBox && !now && !array_->Parent().painted_;
    if (waiting_) return;
    bridge_ = new ControlBridge(this);
    switch (Kind()) {
        case ControlKind::Button: {
            // A plain push button: assistive technology sees a push button whose one
            // press action clicks it. The two states live in the control's value: a
            // click sets a clear button and clears a set one, which raises the click
            // event once; the windows' handlers release a set button at once, and that
            // release raises the click that does the work.
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            QObject::connect(button, &QPushButton::clicked, bridge_, [bridge = bridge_]() {
                if (bridge->control != nullptr && !BlockedByModal(bridge->widget))
                    bridge->control->SetValue(bridge->control->props_.value == 0 ? 1 : 0);
            });
            bridge_->widget = button;
            break;
        }
        case ControlKind::Label: {
            auto* label = new LabelWidget(parent);
            MarkAsLabel(label);
            label->setTextFormat(Qt::PlainText);
            bridge_->widget = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* edit = new QLineEdit(parent);
            MarkAsField(edit);
            QObject::connect(edit, &QLineEdit::textChanged, bridge_,
                             [bridge = bridge_](const QString& now) {
                                 if (bridge->control == nullptr || bridge->settingText) return;
                                 Control* control = bridge->control;
                                 if (BlockedByModal(bridge->widget)) {
                                     control->ApplyDisplayText();  // the text stays
                                     return;
                                 }
                                 std::string bytes = FromUnicode(now);
                                 if (bytes == control->props_.text) return;
                                 control->props_.text = bytes;
                                 control->FireChange();
                             });
            bridge_->widget = edit;
            break;
        }
        case ControlKind::Picture: {
            auto* picture = new QLabel(parent);
            MarkAsLabel(picture);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            bridge_->widget = picture;
            break;
        }
        case ControlKind::Timer: {
            bridge_->setParent(parent);
            bridge_->timer = new QTimer(bridge_);
            QObject::connect(bridge_->timer, &QTimer::timeout, bridge_, [bridge = bridge_]() {
                if (bridge->control == nullptr) return;
                Control* control = bridge->control;
                if (control->array_->Timer) control->array_->Timer(control->index_);
            });
            break;
        }
    }
    if (QWidget* w = bridge_->widget.data()) {
        bridge_->setParent(w);
        w->setMouseTracking(true);
        w->installEventFilter(bridge_);
        w->setAttribute(Qt::WA_Hover, false);
    }
    ApplyAll();
}

void Control::DestroyWidget() {
    waiting_ = false;
    if (bridge_ == nullptr) return;
    ControlBridge* bridge = bridge_;
    bridge_ = nullptr;
    bridge->control = nullptr;
    if (bridge->timer != nullptr) bridge->timer->stop();
    if (QWidget* w = bridge->widget.data()) {
        // The widget may be delivering the very event that unloads its window.
        w->hide();
        w->deleteLater();
    } else {
        bridge->deleteLater();
    }
}

void Control::ApplyAll() {
    ApplyFont();
    ApplyColours();
    ApplyDisplayText();
    ApplyGeometry();
    if (QWidget* w = NativeWidget()) {
        w->setEnabled(props_.enabled);
        w->setToolTip(ToUnicode(props_.toolTipText));
        w->setVisible(props_.visible);
    }
    ApplyAccessibility();
    ApplyTimer();
}

void Control::ApplyGeometry() {
    QWidget* w = WidgetToUpdate();
    if (w == nullptr) return;
    w->setGeometry(ToPixels(props_.left, true), ToPixels(props_.top, false),
                   std::max(0, ToPixels(props_.width, true)),
                   std::max(0, ToPixels(props_.height, false)));
}

void Control::ApplyFont() {
    if (Kind() == ControlKind::Label) Refit();
    QWidget* w = WidgetToUpdate();
    if (w == nullptr) return;
    w->setFont(FontOf(props_));
    ApplyGeometry();
}

// The palette of a kind of control in two colours: made once and shared by every control
// of that kind in those colours. The style keys the pictures it keeps of a button's face
// by its palette, so forty-seven buttons in three colours are drawn in three palettes,
// not forty-seven; a palette that says it sets every colour is taken as it is.
const QPalette& SharedPalette(ControlKind kind, const QWidget* widget, const QColor& fore,
                              const QColor& back) {
    static std::map<std::tuple<ControlKind, QRgb, QRgb>, QPalette> palettes;
    const auto key = std::tuple{kind, fore.rgba(), back.rgba()};
    if (auto found = palettes.find(key); found != palettes.end()) return found->second;
    QPalette palette = QApplication::palette(widget);
    switch (kind) {
        case ControlKind::Button: {
            palette.setColor(QPalette::Button, back);
            palette.setColor(QPalette::Active, QPalette::ButtonText, fore);
            palette.setColor(QPalette::Inactive, QPalette::ButtonText, fore);
            // A button that cannot be pressed draws its caption halfway to its face, so
            // that it looks greyed out.
            const QColor greyed((fore.red() + back.red()) / 2, (fore.green() + back.green()) / 2,
                                (fore.blue() + back.blue()) / 2);
            palette.setColor(QPalette::Disabled, QPalette::ButtonText, greyed);
            break;
        }
        case ControlKind::TextBox:
            palette.setColor(QPalette::Base, back);
            palette.setColor(QPalette::Text, fore);
            break;
        default:
            palette.setColor(QPalette::Window, back);
            palette.setColor(QPalette::WindowText, fore);
            break;
    }
    // Every colour set by name, so that a widget takes the palette as it is (sharing it)
    // rather than resolving a copy of its own against its parent's.
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    return palettes.emplace(key, palette).first->second;
}

void Control::ApplyColours() {
    QWidget* w = WidgetToUpdate();
    if (w == nullptr || Kind() == ControlKind::Timer) return;
    const QColor fore = ToQColor(props_.foreColor, Qt::black);
    const QColor back = ToQColor(props_.backColor, QColor(240, 240, 240));
    if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->setFrame(props_.borderStyle != 0);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        w->setAutoFillBackground(Kind() == ControlKind::Label && props_.backStyle != 0);
        label->setFrameStyle(props_.borderStyle != 0 ? (QFrame::Box | QFrame::Plain)
                                                     : QFrame::NoFrame);
    }
    w->setPalette(SharedPalette(Kind(), w, fore, back));
}

void Control::ApplyDisplayText() {
    QWidget* w = WidgetToUpdate();
    if (w == nullptr) return;
    switch (Kind()) {
        case ControlKind::Button:
            static_cast<QPushButton*>(w)->setText(ToUnicode(props_.caption));
            break;
        case ControlKind::Label: {
            auto* label = static_cast<QLabel*>(w);
            label->setWordWrap(props_.wordWrap);
            label->setAlignment(ToQtAlignment(props_.alignment, true));
            // A label that titles a field would take an "&" in its text as the field's
            // access key (and hide it): its text is the label's own, every "&" shown.
            QString text = LabelText(props_);
            if (label->buddy() != nullptr) text.replace(QLatin1Char('&'), QLatin1String("&&"));
            SetLabelText(label, text);
            break;
        }
        case ControlKind::TextBox: {
            auto* edit = static_cast<QLineEdit*>(w);
            edit->setAlignment(ToQtAlignment(props_.alignment, false));
            QString text = ToUnicode(props_.text);
            if (edit->text() != text) {
                bridge_->settingText = true;
                edit->setText(text);
                bridge_->settingText = false;
            }
            break;
        }
        case ControlKind::Picture: {
            auto* label = static_cast<QLabel*>(w);
            if (props_.picture.Empty()) {
                label->clear();
            } else {
                QImage image(reinterpret_cast<const uchar*>(props_.picture.pixels.data()),
                             props_.picture.width, props_.picture.height, props_.picture.width * 4,
                             QImage::Format_ARGB32);
                // Converted once into the pixmap's own memory (the image only lends it the
                // control's pixels).
                label->setPixmap(QPixmap::fromImage(std::move(image)));
            }
            break;
        }
        case ControlKind::Timer:
            break;
    }
}

void Control::ApplyAccessibility() {
    QWidget* w = WidgetToUpdate();
    if (w == nullptr) return;
    // Each change raises an event that screen readers hear: only real changes.
    if (const QString n = ToUnicode(HeardName()); w->accessibleName() != n) w->setAccessibleName(n);
    if (const QString d = ToUnicode(props_.accessibleDescription); w->accessibleDescription() != d)
        w->setAccessibleDescription(d);
    SetDecorativeWidget(w, props_.decorative);
    if (Kind() == ControlKind::Label) SetLiveLabel(static_cast<QLabel*>(w), props_.liveText);
}

void Control::ApplyTimer() {
    if (Kind() != ControlKind::Timer || bridge_ == nullptr || bridge_->timer == nullptr) return;
    if (array_->Parent().building_) return;
    if (props_.enabled && props_.interval > 0)
        bridge_->timer->start(props_.interval);
    else
        bridge_->timer->stop();
}

// ---------------------------------------------------------------------------------
// Events from the widgets

bool ControlBridge::eventFilter(QObject* watched, QEvent* event) {
    if (control == nullptr || watched != widget.data()) return false;
    Control* c = control;
    ControlArray* array = c->array_;
    const int index = c->index_;
    const float tx = TwipsPerPixelX();
    const float ty = TwipsPerPixelY();
    const bool swallowMouse = c->Kind() == ControlKind::Label || c->Kind() == ControlKind::Picture;

    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const float x = static_cast<float>(mouse->position().x()) * tx;
            const float y = static_cast<float>(mouse->position().y()) * ty;
            const int shift = ShiftOf(mouse->modifiers());
            if (event->type() == QEvent::MouseButtonPress) {
                if (array->MouseDown)
                    array->MouseDown(index, ButtonOf(mouse->button()), shift, x, y);
            } else if (event->type() == QEvent::MouseButtonRelease) {
                if (array->MouseUp) array->MouseUp(index, ButtonOf(mouse->button()), shift, x, y);
            } else {
                if (array->MouseMove)
                    array->MouseMove(index, ButtonsOf(mouse->buttons()), shift, x, y);
            }
            return swallowMouse;
        }
        case QEvent::ContextMenu:
            // The context-menu key asks for help; a right click goes its own way (MouseUp).
            if (static_cast<QContextMenuEvent*>(event)->reason() != QContextMenuEvent::Keyboard)
                return false;
            AskForHelp(*array, index);
            return true;
        case QEvent::KeyPress: {
            if (IsHelpKey(static_cast<QKeyEvent*>(event))) {
                AskForHelp(*array, index);
                return true;
            }
            int code = KeyCodeOf(static_cast<QKeyEvent*>(event));
            if (code == 0 || !array->KeyPress) return false;
            const int original = code;
            array->KeyPress(index, code);
            if (control == nullptr) return true;  // the handler closed the window
            if (code == 0) return true;           // the handler swallowed the key
            if (code == original) return false;
            // The handler typed another character instead.
            if (auto* edit = qobject_cast<QLineEdit*>(widget.data())) {
                if (code == 8)
                    edit->backspace();
                else if (code >= 32)
                    edit->insert(ToUnicode(std::string(1, static_cast<char>(code))));
            }
            return true;
        }
        default:
            return false;
    }
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
    if (form_->IsLoaded()) created->CreateWidget();
    return true;
}

bool ControlArray::Unload(int index) {
    if (index < 1) return false;
    auto it = elements_.find(index);
    if (it == elements_.end()) return false;
    it->second->DestroyWidget();
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
    for (auto& [index, control] : elements_) control->CreateWidget();
}

void ControlArray::FormUnloading(std::vector<std::unique_ptr<Control>>& graveyard) {
    for (auto it = elements_.begin(); it != elements_.end();) {
        it->second->DestroyWidget();
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
