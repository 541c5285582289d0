// The desktop's views on Qt 6 Widgets: push buttons, labels, line edits, pictures and
// timers for the controls, a top-level widget for each window, QEventLoop for modal
// loops. The rules of the events are the runtime's own (platform/view.h).
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
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
#include <cmath>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "platform/qt/accessibility.h"
#include "platform/qt/text.h"
#include "platform/qt/widgets.h"
#include "platform/services.h"

namespace platform {

namespace {

QColor ToQColor(std::int32_t colour, const QColor& fallback) {
    if (colour < 0) return fallback;  // a system colour
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
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

// The program's flag values for the Qt flags that are set.
template <typename Flags>
int FlagsOf(Flags set, std::initializer_list<std::pair<typename Flags::enum_type, int>> meaning) {
    int value = 0;
    for (const auto& [flag, bit] : meaning)
        if (set & flag) value |= bit;
    return value;
}

}  // namespace

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

int ButtonsOf(Qt::MouseButtons buttons) {
    return FlagsOf(buttons, {{Qt::LeftButton, LeftButton},
                             {Qt::RightButton, RightButton},
                             {Qt::MiddleButton, MiddleButton}});
}

int ShiftOf(Qt::KeyboardModifiers modifiers) {
    return FlagsOf(modifiers, {{Qt::ShiftModifier, ShiftMask},
                               {Qt::ControlModifier, CtrlMask},
                               {Qt::AltModifier, AltMask}});
}

bool IsHelpKey(const QKeyEvent* event) {
    return (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) ||
           (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
}

TextExtent MeasureText(const ControlProperties& p, const std::string& text, double wrapWidth) {
    if (QGuiApplication::instance() == nullptr) return {};
    const QString shown = ToUnicode(text);
    if (wrapWidth >= 0) {
        const WrappedText lines(shown, FontOf(p), wrapWidth, ToQtAlignment(p.alignment, true));
        return {wrapWidth, lines.Height()};
    }
    const QFontMetricsF metrics(FontOf(p));
    qreal widest = 0.0;
    const QStringList lines = shown.split(QLatin1Char('\n'));
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    return {widest, metrics.height() * static_cast<qreal>(lines.size())};
}

// ---------------------------------------------------------------------------------
// Controls

QtControlView::QtControlView(Control& control, QWidget* parent) : ControlView(control) {
    switch (control.Kind()) {
        case ControlKind::Button: {
            // A plain push button: assistive technology sees a push button whose one
            // press action clicks it. The two states live in the control's value: a
            // click sets a clear button and clears a set one, which raises the click
            // event once; the windows' handlers release a set button at once, and that
            // release raises the click that does the work.
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            QObject::connect(button, &QPushButton::clicked, this, [this]() { ReportPress(); });
            widget = button;
            break;
        }
        case ControlKind::Label: {
            auto* label = new LabelWidget(parent);
            MarkAsLabel(label);
            label->setTextFormat(Qt::PlainText);
            widget = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* edit = new QLineEdit(parent);
            MarkAsField(edit);
            QObject::connect(edit, &QLineEdit::textChanged, this, [this](const QString& now) {
                if (!settingText) ReportEdit(FromUnicode(now));
            });
            widget = edit;
            break;
        }
        case ControlKind::Picture: {
            auto* picture = new QLabel(parent);
            MarkAsLabel(picture);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = picture;
            break;
        }
        case ControlKind::Timer: {
            setParent(parent);
            timer = new QTimer(this);
            QObject::connect(timer, &QTimer::timeout, this, [this]() { ReportTimerTick(); });
            break;
        }
    }
    if (QWidget* w = widget.data()) {
        setParent(w);
        w->setMouseTracking(true);
        w->installEventFilter(this);
        w->setAttribute(Qt::WA_Hover, false);
    }
}

void QtControlView::Release() {
    Forget();
    if (timer != nullptr) timer->stop();
    if (QWidget* w = widget.data()) {
        // The widget may be delivering the very event that unloads its window.
        w->hide();
        w->deleteLater();
    } else {
        deleteLater();
    }
}

void QtControlView::ApplyGeometry() {
    QWidget* w = widget.data();
    if (w == nullptr) return;
    const ControlProperties& p = Props();
    w->setGeometry(ToPixels(p.left, true), ToPixels(p.top, false),
                   std::max(0, ToPixels(p.width, true)), std::max(0, ToPixels(p.height, false)));
}

void QtControlView::ApplyFont() {
    if (QWidget* w = widget.data()) w->setFont(FontOf(Props()));
}

void QtControlView::ApplyColours() {
    QWidget* w = widget.data();
    if (w == nullptr) return;
    const ControlProperties& p = Props();
    const ControlKind kind = TheControl()->Kind();
    const QColor fore = ToQColor(p.foreColor, Qt::black);
    const QColor back = ToQColor(p.backColor, QColor(240, 240, 240));
    if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->setFrame(p.borderStyle != 0);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        w->setAutoFillBackground(kind == ControlKind::Label && p.backStyle != 0);
        label->setFrameStyle(p.borderStyle != 0 ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    }
    w->setPalette(SharedPalette(kind, w, fore, back));
}

void QtControlView::ApplyText() {
    QWidget* w = widget.data();
    if (w == nullptr) return;
    const ControlProperties& p = Props();
    switch (TheControl()->Kind()) {
        case ControlKind::Button:
            static_cast<QPushButton*>(w)->setText(ToUnicode(p.caption));
            break;
        case ControlKind::Label: {
            auto* label = static_cast<QLabel*>(w);
            label->setWordWrap(p.wordWrap);
            label->setAlignment(ToQtAlignment(p.alignment, true));
            // A label that titles a field would take an "&" in its text as the field's
            // access key (and hide it): its text is the label's own, every "&" shown.
            QString text = ToUnicode(ShownCaption(p));
            if (label->buddy() != nullptr) text.replace(QLatin1Char('&'), QLatin1String("&&"));
            SetLabelText(label, text);
            break;
        }
        case ControlKind::TextBox: {
            auto* edit = static_cast<QLineEdit*>(w);
            edit->setAlignment(ToQtAlignment(p.alignment, false));
            QString text = ToUnicode(p.text);
            if (edit->text() != text) {
                settingText = true;
                edit->setText(text);
                settingText = false;
            }
            break;
        }
        case ControlKind::Picture: {
            auto* label = static_cast<QLabel*>(w);
            if (p.picture.Empty()) {
                label->clear();
            } else {
                QImage image(reinterpret_cast<const uchar*>(p.picture.pixels.data()),
                             p.picture.width, p.picture.height, p.picture.width * 4,
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

void QtControlView::ApplyVisible() {
    if (QWidget* w = widget.data()) w->setVisible(Props().visible);
}

void QtControlView::ApplyEnabled() {
    if (QWidget* w = widget.data()) w->setEnabled(Props().enabled);
}

void QtControlView::ApplyToolTip() {
    if (QWidget* w = widget.data()) w->setToolTip(ToUnicode(Props().toolTipText));
}

void QtControlView::ApplyAccessibility() {
    QWidget* w = widget.data();
    if (w == nullptr) return;
    const ControlProperties& p = Props();
    // Each change raises an event that screen readers hear: only real changes.
    if (const QString n = ToUnicode(TheControl()->HeardName()); w->accessibleName() != n)
        w->setAccessibleName(n);
    if (const QString d = ToUnicode(p.accessibleDescription); w->accessibleDescription() != d)
        w->setAccessibleDescription(d);
    SetDecorativeWidget(w, p.decorative);
    if (TheControl()->Kind() == ControlKind::Label)
        SetLiveLabel(static_cast<QLabel*>(w), p.liveText);
}

void QtControlView::ApplyTimer(bool running) {
    if (timer == nullptr) return;
    if (running)
        timer->start(Props().interval);
    else
        timer->stop();
}

bool QtControlView::TitleField(ControlView& field) {
    auto* title = qobject_cast<QLabel*>(widget.data());
    QWidget* edit = static_cast<QtControlView&>(field).widget.data();
    if (title == nullptr || edit == nullptr || title->buddy() == edit) return false;
    title->setBuddy(edit);
    return true;
}

void QtControlView::Raise(bool front) {
    if (QWidget* w = widget.data()) {
        if (front)
            w->raise();
        else
            w->lower();
    }
}

void QtControlView::Focus() {
    if (QWidget* w = widget.data()) w->setFocus(Qt::OtherFocusReason);
}

bool QtControlView::HasFocus() const {
    const QWidget* w = widget.data();
    return w != nullptr && w->hasFocus();
}

bool QtControlView::TakesFocus() const {
    const QWidget* w = widget.data();
    return w != nullptr && w->focusPolicy() != Qt::NoFocus;
}

void QtControlView::Announce(const std::string& text) {
    if (auto* label = qobject_cast<QLabel*>(widget.data())) AnnounceInstead(label, ToUnicode(text));
}

bool QtControlView::eventFilter(QObject* watched, QEvent* event) {
    if (TheControl() == nullptr || watched != widget.data()) return false;
    const ControlKind kind = TheControl()->Kind();
    const bool swallowMouse = kind == ControlKind::Label || kind == ControlKind::Picture;

    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const int shift = ShiftOf(mouse->modifiers());
            const double x = mouse->position().x();
            const double y = mouse->position().y();
            if (event->type() == QEvent::MouseButtonPress)
                ReportMouse(MouseAction::Down, ButtonOf(mouse->button()), shift, x, y);
            else if (event->type() == QEvent::MouseButtonRelease)
                ReportMouse(MouseAction::Up, ButtonOf(mouse->button()), shift, x, y);
            else
                ReportMouse(MouseAction::Move, ButtonsOf(mouse->buttons()), shift, x, y);
            return swallowMouse;
        }
        case QEvent::ContextMenu:
            // The context-menu key asks for help; a right click goes its own way (MouseUp).
            if (static_cast<QContextMenuEvent*>(event)->reason() != QContextMenuEvent::Keyboard)
                return false;
            ReportHelp();
            return true;
        case QEvent::KeyPress: {
            if (IsHelpKey(static_cast<QKeyEvent*>(event))) {
                ReportHelp();
                return true;
            }
            int code = KeyCodeOf(static_cast<QKeyEvent*>(event));
            const int original = code;
            if (code == 0 || !ReportKey(code)) return false;
            if (code == 0) return true;  // swallowed, or the handler closed the window
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
// Windows

class QtFormView : public FormView {
  public:
    explicit QtFormView(Form& form)
        : FormView(form), widget(new FormWidget(this, &form, FlagsFor(form.BorderStyle()))) {}

    std::unique_ptr<ControlView> CreateControl(Control& control) override {
        return std::make_unique<QtControlView>(control, widget);
    }
    void ApplyGeometry() override {
        // The windows are laid out on a fixed pixel canvas, so the client area gets the
        // whole size and the place the program sets, shown or not; a window manager's
        // frame goes around it. A frame taken off the size would clip the controls at the
        // right and bottom, and a frame is not known before the window is first shown
        // anyway. setGeometry (not move) places the client area itself: Qt asks the window
        // manager for static gravity.
        const Form& f = *TheForm();
        widget->setGeometry(ToPixels(f.Left(), true), ToPixels(f.Top(), false),
                            std::max(1, ToPixels(f.Width(), true)),
                            std::max(1, ToPixels(f.Height(), false)));
    }
    void ApplyLook() override {
        const Form& f = *TheForm();
        widget->setWindowTitle(ToUnicode(f.Caption()));
        widget->setAccessibleDescription(ToUnicode(f.AccessibleDescription()));
        QFont font(ToUnicode(f.FontName()));
        font.setPointSizeF(static_cast<qreal>(f.FontSize()));
        font.setBold(f.FontBold());
        widget->setFont(font);
        widget->update();
    }
    void ApplyTabOrder(const std::vector<ControlView*>& order) override {
        for (std::size_t k = 1; k < order.size(); ++k)
            QWidget::setTabOrder(static_cast<QtControlView*>(order[k - 1])->widget,
                                 static_cast<QtControlView*>(order[k])->widget);
    }
    void Show(bool modal) override {
        if (modal) widget->setWindowModality(Qt::ApplicationModal);
        widget->show();
        widget->raise();
        widget->activateWindow();
    }
    void Hide() override { widget->hide(); }
    bool Shown() const override { return widget->isVisible(); }
    void Repaint() override { widget->update(); }
    // The view goes with its widget, once the event being delivered (which may be the
    // very one that unloads the window) is done with both.
    void Release(bool wasModal) override {
        Forget();
        FormWidget* w = std::exchange(widget, nullptr);
        w->view = nullptr;
        w->form = nullptr;
        w->hide();
        w->released.reset(this);
        w->deleteLater();
        if (wasModal) BoxClosed();
    }
    ~QtFormView() override {
        if (widget == nullptr) return;
        widget->view = nullptr;
        widget->form = nullptr;
        delete widget;
    }

    // Events from the window's widget.
    void Painted() { ReportPainted(); }
    void Closing() { ReportClose(); }
    void Key(int code) { ReportKey(code); }
    void Help() { ReportHelp(); }
    void MouseEvent(MouseAction what, int button, int shift, const QPointF& at) {
        ReportMouse(what, button, shift, at.x(), at.y(), widget->rect().contains(at.toPoint()));
    }
    FormWidget* widget;
};

std::unique_ptr<FormView> CreateFormView(Form& form) {
    return std::make_unique<QtFormView>(form);
}

QWidget* NativeWidget(const Control& control) {
    auto* view = dynamic_cast<QtControlView*>(control.View());
    return view != nullptr ? view->widget.data() : nullptr;
}

QWidget* NativeWidget(const Form& form) {
    auto* view = dynamic_cast<QtFormView*>(form.View());
    return view != nullptr ? view->widget : nullptr;
}

FormWidget::FormWidget(QtFormView* view, Form* form, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), view(view), form(form) {
    setMouseTracking(true);
    // No Tab stop of its own: Tab goes round the controls. A window without a control
    // that can take the focus (a help box) still gets the keys, having no focus child.
    setFocusPolicy(Qt::NoFocus);
}

FormWidget::~FormWidget() = default;

void FormWidget::paintEvent(QPaintEvent*) {
    if (form == nullptr) return;
    QPainter painter(this);
    const std::int32_t back = form->BackColor();
    painter.fillRect(rect(), back < 0
                                 ? palette().color(QPalette::Window)
                                 : QColor(back & 0xFF, (back >> 8) & 0xFF, (back >> 16) & 0xFF));
    if (const std::uint32_t* pixels = form->CanvasPixels()) {
        // The background as kept, lent without a copy (its pixels are opaque or clear, so
        // premultiplied or not reads the same).
        const QImage canvas(reinterpret_cast<const uchar*>(pixels), form->CanvasWidth(),
                            form->CanvasHeight(), form->CanvasWidth() * 4,
                            QImage::Format_ARGB32_Premultiplied);
        painter.drawImage(0, 0, canvas);
    }
    if (view != nullptr) view->Painted();
}

void FormWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (view != nullptr) view->Closing();
}

void FormWidget::keyPressEvent(QKeyEvent* event) {
    if (view == nullptr) return;
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && isAncestorOf(focus)) return;  // a control had the key already
    if (IsHelpKey(event)) {
        view->Help();
        return;
    }
    view->Key(KeyCodeOf(event));
}

// The context-menu key on the window itself asks for its help; a right click is a
// mouse release like any other (Form_MouseUp, button 2).
void FormWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (view == nullptr || event->reason() != QContextMenuEvent::Keyboard) return;
    view->Help();
}

// A mouse event that a control under the pointer did not take (a push button ignores
// the right button and moves while not pressed) travels on to the window; it belongs to
// that control, not to the window's background.
bool FormWidget::FromControl(const QMouseEvent* event) const {
    return childAt(event->position().toPoint()) != nullptr;
}

void FormWidget::mousePressEvent(QMouseEvent* event) {
    if (view == nullptr || FromControl(event)) return;
    view->MouseEvent(MouseAction::Down, ButtonOf(event->button()), ShiftOf(event->modifiers()),
                     event->position());
}

void FormWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (view == nullptr || FromControl(event)) return;
    view->MouseEvent(MouseAction::Up, ButtonOf(event->button()), ShiftOf(event->modifiers()),
                     event->position());
}

void FormWidget::mouseMoveEvent(QMouseEvent* event) {
    if (view == nullptr || FromControl(event)) return;
    view->MouseEvent(MouseAction::Move, ButtonsOf(event->buttons()), ShiftOf(event->modifiers()),
                     event->position());
}

// ---------------------------------------------------------------------------------
// Modal loops

namespace {
class QtNestedLoop : public NestedLoop {
  public:
    void Run() override { loop_.exec(); }
    void Quit() override { loop_.quit(); }

  private:
    QEventLoop loop_;
};
}  // namespace

std::unique_ptr<NestedLoop> CreateNestedLoop() {
    return std::make_unique<QtNestedLoop>();
}

}  // namespace platform
