// What a window system must give the runtime: a view of each window and of each control
// on the screen. Everything else of platform/ (properties, control arrays, the window's
// life, the events' rules, the background picture) is written once above these two
// interfaces; platform/qt/ implements them with Qt widgets, platform/web/ with the
// elements of a web page. Not for the windows or the toolkit: they never see a view.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"

namespace platform {

enum class MouseAction { Down, Up, Move };

// One control on the screen. The control owns its view until it lets it go (Release),
// after which the view drops every event it would still report and deletes itself once
// nothing it started runs any more (a handler may unload the very control whose event
// it handles).
class ControlView {
  public:
    explicit ControlView(Control& control) : control_(&control) {}
    virtual ~ControlView() = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    // Each shows one aspect of the control's properties as they are now.
    virtual void ApplyGeometry() = 0;
    virtual void ApplyFont() = 0;
    virtual void ApplyColours() = 0;
    // Caption, text, alignment, word wrap or picture.
    virtual void ApplyText() = 0;
    virtual void ApplyVisible() = 0;
    virtual void ApplyEnabled() = 0;
    virtual void ApplyToolTip() = 0;
    virtual void ApplyAccessibility() = 0;
    // Timers: ticking while enabled with an interval above 0.
    virtual void ApplyTimer(bool running) = 0;
    // Labels: this label titles `field` (its name on the screen); false when it already did.
    virtual bool TitleField(ControlView& field) = 0;
    virtual void Raise(bool front) = 0;
    virtual void Focus() = 0;
    virtual bool HasFocus() const = 0;
    // True when Tab and the focus can reach the control.
    virtual bool TakesFocus() const = 0;
    // Live labels: tell assistive technology this text once the running handler returns.
    virtual void Announce(const std::string& text) = 0;
    // The control lets go of its view: see above.
    virtual void Release() = 0;

  protected:
    // The properties the control has now; only while not released.
    const ControlProperties& Props() const { return control_->props_; }
    Control* TheControl() const { return control_; }
    void Forget() { control_ = nullptr; }

    // Events from the screen, each run by the rules every window system shares. Dropped
    // once the view is released. Coordinates are pixels inside the control.
    void ReportMouse(MouseAction what, int button, int shift, double x, double y);
    // A press by the user (mouse, Space, the press action of assistive technology).
    void ReportPress();
    // The user changed a text box's text (Windows-1252).
    void ReportEdit(const std::string& now);
    // A key typed on the control as its character code: what the KeyPress handler left
    // of it (0: swallowed, or the control went), in `code`; false when the array has no
    // KeyPress handler.
    bool ReportKey(int& code);
    // F1, the context-menu key or Shift+F10.
    void ReportHelp();
    void ReportTimerTick();

  private:
    Control* control_;
};

// One window on the screen.
class FormView {
  public:
    explicit FormView(Form& form) : form_(&form) {}
    virtual ~FormView() = default;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    virtual std::unique_ptr<ControlView> CreateControl(Control& control) = 0;
    virtual void ApplyGeometry() = 0;
    // Caption, font, role and description.
    virtual void ApplyLook() = 0;
    // The controls Tab goes round, in order.
    virtual void ApplyTabOrder(const std::vector<ControlView*>& order) = 0;
    // Shows the window in front; a modal one takes every input from the windows under it.
    virtual void Show(bool modal) = 0;
    virtual void Hide() = 0;
    virtual bool Shown() const = 0;
    // The background (colour or picture) changed.
    virtual void Repaint() = 0;
    // The window is unloaded: it leaves the screen; see ControlView::Release.
    virtual void Release(bool wasModal) = 0;

  protected:
    Form* TheForm() const { return form_; }
    void Forget() { form_ = nullptr; }

    // Events on the window itself (not on a control), each run by the shared rules.
    void ReportClose();
    void ReportKey(int code);
    void ReportHelp();
    // Pixels inside the window; Up with the left button is also the window's click.
    void ReportMouse(MouseAction what, int button, int shift, double x, double y, bool inside);
    // Alt with a character: the shown, enabled button whose caption marks that access
    // key is pressed; false when none does.
    bool ReportAccessKey(char key);
    // The window's picture has reached the screen.
    void ReportPainted();

  private:
    Form* form_;
};

// Made by the backend in use.
std::unique_ptr<FormView> CreateFormView(Form& form);

// A nested event loop: Run returns once Quit has been called and every loop started
// inside it has returned. Every event and timer is handled by the innermost loop.
class NestedLoop {
  public:
    virtual ~NestedLoop() = default;
    virtual void Run() = 0;
    virtual void Quit() = 0;
};
std::unique_ptr<NestedLoop> CreateNestedLoop();

// The size a label's text takes on the screen, in pixels: word-wrapped within `wrapWidth`
// (when wrapWidth >= 0: the height of every line), else the widest line and the height of
// its lines. `text` is what the label shows (access-key marks already taken out).
struct TextExtent {
    double width = 0;
    double height = 0;
};
TextExtent MeasureText(const ControlProperties& properties, const std::string& text,
                       double wrapWidth);

// Shared helpers of the backends.
// Pixels of a length in twips (rounded; horizontal or vertical).
int ToPixels(float twips, bool horizontal);
// The text a label or button shows: without access-key marks where they are on.
std::string ShownCaption(const ControlProperties& properties);
// The character after the "&" that marks the access key, 0 when there is none.
char AccessKeyOf(const std::string& caption);
// A caption with its access-key marks taken out ("&&" stands for one "&").
std::string WithoutAccessKeys(const std::string& caption);
// True when another window is shown modally above this one: input from the user to it
// is dropped, as the desktop drops its mouse and keys.
bool BlockedByModal(const Form* form);

}  // namespace platform
