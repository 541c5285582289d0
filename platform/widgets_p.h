// Qt side of the runtime: the objects that tie widgets to controls and windows.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QTimer;

namespace platform {

class Control;
class Form;

// Owned by the control's widget (or by the window's widget, for a timer). Once the
// control lets go of it, control is null and every event it forwards is dropped.
class ControlBridge : public QObject {
  public:
    explicit ControlBridge(Control* control) : control(control) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

    Control* control;
    QPointer<QWidget> widget;
    QTimer* timer = nullptr;
    bool settingText = false;
};

class FormWidget : public QWidget {
  public:
    explicit FormWidget(Form* form, Qt::WindowFlags flags);
    Form* form;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool FromControl(const QMouseEvent* event) const;
};

// Helpers shared by the runtime's sources.
QColor ToQColor(std::int32_t colour, const QColor& fallback);
int ToPixels(float twips, bool horizontal);
int ButtonOf(Qt::MouseButton button);
int ButtonsOf(Qt::MouseButtons buttons);
int ShiftOf(Qt::KeyboardModifiers modifiers);
// True when another window is shown modally above the widget's window: input from the
// user to it is dropped, as the desktop drops its mouse and keys. (Qt lets a press or a
// text from assistive technology through.)
bool BlockedByModal(const QWidget* widget);
// F1 or Shift+F10: help asked for by keyboard. (The context-menu key arrives as a
// context-menu event first and then as a key of its own, which is not one of these.)
bool IsHelpKey(const QKeyEvent* event);

}  // namespace platform
