#include "platform/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdint>
#if defined(__linux__)
#include <sys/mman.h>
#endif
#include <utility>

#include "platform/accessibility_p.h"
#include "platform/line_raster.h"
#include "platform/services.h"
#include "platform/text_codec.h"
#include "platform/widgets_p.h"

namespace platform {

namespace {

std::vector<Form*>& LoadedForms() {
    static std::vector<Form*> forms;
    return forms;
}

std::function<void(Form&)>& ModalHook() {
    static std::function<void(Form&)> hook;
    return hook;
}

Qt::WindowFlags FlagsFor(int borderStyle) {
    switch (borderStyle) {
        case 0:
            return Qt::Window | Qt::FramelessWindowHint;
        case 5:
            return Qt::Tool;
        default:
            return Qt::Window;
    }
}

}  // namespace

std::vector<Form*> Forms() {
    return LoadedForms();
}

void SetModalHook(std::function<void(Form&)> hook) {
    ModalHook() = std::move(hook);
}

// ---------------------------------------------------------------------------------
// Helpers

QColor ToQColor(std::int32_t colour, const QColor& fallback) {
    if (colour < 0) return fallback;  // a system colour
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

int ToPixels(float twips, bool horizontal) {
    const double perPixel = horizontal ? TwipsPerPixelX() : TwipsPerPixelY();
    const double pixels = std::nearbyint(static_cast<double>(twips) / perPixel);
    if (!std::isfinite(pixels)) return 0;
    return static_cast<int>(std::clamp(pixels, -1.0e6, 1.0e6));
}

int ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return LeftButton;
        case Qt::RightButton:
            return RightButton;
        case Qt::MiddleButton:
            return MiddleButton;
        default:
            return 0;
    }
}

// The program's flag values for the Qt flags that are set.
template <typename Flags>
int FlagsOf(Flags set, std::initializer_list<std::pair<typename Flags::enum_type, int>> meaning) {
    int value = 0;
    for (const auto& [flag, bit] : meaning)
        if (set & flag) value |= bit;
    return value;
}

int ButtonsOf(Qt::MouseButtons buttons) {
    return FlagsOf(buttons, {{Qt::LeftButton, LeftButton},
                             {Qt::RightButton, RightButton},
                             {Qt::MiddleButton, MiddleButton}});
}

bool BlockedByModal(const QWidget* widget) {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && widget != nullptr && modal != widget->window();
}

bool IsHelpKey(const QKeyEvent* event) {
    return (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) ||
           (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
}

int ShiftOf(Qt::KeyboardModifiers modifiers) {
    return FlagsOf(modifiers, {{Qt::ShiftModifier, ShiftMask},
                               {Qt::ControlModifier, CtrlMask},
                               {Qt::AltModifier, AltMask}});
}

// ---------------------------------------------------------------------------------
// FormWidget

FormWidget::FormWidget(Form* form, Qt::WindowFlags flags) : QWidget(nullptr, flags), form(form) {
    setMouseTracking(true);
    // No Tab stop of its own: Tab goes round the controls. A window without a control
    // that can take the focus (a help box) still gets the keys, having no focus child.
    setFocusPolicy(Qt::NoFocus);
}

void FormWidget::paintEvent(QPaintEvent*) {
    if (form == nullptr) return;
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(form->BackColor(), palette().color(QPalette::Window)));
    if (form->canvas_ && !form->canvas_->isNull()) painter.drawImage(0, 0, *form->canvas_);
    // The controls are painted and the picture put on the screen before the event loop
    // runs again, and with it the work that waited for the first paint.
    form->painted_ = true;
    for (auto& task : std::exchange(form->afterPaint_, {})) RunSoon(std::move(task));
}

void FormWidget::closeEvent(QCloseEvent* event) {
    // The window goes only through its own unload, which may refuse.
    event->ignore();
    if (form != nullptr) form->Unload(UnloadFromCloseControl);
}

void FormWidget::keyPressEvent(QKeyEvent* event) {
    if (form == nullptr) return;
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && isAncestorOf(focus)) return;  // a control had the key already
    if (IsHelpKey(event)) {
        form->Form_Help();
        return;
    }
    int code = KeyCodeOf(event);
    if (code != 0) form->Form_KeyPress(code);
}

// The context-menu key on the window itself asks for its help; a right click is a
// mouse release like any other (Form_MouseUp, button 2).
void FormWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (form == nullptr || event->reason() != QContextMenuEvent::Keyboard) return;
    form->Form_Help();
}

// A mouse event that a control under the pointer did not take (a push button ignores
// the right button and moves while not pressed) travels on to the window; it belongs to
// that control, not to the window's background.
bool FormWidget::FromControl(const QMouseEvent* event) const {
    return childAt(event->position().toPoint()) != nullptr;
}

