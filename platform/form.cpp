// Windows: their life (load, show, modal loops, unload), their properties, the events on
// the window itself and the background picture drawn into memory, whatever window system
// shows them (platform/view.h).
#include "platform/form.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#if defined(__linux__)
#include <sys/mman.h>
#endif
#include <utility>

#include "platform/line_raster.h"
#include "platform/services.h"
#include "platform/view.h"

namespace platform {

namespace {

std::vector<Form*>& LoadedForms() {
    static std::vector<Form*> forms;
    return forms;
}

// The windows shown modally, innermost last.
std::vector<Form*>& ModalForms() {
    static std::vector<Form*> forms;
    return forms;
}

std::function<void(Form&)>& ModalHook() {
    static std::function<void(Form&)> hook;
    return hook;
}

// Opaque 0xFFRRGGBB of a colour value; a system colour (negative) is black.
std::uint32_t Pixel(std::int32_t colour) {
    if (colour < 0) return 0xFF000000U;
    const auto c = static_cast<std::uint32_t>(colour);
    return 0xFF000000U | ((c & 0xFFU) << 16) | (c & 0xFF00U) | ((c >> 16) & 0xFFU);
}

}  // namespace

std::vector<Form*> Forms() {
    return LoadedForms();
}

void SetModalHook(std::function<void(Form&)> hook) {
    ModalHook() = std::move(hook);
}

bool BlockedByModal(const Form* form) {
    const auto& modal = ModalForms();
    return !modal.empty() && form != nullptr && modal.back() != form;
}

int ToPixels(float twips, bool horizontal) {
    const double perPixel = horizontal ? TwipsPerPixelX() : TwipsPerPixelY();
    const double pixels = std::nearbyint(static_cast<double>(twips) / perPixel);
    if (!std::isfinite(pixels)) return 0;
    return static_cast<int>(std::clamp(pixels, -1.0e6, 1.0e6));
}

// ---------------------------------------------------------------------------------
// Events on the window itself

void FormView::ReportClose() {
    // The window goes only through its own unload, which may refuse.
    if (form_ != nullptr) form_->Unload(UnloadFromCloseControl);
}

void FormView::ReportKey(int code) {
    if (form_ != nullptr && code != 0) form_->Form_KeyPress(code);
}

void FormView::ReportHelp() {
    if (form_ != nullptr) form_->Form_Help();
}

void FormView::ReportMouse(MouseAction what, int button, int shift, double x, double y,
                           bool inside) {
    if (form_ == nullptr) return;
    const auto tx = static_cast<float>(x) * TwipsPerPixelX();
    const auto ty = static_cast<float>(y) * TwipsPerPixelY();
    switch (what) {
        case MouseAction::Down:
            form_->Form_MouseDown(button, shift, tx, ty);
            break;
        case MouseAction::Move:
            form_->Form_MouseMove(button, shift, tx, ty);
            break;
        case MouseAction::Up:
            form_->Form_MouseUp(button, shift, tx, ty);
            // The handler may have closed the window.
            if (form_ != nullptr && button == LeftButton && inside) form_->Form_Click();
            break;
    }
}

bool FormView::ReportAccessKey(char key) {
    if (form_ == nullptr || key == 0 || BlockedByModal(form_)) return false;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (Control* control : form_->Controls()) {
        if (control->Kind() != ControlKind::Button || !control->Visible() || !control->Enabled())
            continue;
        if (!control->UseMnemonic() || lower(AccessKeyOf(control->Caption())) != lower(key))
            continue;
        control->SetValue(control->Value() == 0 ? 1 : 0);
        return true;
    }
    return false;
}

void FormView::ReportPainted() {
    if (form_ == nullptr) return;
    // The controls are painted and the picture put on the screen before the event loop
    // runs again, and with it the work that waited for the first paint.
    form_->painted_ = true;
    for (auto& task : std::exchange(form_->afterPaint_, {})) RunSoon(std::move(task));
}

// ---------------------------------------------------------------------------------
// Form

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() {
    auto& forms = LoadedForms();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    auto& modal = ModalForms();
    modal.erase(std::remove(modal.begin(), modal.end(), this), modal.end());
    if (modalLoop_ != nullptr) modalLoop_->Quit();
    if (view_ != nullptr) std::exchange(view_, nullptr)->Release(false);
}

void Form::Register(ControlArray* array) {
    arrays_.push_back(array);
}

void Form::Unregister(ControlArray* array) {
    arrays_.erase(std::remove(arrays_.begin(), arrays_.end(), array), arrays_.end());
}

void Form::Load() {
    if (loaded_ || loading_) return;
    Initialise();
    loading_ = true;
    graveyard_.clear();
    if (!designTaken_) {
        design_ = props_;
        designTaken_ = true;
    } else {
        props_ = design_;
    }
    view_ = CreateFormView(*this).release();
    ApplyLook();
    ApplyGeometry();
    for (ControlArray* array : arrays_) array->FormLoaded();
    ApplyTabOrder();
    loaded_ = true;
    LoadedForms().push_back(this);
    loading_ = false;
    // The load handler sets its controls up a property at a time, many of them several
    // times (the style, then the scaling); their views take the result once, after it.
    building_ = true;
    Form_Load();
    building_ = false;
    if (!loaded_ || view_ == nullptr) return;
    // A text box's view costs most (on the desktop it loads a face of its own) and the
    // formula fields are hidden until a formula asks for them: the ones the first picture
    // does not show are made once it has been painted.
    bool waiting = false;
    for (Control* control : Controls()) {
        if (control->waiting_ && control->props_.visible) control->CreateView(true);
        waiting = waiting || control->waiting_;
        control->ApplyAll();
    }
    ApplyTitles();
    ApplyTabOrder();
    if (waiting) AfterPaint([this] { CreateWaitingViews(); });
}

void Form::CreateWaitingViews() {
    if (!loaded_) return;
    for (Control* control : Controls())
        if (control->waiting_) control->CreateView(true);
    ApplyTitles();
    ApplyTabOrder();
}

void Form::ApplyTitles() {
    for (const auto& [label, field] : titles_) {
        if (label->view_ == nullptr || field->view_ == nullptr) continue;
        if (label->view_->TitleField(*field->view_)) label->ApplyDisplayText();
    }
}

void Form::Show() {
    Load();
    if (!loaded_ || view_ == nullptr) return;
    view_->Show(false);
}

void Form::ShowModal() {
    Load();
    if (!loaded_ || view_ == nullptr || modalLoop_ != nullptr) return;
    ModalForms().push_back(this);
    view_->Show(true);
    const std::unique_ptr<NestedLoop> loop = CreateNestedLoop();
    modalLoop_ = loop.get();
    if (auto hook = ModalHook()) {
        RunSoon([this, hook]() {
            if (loaded_) hook(*this);
        });
    }
    if (loaded_ && view_ != nullptr && view_->Shown()) loop->Run();
    // An unload while it ran may have let this loop go and started another.
    if (modalLoop_ == loop.get()) EndModal();
}

void Form::EndModal() {
    if (modalLoop_ == nullptr) return;
    auto& modal = ModalForms();
    modal.erase(std::remove(modal.begin(), modal.end(), this), modal.end());
    modalLoop_->Quit();  // returns once the loops started inside it have returned
    modalLoop_ = nullptr;
}

void Form::Hide() {
    if (view_ != nullptr) view_->Hide();
    EndModal();
}

void Form::Refresh() {
    if (view_ != nullptr) view_->Repaint();
}

void Form::AfterPaint(std::function<void()> task) {
    RunSoon([this, task = std::move(task)]() mutable {
        if (view_ != nullptr && view_->Shown() && !painted_)
            afterPaint_.push_back(std::move(task));
        else
            task();
    });
}

bool Form::Unload(int unloadMode) {
    if (!loaded_ || loading_) return !loaded_;
    static std::vector<Form*> unloading;
    if (std::find(unloading.begin(), unloading.end(), this) != unloading.end()) return true;
    unloading.push_back(this);
    int cancel = 0;
    Form_QueryUnload(cancel, unloadMode);
    unloading.erase(std::remove(unloading.begin(), unloading.end(), this), unloading.end());
    if (cancel != 0) return false;
    if (!loaded_) return true;

    loaded_ = false;
    auto& forms = LoadedForms();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    for (ControlArray* array : arrays_) array->FormUnloading(graveyard_);
    // A window unloaded while it is shown modally lets its caller go on, and can be
    // loaded and shown modally again at once.
    const bool wasModal = modalLoop_ != nullptr;
    EndModal();
    if (view_ != nullptr) std::exchange(view_, nullptr)->Release(wasModal);
    canvas_.reset();
    drawn_.clear();
    painted_ = false;
    afterPaint_.clear();  // work for a window that is gone
    titles_.clear();      // made again after the next load
    return true;
}

template <typename T>
void Form::Assign(T FormProperties::*field, T value, void (Form::*then)()) {
    props_.*field = std::move(value);
    (this->*then)();
}

void Form::SetCaption(const std::string& caption) {
    Assign(&FormProperties::caption, caption, &Form::ApplyLook);
}
void Form::SetLeft(float twips) {
    Assign(&FormProperties::left, twips, &Form::ApplyGeometry);
}
void Form::SetTop(float twips) {
    Assign(&FormProperties::top, twips, &Form::ApplyGeometry);
}
void Form::SetWidth(float twips) {
    Assign(&FormProperties::width, twips, &Form::ApplyGeometry);
}
void Form::SetHeight(float twips) {
    Assign(&FormProperties::height, twips, &Form::ApplyGeometry);
}
void Form::Move(float left, float top, float width, float height) {
    props_.left = left;
    props_.top = top;
    props_.width = width;
    props_.height = height;
    ApplyGeometry();
}

// The client area is the whole size set (see the views' geometry), so nothing is taken off.
float Form::ScaleWidth() const {
    return std::max(0.0F, props_.width);
}

float Form::ScaleHeight() const {
    return std::max(0.0F, props_.height);
}

void Form::SetBackColor(std::int32_t colour) {
    props_.backColor = colour;
    if (view_ != nullptr) view_->Repaint();
}
void Form::SetFontName(const std::string& name) {
    Assign(&FormProperties::fontName, name, &Form::ApplyLook);
}
void Form::SetFontSize(float points) {
    if (!(points > 0.0F && points < 2048.0F)) return;
    Assign(&FormProperties::fontSize, points, &Form::ApplyLook);
}
void Form::SetFontBold(bool bold) {
    Assign(&FormProperties::fontBold, bold, &Form::ApplyLook);
}
void Form::SetBorderStyle(int style) {
    props_.borderStyle = style;
}
void Form::SetWindowRole(WindowRole role) {
    props_.role = role;  // read by the view when assistive technology asks
}
void Form::SetAccessibleDescription(const std::string& description) {
    Assign(&FormProperties::accessibleDescription, description, &Form::ApplyLook);
}

bool Form::Visible() const {
    return view_ != nullptr && view_->Shown();
}

void Form::ApplyGeometry() {
    if (view_ != nullptr) view_->ApplyGeometry();
}

void Form::ApplyLook() {
    if (view_ != nullptr) view_->ApplyLook();
}

void Form::ApplyTabOrder() {
    if (view_ == nullptr || building_) return;
    std::vector<Control*> order;
    for (Control* control : Controls())
        if (control->view_ != nullptr && control->view_->TakesFocus()) order.push_back(control);
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    std::vector<ControlView*> views;
    views.reserve(order.size());
    for (Control* control : order) views.push_back(control->view_);
    view_->ApplyTabOrder(views);
}

std::vector<Control*> Form::Controls() const {
    std::vector<Control*> out;
    for (ControlArray* array : arrays_) {
        for (int index : array->Indexes()) out.push_back(&(*array)[index]);
    }
    return out;
}

// ---------------------------------------------------------------------------------
// The background picture: the inner area's pixels, 0xAARRGGBB, transparent where nothing
// is drawn. It grows with the window and keeps what was drawn, since the look is drawn
// once per window build.

struct Form::Canvas {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::size_t bytes = 0;  // as taken from the system
    bool mapped = false;

