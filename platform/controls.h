// Controls of the program's windows: two-state buttons drawn as push buttons, labels,
// single-line text boxes, pictures and timers, always held in control arrays.
//
// This header carries no window-system header: the logic and the toolkit work with
// these classes only. Geometry is in twips and kept exactly as set; it becomes pixels
// only when it reaches the screen. Texts are Windows-1252 byte strings. Colours are
// red + 256 green + 65536 blue.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "startup/avcalc_mod.h"

namespace platform {

class Form;
class ControlArray;
class ControlView;

// A decoded picture: rows of 0xAARRGGBB pixels, top row first.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    bool Empty() const { return width <= 0 || height <= 0; }
};

enum class ControlKind { Button, Label, TextBox, Picture, Timer };

// Alignment values as the windows use them.
inline constexpr int AlignLeft = 0;
inline constexpr int AlignRight = 1;
inline constexpr int AlignCentre = 2;

// Mouse button and shift values of mouse events.
inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int MiddleButton = 4;
inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

// Highest element index an array can hold.
inline constexpr int MaxArrayIndex = 32767;

struct ControlProperties {
    std::string caption;
    std::string text;
    float left = 0.0F, top = 0.0F, width = 1200.0F, height = 375.0F;
    bool visible = true;
    bool enabled = true;
    std::int32_t foreColor = 0;         // black
    std::int32_t backColor = 0xF0F0F0;  // light grey
    int backStyle = 1;                  // 1 opaque, 0 transparent
    std::string fontName = AvcalcMod::FaceName;
    float fontSize = 8.0F;  // points, fractional sizes kept
    bool fontBold = false;
    bool fontUnderline = false;
    int alignment = AlignLeft;
    int borderStyle = 0;  // 0 none, 1 fixed single
    bool autoSize = false;
    bool wordWrap = false;
    bool useMnemonic = true;  // "&" marks an access key
    std::string toolTipText;
    std::string tag;
    int tabIndex = 0;
    int value = 0;              // two-state buttons: 0 or 1
    std::int32_t interval = 0;  // timers: milliseconds, 0 = no ticks
    Bitmap picture;
    // What assistive technology reads (see Control::SetAccessibleName).
    std::string accessibleName;
    std::string accessibleDescription;
    bool decorative = false;  // pictures start decorative
    bool liveText = false;
};

// One control: an element of a control array. An inert control stands for an element
// that does not exist: its setters do nothing and its getters give empty or zero.
class Control {
  public:
    Control(ControlArray* array, int index, bool inert);
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    bool Exists() const { return !inert_; }
    ControlKind Kind() const;
    const std::string& Name() const;  // the array's name
    int Index() const { return index_; }
    Form* Parent() const;

    float Left() const { return inert_ ? 0.0F : props_.left; }
    float Top() const { return inert_ ? 0.0F : props_.top; }
    float Width() const { return inert_ ? 0.0F : props_.width; }
    float Height() const { return inert_ ? 0.0F : props_.height; }
    void SetLeft(float twips);
    void SetTop(float twips);
    void SetWidth(float twips);
    void SetHeight(float twips);
    void Move(float left, float top, float width, float height);

    // Caption of buttons and labels; text of text boxes.
    const std::string& Caption() const;
    void SetCaption(const std::string& caption);
    const std::string& Text() const;
    // A change made by code raises the change event before this returns.
    void SetText(const std::string& text);

    bool Visible() const { return !inert_ && props_.visible; }
    void SetVisible(bool visible);
    bool Enabled() const { return !inert_ && props_.enabled; }
    void SetEnabled(bool enabled);

    std::int32_t ForeColor() const { return inert_ ? 0 : props_.foreColor; }
    void SetForeColor(std::int32_t colour);
    std::int32_t BackColor() const { return inert_ ? 0 : props_.backColor; }
    void SetBackColor(std::int32_t colour);
    int BackStyle() const { return inert_ ? 0 : props_.backStyle; }
    void SetBackStyle(int style);