void FormWidget::mousePressEvent(QMouseEvent* event) {
    if (form == nullptr || FromControl(event)) return;
    form->Form_MouseDown(ButtonOf(event->button()), ShiftOf(event->modifiers()),
                         static_cast<float>(event->position().x()) * TwipsPerPixelX(),
                         static_cast<float>(event->position().y()) * TwipsPerPixelY());
}

void FormWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (form == nullptr || FromControl(event)) return;
    Form* f = form;
    f->Form_MouseUp(ButtonOf(event->button()), ShiftOf(event->modifiers()),
                    static_cast<float>(event->position().x()) * TwipsPerPixelX(),
                    static_cast<float>(event->position().y()) * TwipsPerPixelY());
    if (form != nullptr && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        form->Form_Click();
    }
}

void FormWidget::mouseMoveEvent(QMouseEvent* event) {
    if (form == nullptr || FromControl(event)) return;
    form->Form_MouseMove(ButtonsOf(event->buttons()), ShiftOf(event->modifiers()),
                         static_cast<float>(event->position().x()) * TwipsPerPixelX(),
                         static_cast<float>(event->position().y()) * TwipsPerPixelY());
}

// ---------------------------------------------------------------------------------
// Form

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() {
    auto& forms = LoadedForms();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    if (modalLoop_ != nullptr) modalLoop_->quit();
    if (widget_ != nullptr) {
        widget_->form = nullptr;
        delete widget_;
        widget_ = nullptr;
    }
}

void Form::Register(ControlArray* array) {
    arrays_.push_back(array);
}

void Form::Unregister(ControlArray* array) {
    arrays_.erase(std::remove(arrays_.begin(), arrays_.end(), array), arrays_.end());
}

QWidget* Form::NativeWidget() const {
    return widget_;
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
    widget_ = new FormWidget(this, FlagsFor(props_.borderStyle));
    ApplyLook();
    ApplyGeometry();
    for (ControlArray* array : arrays_) array->FormLoaded();
    ApplyTabOrder();
    loaded_ = true;
    LoadedForms().push_back(this);
    loading_ = false;
    // The load handler sets its controls up a property at a time, many of them several
    // times (the style, then the scaling); their widgets take the result once, after it.
    building_ = true;
    Form_Load();
    building_ = false;
    if (!loaded_ || widget_ == nullptr) return;
    // A text box's widget costs most (it loads a face of its own) and the formula fields
    // are hidden until a formula asks for them: the ones the first picture does not show
    // are made once it has been painted.
    bool waiting = false;
    for (Control* control : Controls()) {
        if (control->waiting_ && control->props_.visible) control->CreateWidget(true);
        waiting = waiting || control->waiting_;
        control->ApplyAll();
    }
    ApplyTitles();
    ApplyTabOrder();
    if (waiting) AfterPaint([this] { CreateWaitingWidgets(); });
}

void Form::CreateWaitingWidgets() {
    if (!loaded_) return;
    for (Control* control : Controls())
        if (control->waiting_) control->CreateWidget(true);
    ApplyTitles();
    ApplyTabOrder();
}

void Form::ApplyTitles() {
    for (const auto& [label, field] : titles_) {
        auto* title = qobject_cast<QLabel*>(label->NativeWidget());
        if (title == nullptr || field->NativeWidget() == nullptr) continue;
        if (title->buddy() == field->NativeWidget()) continue;
        title->setBuddy(field->NativeWidget());
        label->ApplyDisplayText();  // a title shows its "&" doubled
    }
}

