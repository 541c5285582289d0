// The desktop's views: each control and each window of the runtime shown by a Qt widget.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/view.h"

class QTimer;

namespace platform {

// The view of one control: its widget, watched for the events it reports. Owned by the
// widget (or by the window's widget, for a timer), so it goes with it.
class QtControlView : public QObject, public ControlView {
  public:
    QtControlView(Control& control, QWidget* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

    void ApplyGeometry() override;
    void ApplyFont() override;
    void ApplyColours() override;
    void ApplyText() override;
    void ApplyVisible() override;
    void ApplyEnabled() override;
    void ApplyToolTip() override;
    void ApplyAccessibility() override;
    void ApplyTimer(bool running) override;
    bool TitleField(ControlView& field) override;
    void Raise(bool front) override;
    void Focus() override;
    bool HasFocus() const override;
    bool TakesFocus() const override;
    void Announce(const std::string& text) override;
    void Release() override;

    QPointer<QWidget> widget;
    QTimer* timer = nullptr;
    bool settingText = false;
};

class QtFormView;

class FormWidget : public QWidget {
  public:
    FormWidget(QtFormView* view, Form* form, Qt::WindowFlags flags);
    ~FormWidget() override;
    QtFormView* view;  // both null once the window has let go of its view
    Form* form;
    std::unique_ptr<QtFormView> released;  // the view let go of, deleted with the widget

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

// The widget behind a control or window (null for timers, inert elements, a text box that
// waits for its window's first paint and unloaded windows). Tests and accessibility.
QWidget* NativeWidget(const Control& control);
QWidget* NativeWidget(const Form& form);

int ButtonOf(Qt::MouseButton button);
int ButtonsOf(Qt::MouseButtons buttons);
int ShiftOf(Qt::KeyboardModifiers modifiers);
// F1 or Shift+F10: help asked for by keyboard. (The context-menu key arrives as a
// context-menu event first and then as a key of its own, which is not one of these.)
bool IsHelpKey(const QKeyEvent* event);

}  // namespace platform
