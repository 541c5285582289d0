// A window of the program. A window class derives from Form, declares its control
// arrays as members and overrides the handlers it needs:
//
//   class avbox : public platform::Form {
//   public:
//       avbox() : Form("avbox") {
//           buttonplus1.Click = [this](int Index) { buttonplus1_Click(Index); };
//       }
//       platform::ButtonArray buttonplus1{*this, "buttonplus1"};
//       platform::LabelArray Label1{*this, "Label1"};
//       platform::TimerArray Timer1{*this, "Timer1"};
//       void Form_Load() override;
//       void Form_QueryUnload(int& Cancel, int UnloadMode) override;
//       void buttonplus1_Click(int Index);
//   };
//
// The window loads on first use (Load, Show, ShowModal), which runs Form_Load.
// Unloading runs Form_QueryUnload, drops the run-time elements and puts every
// element 0 and the window itself back to the state they had before the first load.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/controls.h"

namespace platform {

class FormView;
class NestedLoop;

// Unload modes passed to Form_QueryUnload.
inline constexpr int UnloadFromCloseControl = 0;
inline constexpr int UnloadFromCode = 1;
inline constexpr int UnloadFromSystem = 2;

// One drawing call, as recorded for tests (window coordinates, twips).
struct DrawItem {
    bool box = false;
    bool filled = false;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t colour = 0;
};

// What assistive technology is told a window is: the application's frame, a dialog, or
// an alert (a box whose text should be read out as it appears).
enum class WindowRole { Frame, Dialog, Alert };

struct FormProperties {
    std::string caption;
    float left = 0.0F, top = 0.0F, width = 4800.0F, height = 3600.0F;
    std::int32_t backColor = 0xF0F0F0;
    std::string fontName = AvcalcMod::FaceName;
    float fontSize = 8.0F;
    bool fontBold = false;
    int borderStyle = 2;  // 0 none, 1 fixed single, 2 sizable, 5 tool window
    WindowRole role = WindowRole::Frame;
    std::string accessibleDescription;
};

class Form {
  public:
    explicit Form(std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }

    // Lifecycle.
    void Load();
    bool IsLoaded() const { return loaded_; }
    void Show();
    // Shows the window and waits in a nested event loop until it is unloaded or hidden.
    void ShowModal();
    bool IsModal() const { return modalLoop_ != nullptr; }
    void Hide();
    // Repaints the window (its background image and controls).
    void Refresh();
    // Runs the task once the window has been painted and its picture is on the screen
    // (when the event loop next runs, if the window is not shown by then or was painted
    // already): work its first picture does not need waits until after it. Unloading the
    // window drops what still waits for its paint.
    void AfterPaint(std::function<void()> task);
    // Runs Form_QueryUnload; false when the handler cancelled.
    bool Unload(int unloadMode = UnloadFromCode);

    // Properties (twips, colour values, Windows-1252 texts).
    const std::string& Caption() const { return props_.caption; }
    void SetCaption(const std::string& caption);
    float Left() const { return props_.left; }
    float Top() const { return props_.top; }
    float Width() const { return props_.width; }
    float Height() const { return props_.height; }
    void SetLeft(float twips);
    void SetTop(float twips);
    void SetWidth(float twips);
    void SetHeight(float twips);
    void Move(float left, float top, float width, float height);
    // Inner drawing area: the whole size set. A window manager's frame lies outside
    // it, so the window's pixels are its designed size with or without a frame.
    float ScaleWidth() const;
    float ScaleHeight() const;
    std::int32_t BackColor() const { return props_.backColor; }
    void SetBackColor(std::int32_t colour);
    const std::string& FontName() const { return props_.fontName; }
    void SetFontName(const std::string& name);
    float FontSize() const { return props_.fontSize; }
    void SetFontSize(float points);
    bool FontBold() const { return props_.fontBold; }
    void SetFontBold(bool bold);
    // Kept; applied when the window is next created (a shown frame is not rebuilt).
    int BorderStyle() const { return props_.borderStyle; }
    void SetBorderStyle(int style);
    bool Visible() const;
    // Assistive technology: the window's role (its name is the caption without the blanks
    // it starts with) and a description.
    WindowRole Role() const { return props_.role; }
    void SetWindowRole(WindowRole role);
    const std::string& AccessibleDescription() const { return props_.accessibleDescription; }
    void SetAccessibleDescription(const std::string& description);