void Form::Show() {
    Load();
    if (!loaded_ || widget_ == nullptr) return;
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

void Form::ShowModal() {
    Load();
    if (!loaded_ || widget_ == nullptr || modalLoop_ != nullptr) return;
    widget_->setWindowModality(Qt::ApplicationModal);
    Show();
    QEventLoop loop;
    modalLoop_ = &loop;
    if (auto hook = ModalHook()) {
        QTimer::singleShot(0, widget_, [this, hook]() {
            if (loaded_) hook(*this);
        });
    }
    if (loaded_ && widget_ != nullptr && widget_->isVisible()) loop.exec();
    // An unload while it ran may have let this loop go and started another.
    if (modalLoop_ == &loop) modalLoop_ = nullptr;
}

void Form::EndModal() {
    if (modalLoop_ == nullptr) return;
    modalLoop_->quit();  // returns once the loops started inside it have returned
    modalLoop_ = nullptr;
}

void Form::Hide() {
    if (widget_ != nullptr) widget_->hide();
    EndModal();
}

void Form::Refresh() {
    if (widget_ != nullptr) widget_->update();
}

void Form::AfterPaint(std::function<void()> task) {
    RunSoon([this, task = std::move(task)]() mutable {
        if (widget_ != nullptr && widget_->isVisible() && !painted_)
            afterPaint_.push_back(std::move(task));
        else
            task();
    });
}

bool Form::Unload(int unloadMode) {
    if (!loaded_ || loading_) return !loaded_;
    static thread_local std::vector<Form*> unloading;
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
    if (widget_ != nullptr) {
        widget_->hide();
        widget_->form = nullptr;
        widget_->deleteLater();
        widget_ = nullptr;
    }
    canvas_.reset();
    drawn_.clear();
    painted_ = false;
    afterPaint_.clear();  // work for a window that is gone
    titles_.clear();      // made again after the next load
    // A window unloaded while it is shown modally lets its caller go on, and can be
    // loaded and shown modally again at once.
    if (modalLoop_ != nullptr) BoxClosed();
    EndModal();
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

// The client area is the whole size set (see ApplyGeometry), so nothing is taken off.
float Form::ScaleWidth() const {
    return std::max(0.0F, props_.width);
}

float Form::ScaleHeight() const {
    return std::max(0.0F, props_.height);
}

void Form::SetBackColor(std::int32_t colour) {
    props_.backColor = colour;
    if (widget_ != nullptr) widget_->update();
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
    props_.role = role;  // read by the window's accessible interface when asked
}
void Form::SetAccessibleDescription(const std::string& description) {
    Assign(&FormProperties::accessibleDescription, description, &Form::ApplyLook);
}

bool Form::Visible() const {
    return widget_ != nullptr && widget_->isVisible();
}

// The windows are laid out on a fixed pixel canvas, so the client area gets the whole
// size and the place the program sets, shown or not; a window manager's frame goes
// around it. A frame taken off the size would clip the controls at the right and bottom,
// and a frame is not known before the window is first shown anyway. setGeometry (not
// move) places the client area itself: Qt asks the window manager for static gravity.
void Form::ApplyGeometry() {
    if (widget_ == nullptr) return;
    widget_->setGeometry(ToPixels(props_.left, true), ToPixels(props_.top, false),
                         std::max(1, ToPixels(props_.width, true)),
                         std::max(1, ToPixels(props_.height, false)));
}

void Form::ApplyLook() {
    if (widget_ == nullptr) return;
    widget_->setWindowTitle(ToUnicode(props_.caption));
    widget_->setAccessibleDescription(ToUnicode(props_.accessibleDescription));
    QFont font(ToUnicode(props_.fontName));
    font.setPointSizeF(static_cast<qreal>(props_.fontSize));
    font.setBold(props_.fontBold);
    widget_->setFont(font);
    widget_->update();
}

void Form::ApplyTabOrder() {
    if (widget_ == nullptr || building_) return;
    std::vector<Control*> order;
    for (Control* control : Controls()) {
        QWidget* w = control->NativeWidget();
        if (w != nullptr && w->focusPolicy() != Qt::NoFocus) order.push_back(control);
    }
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    for (std::size_t k = 1; k < order.size(); ++k) {
        QWidget::setTabOrder(order[k - 1]->NativeWidget(), order[k]->NativeWidget());
    }
}

std::vector<Control*> Form::Controls() const {
    std::vector<Control*> out;
    for (ControlArray* array : arrays_) {
        for (int index : array->Indexes()) out.push_back(&(*array)[index]);
    }
    return out;
}

// The background image covers the inner area; it grows with the window and keeps
// what was drawn, since the look is drawn once per window build.
namespace {

#if defined(__linux__)
// Zeroed memory from the system, all its pages at once (as few as can be: a picture of a
// megabyte or more goes on large pages where the system has them): touched a page at a
// time, a window's megabyte costs hundreds of page faults, on a virtual machine a large part
// of the whole start-up. Empty when the system refuses.
struct Pages {
    void* start = nullptr;
    std::size_t bytes = 0;
};
Pages TakePages(std::size_t bytes) {
    constexpr std::size_t Large = std::size_t{2} << 20;
    if (bytes >= (std::size_t{1} << 20)) {
        const std::size_t length = (bytes + Large - 1) / Large * Large;
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
            return {start, length};
        }
    }
    void* start = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    return start == MAP_FAILED ? Pages{} : Pages{start, bytes};
}
#endif

// A transparent picture of w x h pixels: on pages taken at once, which are zero and so
// transparent without a fill.
std::unique_ptr<QImage> TransparentImage(int w, int h) {
#if defined(__linux__)
    if (auto* pages = new Pages(TakePages(static_cast<std::size_t>(w) * h * 4)); pages->start) {
        return std::make_unique<QImage>(
            static_cast<uchar*>(pages->start), w, h, w * 4, QImage::Format_ARGB32_Premultiplied,
            [](void* info) {
                const auto* taken = static_cast<Pages*>(info);
                ::munmap(taken->start, taken->bytes);
                delete taken;
            },
            pages);
    } else {
        delete pages;
    }
#endif
    auto image = std::make_unique<QImage>(w, h, QImage::Format_ARGB32_Premultiplied);
    image->fill(Qt::transparent);
    return image;
}

}  // namespace

QImage& Form::Canvas() {
    const int w = std::max(1, ToPixels(ScaleWidth(), true));
    const int h = std::max(1, ToPixels(ScaleHeight(), false));
    if (!canvas_) {
        canvas_ = TransparentImage(w, h);
    } else if (canvas_->width() < w || canvas_->height() < h) {
        auto grown =
            TransparentImage(std::max(w, canvas_->width()), std::max(h, canvas_->height()));
        QPainter painter(grown.get());
        painter.drawImage(0, 0, *canvas_);
        painter.end();
        canvas_ = std::move(grown);
    }
    return *canvas_;
}

void Form::Line(float x1, float y1, float x2, float y2, std::int32_t colour) {
    Lines({DrawItem{false, false, x1, y1, x2, y2, colour}});
}

// Lines one pixel wide, drawn straight into the image's rows by the painter's own pixel
// rule (platform/line_raster.h): a gradient of twenty thousand lines through the painter
// takes most of a second, this way a millisecond or two.
void Form::Lines(const std::vector<DrawItem>& lines) {
    if (lines.empty()) return;
    if (recordDrawing_) drawn_.insert(drawn_.end(), lines.begin(), lines.end());
    QImage& canvas = Canvas();
    const int w = canvas.width();
    const int h = canvas.height();
    auto* rows = reinterpret_cast<QRgb*>(canvas.bits());
    const qsizetype perRow = canvas.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const qreal tx = TwipsPerPixelX();
    const qreal ty = TwipsPerPixelY();
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
        const QRgb pixel = ToQColor(line.colour, Qt::black).rgb();  // opaque
        auto plot = [&](int x, int y) { rows[y * perRow + x] = pixel; };
        if (line.x1 == line.x2 && line.y1 == line.y2) {
            // A line of no length is one pixel, the one nearest the point.
            const int x = static_cast<int>(std::lround(line.x1 / tx));
            const int y = static_cast<int>(std::lround(line.y1 / ty));
            if (x >= 0 && y >= 0 && x < w && y < h) plot(x, y);
        } else {
            WalkLine(walk, w, h, plot);
        }
    }
    if (widget_ != nullptr) widget_->update();
}