    Canvas(int w, int h);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
};

// Zeroed memory, so transparent without a fill. On Linux taken from the system with all
// its pages at once (as few as can be: a picture of a megabyte or more goes on large pages
// where the system has them): touched a page at a time, a window's megabyte costs hundreds
// of page faults, on a virtual machine a large part of the whole start-up.
Form::Canvas::Canvas(int w, int h) : width(w), height(h) {
    const std::size_t wanted = static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4;
#if defined(__linux__)
    constexpr std::size_t Large = std::size_t{2} << 20;
    if (wanted >= (std::size_t{1} << 20)) {
        const std::size_t length = (wanted + Large - 1) / Large * Large;
        void* raw = ::mmap(nullptr, length + Large, PROT_READ | PROT_WRITE,
                           MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (raw != MAP_FAILED) {
            // Aligned to a large page, the rest given back.
            auto* base = static_cast<char*>(raw);
            auto* start = reinterpret_cast<char*>(
                (reinterpret_cast<std::uintptr_t>(base) + Large - 1) & ~(Large - 1));
            if (start > base) ::munmap(base, static_cast<std::size_t>(start - base));
            if (start + length < base + length + Large)
                ::munmap(start + length,
                         static_cast<std::size_t>(base + length + Large - (start + length)));
            ::madvise(start, length, MADV_HUGEPAGE);
#if defined(MADV_POPULATE_WRITE)
            ::madvise(start, length, MADV_POPULATE_WRITE);  // older systems: page by page
#endif
            pixels = reinterpret_cast<std::uint32_t*>(start);
            bytes = length;
            mapped = true;
            return;
        }
    }
    void* start = ::mmap(nullptr, wanted, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (start != MAP_FAILED) {
        pixels = static_cast<std::uint32_t*>(start);
        bytes = wanted;
        mapped = true;
        return;
    }
#endif
    pixels = static_cast<std::uint32_t*>(std::calloc(wanted / 4 + 1, 4));
    if (pixels == nullptr) width = height = 0;
}

Form::Canvas::~Canvas() {
#if defined(__linux__)
    if (mapped) {
        ::munmap(pixels, bytes);
        return;
    }
#endif
    std::free(pixels);
}

Form::Canvas& Form::TheCanvas() {
    const int w = std::max(1, ToPixels(ScaleWidth(), true));
    const int h = std::max(1, ToPixels(ScaleHeight(), false));
    if (!canvas_) {
        canvas_ = std::make_unique<Canvas>(w, h);
    } else if (canvas_->width < w || canvas_->height < h) {
        auto grown =
            std::make_unique<Canvas>(std::max(w, canvas_->width), std::max(h, canvas_->height));
        for (int y = 0; y < std::min(canvas_->height, grown->height); ++y)
            std::memcpy(grown->pixels + static_cast<std::ptrdiff_t>(y) * grown->width,
                        canvas_->pixels + static_cast<std::ptrdiff_t>(y) * canvas_->width,
                        static_cast<std::size_t>(canvas_->width) * 4);
        canvas_ = std::move(grown);
    }
    return *canvas_;
}

const std::uint32_t* Form::CanvasPixels() const {
    return canvas_ ? canvas_->pixels : nullptr;
}
int Form::CanvasWidth() const {
    return canvas_ ? canvas_->width : 0;
}
int Form::CanvasHeight() const {
    return canvas_ ? canvas_->height : 0;
}

void Form::Line(float x1, float y1, float x2, float y2, std::int32_t colour) {
    Lines({DrawItem{false, false, x1, y1, x2, y2, colour}});
}

// Lines one pixel wide, drawn straight into the image's rows by the painter's own pixel
// rule (platform/line_raster.h): a gradient of twenty thousand lines through a painter
// takes most of a second, this way a millisecond or two.
void Form::Lines(const std::vector<DrawItem>& lines) {
    if (lines.empty()) return;
    if (recordDrawing_) drawn_.insert(drawn_.end(), lines.begin(), lines.end());
    Canvas& canvas = TheCanvas();
    const int w = canvas.width;
    const int h = canvas.height;
    std::uint32_t* rows = canvas.pixels;
    const double tx = TwipsPerPixelX();
    const double ty = TwipsPerPixelY();
    auto walkOf = [&](const DrawItem& l) {
        return PlanLine(l.x1 / tx, l.y1 / ty, l.x2 / tx, l.y2 / ty, w, h);
    };
    LineWalk next = walkOf(lines.front());
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const DrawItem& line = lines[k];
        const LineWalk walk = next;
        if (k + 1 < lines.size()) {
            next = walkOf(lines[k + 1]);
            if (next.SamePixels(walk)) continue;
        }
        const std::uint32_t pixel = Pixel(line.colour);
        auto plot = [&](int x, int y) { rows[static_cast<std::ptrdiff_t>(y) * w + x] = pixel; };
        if (line.x1 == line.x2 && line.y1 == line.y2) {
            // A line of no length is one pixel, the one nearest the point.
            const int x = static_cast<int>(std::lround(line.x1 / tx));
            const int y = static_cast<int>(std::lround(line.y1 / ty));
            if (x >= 0 && y >= 0 && x < w && y < h) plot(x, y);
        } else {
            WalkLine(walk, w, h, plot);
        }
    }
    if (view_ != nullptr) view_->Repaint();
}

// A filled box covers its corners' pixels and all between; an empty one is the one-pixel
// outline of that area.
void Form::Box(float x1, float y1, float x2, float y2, std::int32_t colour, bool filled) {
    if (recordDrawing_) drawn_.push_back(DrawItem{true, filled, x1, y1, x2, y2, colour});
    Canvas& canvas = TheCanvas();
    const int left = ToPixels(std::min(x1, x2), true);
    const int top = ToPixels(std::min(y1, y2), false);
    const int right = ToPixels(std::max(x1, x2), true);
    const int bottom = ToPixels(std::max(y1, y2), false);
    const std::uint32_t pixel = Pixel(colour);
    for (int y = std::max(0, top); y <= std::min(bottom, canvas.height - 1); ++y) {
        const bool edgeRow = y == top || y == bottom;
        for (int x = std::max(0, left); x <= std::min(right, canvas.width - 1); ++x)
            if (filled || edgeRow || x == left || x == right)
                canvas.pixels[static_cast<std::ptrdiff_t>(y) * canvas.width + x] = pixel;
    }
    if (view_ != nullptr) view_->Repaint();
}

void Form::Cls() {
    if (canvas_)
        std::memset(canvas_->pixels, 0,
                    static_cast<std::size_t>(canvas_->width) * canvas_->height * 4);
    if (view_ != nullptr) view_->Repaint();
}

void Form::SetRecordDrawing(bool on) {
    recordDrawing_ = on;
    if (!on) drawn_.clear();
}

Bitmap Form::DrawnImage() const {
    Bitmap image;
    if (!canvas_) return image;
    image.width = canvas_->width;
    image.height = canvas_->height;
    image.pixels.assign(canvas_->pixels,
                        canvas_->pixels + static_cast<std::ptrdiff_t>(image.width) * image.height);
    return image;
}

std::int32_t Form::DrawnColourAt(float x, float y) const {
    if (!canvas_) return -1;
    const int px = ToPixels(x, true);
    const int py = ToPixels(y, false);
    if (px < 0 || py < 0 || px >= canvas_->width || py >= canvas_->height) return -1;
    const std::uint32_t pixel =
        canvas_->pixels[static_cast<std::ptrdiff_t>(py) * canvas_->width + px];
    if ((pixel >> 24) == 0) return -1;
    return static_cast<std::int32_t>(((pixel >> 16) & 0xFF) + 256 * ((pixel >> 8) & 0xFF) +
                                     65536 * (pixel & 0xFF));
}

}  // namespace platform