    // Drawing into the window's persistent background image (window coordinates, twips).
    void Line(float x1, float y1, float x2, float y2, std::int32_t colour);
    // Many lines in order, each exactly as Line draws it, in one pass over the image: a
    // line whose pixels the next line covers again is passed over.
    void Lines(const std::vector<DrawItem>& lines);
    void Box(float x1, float y1, float x2, float y2, std::int32_t colour, bool filled);
    void Cls();
    // Tests: keep a list of the drawing calls from now on.
    void SetRecordDrawing(bool on);
    const std::vector<DrawItem>& DrawnItems() const { return drawn_; }
    // Colour value of the background image at a point (twips); -1 where nothing is drawn.
    std::int32_t DrawnColourAt(float x, float y) const;
    // The whole background image (empty before anything is drawn).
    Bitmap DrawnImage() const;

    // The control arrays and every existing element, in declaration and index order.
    const std::vector<ControlArray*>& Arrays() const { return arrays_; }
    std::vector<Control*> Controls() const;

    // The window's view on the screen (null while unloaded). For the backends.
    FormView* View() const { return view_; }
    // The background image as it is kept (0xAARRGGBB rows, top first; null before anything
    // is drawn). For the backends, which put it on the screen.
    const std::uint32_t* CanvasPixels() const;
    int CanvasWidth() const;
    int CanvasHeight() const;

    // Handlers a window overrides.
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int& Cancel, int UnloadMode) {
        (void)Cancel;
        (void)UnloadMode;
    }
    virtual void Form_Click() {}
    virtual void Form_KeyPress(int& KeyAscii) { (void)KeyAscii; }
    virtual void Form_MouseDown(int Button, int Shift, float X, float Y) {
        (void)Button;
        (void)Shift;
        (void)X;
        (void)Y;
    }
    virtual void Form_MouseUp(int Button, int Shift, float X, float Y) {
        (void)Button;
        (void)Shift;
        (void)X;
        (void)Y;
    }
    virtual void Form_MouseMove(int Button, int Shift, float X, float Y) {
        (void)Button;
        (void)Shift;
        (void)X;
        (void)Y;
    }
    // Help asked for by keyboard (F1, the context-menu key, Shift+F10) on the window
    // itself or on a control without a Help handler of its own.
    virtual void Form_Help() {}

  private:
    friend class ControlArray;
    friend class Control;
    friend class FormView;
    struct Canvas;

    // A property write: the field takes the value, then the step that shows it runs.
    template <typename T>
    void Assign(T FormProperties::*field, T value, void (Form::*then)());
    void Register(ControlArray* array);
    void Unregister(ControlArray* array);
    void ApplyGeometry();
    void ApplyLook();
    void ApplyTabOrder();
    // Gives each title its field (SetLabelFor) once both have their widgets.
    void ApplyTitles();
    void CreateWaitingViews();
    Canvas& TheCanvas();
    void EndModal();

    std::string name_;
    FormProperties props_;
    FormProperties design_;
    bool designTaken_ = false;
    bool loaded_ = false;
    bool loading_ = false;
    bool building_ = false;  // its load handler runs: the controls' views wait
    std::vector<std::pair<Control*, Control*>> titles_;  // label, the field it titles
    bool painted_ = false;
    std::vector<std::function<void()>> afterPaint_;
    FormView* view_ = nullptr;         // owned until released (see FormView)
    NestedLoop* modalLoop_ = nullptr;  // while shown modally
    std::unique_ptr<Canvas> canvas_;
    std::vector<ControlArray*> arrays_;
    std::vector<std::unique_ptr<Control>> graveyard_;
    std::vector<DrawItem> drawn_;
    bool recordDrawing_ = false;
};

// The loaded windows, oldest first.
std::vector<Form*> Forms();

// Tests: called (from the nested event loop) each time a window is shown modally.
void SetModalHook(std::function<void(Form&)> hook);

}  // namespace platform