    const std::string& FontName() const;
    void SetFontName(const std::string& name);
    float FontSize() const { return inert_ ? 0.0F : props_.fontSize; }
    void SetFontSize(float points);
    bool FontBold() const { return !inert_ && props_.fontBold; }
    void SetFontBold(bool bold);
    bool FontUnderline() const { return !inert_ && props_.fontUnderline; }
    void SetFontUnderline(bool underline);

    int Alignment() const { return inert_ ? 0 : props_.alignment; }
    void SetAlignment(int alignment);
    int BorderStyle() const { return inert_ ? 0 : props_.borderStyle; }
    void SetBorderStyle(int style);
    bool AutoSize() const { return !inert_ && props_.autoSize; }
    void SetAutoSize(bool on);
    bool WordWrap() const { return !inert_ && props_.wordWrap; }
    void SetWordWrap(bool on);
    bool UseMnemonic() const { return !inert_ && props_.useMnemonic; }
    void SetUseMnemonic(bool on);

    const std::string& ToolTipText() const;
    void SetToolTipText(const std::string& text);
    const std::string& Tag() const;
    void SetTag(const std::string& tag);
    int TabIndex() const { return inert_ ? 0 : props_.tabIndex; }
    void SetTabIndex(int index);

    // Two-state buttons: setting a different value from code raises the click event
    // before the setter returns. A press by the user (mouse, Space, Alt with the access
    // key, the press action of assistive technology) sets a clear button and clears a set
    // one; the widget itself is a plain push button and never stays down.
    int Value() const { return inert_ ? 0 : props_.value; }
    void SetValue(int value);

    // What assistive technology (a screen reader) reads; plain texts like every other.
    // An empty name gives the default: a button's caption without "&" and without the
    // blanks at either end, a label's text read as one paragraph per blank-line-separated
    // block, a text box's title (SetLabelFor). An empty description gives the tool tip.
    const std::string& AccessibleName() const;
    void SetAccessibleName(const std::string& name);
    const std::string& AccessibleDescription() const;
    void SetAccessibleDescription(const std::string& description);
    // A decorative control is left out of what assistive technology sees: a shadow copy
    // of a text, an ornament. Pictures start decorative.
    bool Decorative() const { return !inert_ && props_.decorative; }
    void SetDecorative(bool on);
    // Labels: live text is read as read-only text under its own fixed name (set one),
    // reachable by Tab, and every change of the caption is announced.
    bool LiveText() const { return !inert_ && props_.liveText; }
    void SetLiveText(bool on);
    // Live labels: once the handler running now returns, assistive technology is told this
    // text instead of the label's new text (also when the text did not change): a result
    // with its meaning, an expression with its operators as words.
    void Announce(const std::string& text);
    // The name assistive technology reads for the control (see SetAccessibleName).
    std::string HeardName() const;
    // Labels: this label is the title of the text box `field`, which takes its name from
    // the label's caption, now and after every change, with a labelled-by relation.
    // Both must exist in a loaded window; made again after a reload.
    void SetLabelFor(Control& field);

    // Timers: milliseconds between ticks; 0 means no ticks. Negative values are refused.
    std::int32_t Interval() const { return inert_ ? 0 : props_.interval; }
    void SetInterval(std::int32_t milliseconds);

    // Pictures: the control takes the picture's size.
    const Bitmap& Picture() const;
    void SetPicture(const Bitmap& picture);

    // 0 brings the control to the front of its window, 1 sends it to the back.
    void ZOrder(int position = 0);
    void SetFocus();
    bool HasFocus() const;

    // Number of property writes that reached this control (hover code writes only on change).
    std::uint64_t WriteCount() const { return writes_; }

    // The control's view on the screen (null for inert elements, unloaded windows and a
    // text box whose view waits for its window's first paint). For the backends.
    ControlView* View() const { return view_; }