void Form::Box(float x1, float y1, float x2, float y2, std::int32_t colour, bool filled) {
    if (recordDrawing_) drawn_.push_back(DrawItem{true, filled, x1, y1, x2, y2, colour});
    QImage& canvas = Canvas();
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor c = ToQColor(colour, Qt::black);
    const int left = ToPixels(std::min(x1, x2), true);
    const int top = ToPixels(std::min(y1, y2), false);
    const int right = ToPixels(std::max(x1, x2), true);
    const int bottom = ToPixels(std::max(y1, y2), false);
    if (filled) {
        painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), c);
    } else {
        painter.setPen(QPen(c, 0));
        painter.drawRect(QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(0, 0, -1, -1));
    }
    painter.end();
    if (widget_ != nullptr) widget_->update();
}

void Form::Cls() {
    if (canvas_) canvas_->fill(Qt::transparent);
    if (widget_ != nullptr) widget_->update();
}

void Form::SetRecordDrawing(bool on) {
    recordDrawing_ = on;
    if (!on) drawn_.clear();
}

Bitmap Form::DrawnImage() const {
    Bitmap image;
    if (!canvas_) return image;
    const QImage plain = canvas_->convertToFormat(QImage::Format_ARGB32);
    image.width = plain.width();
    image.height = plain.height();
    image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < plain.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
        image.pixels.insert(image.pixels.end(), row, row + plain.width());
    }
    return image;
}

std::int32_t Form::DrawnColourAt(float x, float y) const {
    if (!canvas_) return -1;
    const int px = ToPixels(x, true);
    const int py = ToPixels(y, false);
    if (px < 0 || py < 0 || px >= canvas_->width() || py >= canvas_->height()) return -1;
    const QRgb pixel = canvas_->pixel(px, py);
    if (qAlpha(pixel) == 0) return -1;
    return qRed(pixel) + 256 * qGreen(pixel) + 65536 * qBlue(pixel);
}

}  // namespace platform