  private:
    friend class ControlArray;
    friend class ControlView;
    friend class Form;

    bool Writable();
    // The view that shows the properties now: none while the window's load handler runs
    // (the view takes them all once it has run).
    ControlView* ViewToUpdate() const;
    // A property write: the field takes the value, then the steps that show it run.
    template <typename T>
    void Assign(T ControlProperties::*field, T value,
                std::initializer_list<void (Control::*)()> then);
    void RefitWrapped();
    // Makes the view, or for a text box of a window not yet painted (unless `now`) marks
    // it as waiting: see Form::Load.
    void CreateView(bool now = false);
    void DestroyView();
    void ApplyAll();
    void ApplyGeometry();
    void ApplyFont();
    void ApplyColours();
    void ApplyDisplayText();
    void ApplyTimer();
    void ApplyAccessibility();
    void Refit();
    void FireClick();
    void FireChange();

    ControlArray* array_;
    int index_;
    bool inert_;
    ControlProperties props_;
    ControlView* view_ = nullptr;  // owned until released (see ControlView)
    bool waiting_ = false;         // a text box whose view is made after its window's first paint
    std::uint64_t writes_ = 0;
};

// A named family of like controls told apart by a 0-based index. Element 0 exists when
// the window is created; Load adds a hidden copy of element 0.
class ControlArray {
  public:
    ControlArray(Form& form, std::string name, ControlKind kind);
    ~ControlArray();
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    const std::string& Name() const { return name_; }
    ControlKind Kind() const { return kind_; }
    Form& Parent() const { return *form_; }

    // The element, or an inert stand-in when it does not exist.
    Control& operator[](int index);
    // Element 0, for arrays that stand for a single control (Label1->SetCaption(...)).
    Control* operator->() { return &(*this)[0]; }
    bool Exists(int index) const;
    int Count() const { return static_cast<int>(elements_.size()); }
    int UBound() const;
    std::vector<int> Indexes() const;

    // Creates element `index` as a hidden copy of element 0. False when it exists
    // already, when the index is below 1 or above MaxArrayIndex, or element 0 is gone.
    bool Load(int index);
    // Removes a run-time element (index 1 and above).
    bool Unload(int index);

    // Event handlers; Index is the element's index.
    std::function<void(int Index)> Click;
    std::function<void(int Index)> Change;
    std::function<void(int Index)> Timer;
    std::function<void(int Index, int& KeyAscii)> KeyPress;
    std::function<void(int Index, int Button, int Shift, float X, float Y)> MouseDown;
    std::function<void(int Index, int Button, int Shift, float X, float Y)> MouseUp;
    std::function<void(int Index, int Button, int Shift, float X, float Y)> MouseMove;
    // Help asked for by keyboard on the element: F1, the context-menu key or Shift+F10.
    // Without a handler the window's Form_Help runs.
    std::function<void(int Index)> Help;

  private:
    friend class Form;
    friend class Control;

    void FormLoaded();  // creates the views after the window is loaded
    void FormUnloading(std::vector<std::unique_ptr<Control>>& graveyard);

    Form* form_;
    std::string name_;
    ControlKind kind_;
    std::map<int, std::unique_ptr<Control>> elements_;
    Control inert_;
    ControlProperties design_;  // element 0 as designed, restored on every load
    bool designTaken_ = false;
};

// The kinds, so a window's declaration says what each array holds.
template <ControlKind K>
struct ArrayOf : ControlArray {
    ArrayOf(Form& form, std::string name) : ControlArray(form, std::move(name), K) {}
};
using ButtonArray = ArrayOf<ControlKind::Button>;
using LabelArray = ArrayOf<ControlKind::Label>;
using TextBoxArray = ArrayOf<ControlKind::TextBox>;
using PictureArray = ArrayOf<ControlKind::Picture>;
using TimerArray = ArrayOf<ControlKind::Timer>;

}  // namespace platform
