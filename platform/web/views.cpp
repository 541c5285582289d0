// The browser build's views: each window an element of the page at its place, each
// control a real element at its designed pixel position (buttons <button>, text boxes
// <input> named by their titles, labels text, pictures and the background canvases), made
// and changed through page.js (Desk). Texts cross as UTF-8.
#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/text_codec.h"
#include "platform/view.h"
#include "platform/web/page.h"

// clang-format off
EM_JS(int, desk_new_form, (), { return Desk.newForm(); });
EM_JS(void, desk_form_geometry, (int id, int x, int y, int w, int h),
      { Desk.formGeometry(id, x, y, w, h); });
EM_JS(void, desk_form_look, (int id, const char* caption, const char* role, const char* description,
                             const char* back, const char* font),
      { Desk.formLook(id, UTF8ToString(caption), UTF8ToString(role), UTF8ToString(description),
                      UTF8ToString(back), UTF8ToString(font)); });
EM_JS(void, desk_form_paint, (int id, const void* pixels, int w, int h),
      { Desk.formPaint(id, pixels, w, h); });
EM_JS(void, desk_form_show, (int id, int modal), { Desk.formShow(id, !!modal); });
EM_JS(void, desk_form_hide, (int id), { Desk.formHide(id); });
EM_JS(int, desk_form_shown, (int id), { return Desk.formShown(id); });
EM_JS(void, desk_form_remove, (int id), { Desk.formRemove(id); });
EM_JS(void, desk_tab_order, (int form, const int* ids, int n), { Desk.tabOrder(form, ids, n); });
EM_JS(void, desk_reading_order, (int form, const int* ids, int n), { Desk.readingOrder(form, ids, n); });
EM_JS(int, desk_new_control, (int form, int kind), { return Desk.newControl(form, kind); });
EM_JS(void, desk_remove, (int id), { Desk.remove(id); });
EM_JS(void, desk_geometry, (int id, int x, int y, int w, int h), { Desk.geometry(id, x, y, w, h); });
EM_JS(void, desk_font, (int id, const char* font, int underline, int lineHeight),
      { Desk.font(id, UTF8ToString(font), underline, lineHeight); });
EM_JS(void, desk_colours, (int id, const char* fore, const char* back, int opaque, int border,
                           const char* greyed),
      { Desk.colours(id, UTF8ToString(fore), UTF8ToString(back), opaque, border,
                     UTF8ToString(greyed)); });
EM_JS(void, desk_button, (int id, const char* caption, int n),
      { Desk.button(id, UTF8ToString(caption, n)); });
EM_JS(void, desk_label, (int id, const char* text, int n, double wrapWidth, const char* align),
      { Desk.label(id, UTF8ToString(text, n), wrapWidth, UTF8ToString(align)); });
EM_JS(void, desk_value, (int id, const char* text, int n, const char* align),
      { Desk.value(id, UTF8ToString(text, n), UTF8ToString(align)); });
EM_JS(void, desk_picture, (int id, const void* pixels, int w, int h),
      { Desk.picture(id, pixels, w, h); });
EM_JS(void, desk_visible, (int id, int on), { Desk.visible(id, on); });
EM_JS(void, desk_enabled, (int id, int on), { Desk.enabled(id, on); });
EM_JS(void, desk_tool_tip, (int id, const char* text), { Desk.toolTip(id, UTF8ToString(text)); });
EM_JS(void, desk_access, (int id, const char* name, const char* description, int decorative,
                          int live),
      { Desk.access(id, UTF8ToString(name), UTF8ToString(description), decorative, live); });
EM_JS(int, desk_title, (int label, int field), { return Desk.title(label, field); });
EM_JS(void, desk_raise, (int id, int front), { Desk.raise(id, front); });
EM_JS(void, desk_focus, (int id), { Desk.focus(id); });
EM_JS(int, desk_has_focus, (int id), { return Desk.hasFocus(id); });
EM_JS(void, desk_announce, (int id, const char* text), { Desk.announce(id, UTF8ToString(text)); });
EM_JS(int, desk_read, (int id, char* out, int cap), { return Desk.read(id, out, cap); });
EM_JS(void, desk_type, (int id, const char* text), { Desk.type(id, UTF8ToString(text)); });
EM_JS(void, desk_measure, (const char* font, const char* text, int n, double wrapWidth, double* out),
      { Desk.measure(UTF8ToString(font), UTF8ToString(text, n), wrapWidth, out); });
// clang-format on

namespace platform {

namespace {

// Tahoma's typographic ascent and descent (units of its 2048-unit em), rounded to whole
// pixels as the desktop's font engine rounds them: a line of text is as high here as
// there, whatever the browser's own rounding.
constexpr double TahomaAscent = 1566.0 / 2048.0;
constexpr double TahomaDescent = 423.0 / 2048.0;

double PixelSize(float points) {
    return std::round((points > 0.0F ? points : 8.0F) * 96.0 / 72.0);
}
// The height of one line of text (ascent and descent).
double TextHeight(float points) {
    const double px = PixelSize(points);
    return std::ceil(px * TahomaAscent) + std::round(px * TahomaDescent);
}
// Wrapped lines stand 1.2 times the text's height apart, as on the desktop.
double WrappedLineHeight(float points) {
    return std::round(1.2 * TextHeight(points));
}

std::string FontCss(const std::string& name, float points, bool bold) {
    char size[32];
    std::snprintf(size, sizeof size, "%.3fpt", static_cast<double>(points > 0.0F ? points : 8.0F));
    return std::string(bold ? "bold " : "") + size + " \"" + ToUtf8(name) + "\", sans-serif";
}

std::string ColourCss(std::int32_t colour, std::int32_t fallback) {
    if (colour < 0) colour = fallback;  // a system colour
    char css[32];
    std::snprintf(css, sizeof css, "rgb(%d,%d,%d)", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return css;
}

// Halfway from the caption's colour to the face's: a button that cannot be pressed.
std::string GreyedCss(std::int32_t fore, std::int32_t back) {
    if (fore < 0) fore = 0;
    if (back < 0) back = 0xF0F0F0;
    const auto half = [&](int shift) {
        return (((fore >> shift) & 0xFF) + ((back >> shift) & 0xFF)) / 2;
    };
    return ColourCss(half(0) | (half(8) << 8) | (half(16) << 16), 0);
}

const char* AlignCss(int alignment) {
    return alignment == AlignRight ? "right" : alignment == AlignCentre ? "center" : "left";
}

std::string FromPage(int id) {
    std::string text(256, '\0');
    int needed = desk_read(id, text.data(), static_cast<int>(text.size()));
    if (needed >= static_cast<int>(text.size())) {
        text.resize(static_cast<std::size_t>(needed) + 1);
        needed = desk_read(id, text.data(), static_cast<int>(text.size()));
    }
    text.resize(static_cast<std::size_t>(std::max(0, needed)));
    return FromUtf8(text);
}

// A key's code from the page in the program's code page: the control codes as they are,
// a typed character by its place in the code page ("?" outside it).
int CodeFromPage(int code) {
    return code < 32 ? code : CodeOf(static_cast<char32_t>(code));
}

class WebControlView;
class WebFormView;

std::map<int, WebControlView*>& ControlViews() {
    static std::map<int, WebControlView*> views;
    return views;
}
std::map<int, WebFormView*>& FormViews() {
    static std::map<int, WebFormView*> views;
    return views;
}
std::set<WebFormView*>& Unpainted() {
    static std::set<WebFormView*> forms;
    return forms;
}
// Views let go of, deleted once no handler that may still use them runs.
std::vector<std::unique_ptr<ControlView>>& ReleasedControls() {
    static std::vector<std::unique_ptr<ControlView>> views;
    return views;
}
std::vector<std::unique_ptr<FormView>>& ReleasedForms() {
    static std::vector<std::unique_ptr<FormView>> views;
    return views;
}

class WebControlView : public ControlView {
  public:
    WebControlView(Control& control, int form) : ControlView(control) {
        static constexpr int Kinds[] = {1, 2, 3, 4, 0};  // button, label, text box, picture
        kind_ = control.Kind();
        if (kind_ == ControlKind::Timer) {
            timer_ = web::AddTimer([this] { ReportTimerTick(); });
        } else {
            id_ = desk_new_control(form, Kinds[static_cast<int>(kind_)]);
            ControlViews()[id_] = this;
        }
    }

    void ApplyGeometry() override {
        if (id_ == 0) return;
        const ControlProperties& p = Props();
        desk_geometry(id_, ToPixels(p.left, true), ToPixels(p.top, false), ToPixels(p.width, true),
                      ToPixels(p.height, false));
    }
    void ApplyFont() override {
        if (id_ == 0) return;
        const ControlProperties& p = Props();
        const double lineHeight = kind_ != ControlKind::Label ? 0
                                  : p.wordWrap                ? WrappedLineHeight(p.fontSize)
                                                              : TextHeight(p.fontSize);
        desk_font(id_, FontCss(p.fontName, p.fontSize, p.fontBold).c_str(), p.fontUnderline,
                  static_cast<int>(lineHeight));
        if (kind_ == ControlKind::Label && p.wordWrap) ApplyText();  // wrapped anew
    }
    void ApplyColours() override {
        if (id_ == 0) return;
        const ControlProperties& p = Props();
        const bool opaque = kind_ == ControlKind::Button || kind_ == ControlKind::TextBox ||
                            (kind_ == ControlKind::Label && p.backStyle != 0);
        desk_colours(id_, ColourCss(p.foreColor, 0).c_str(),
                     ColourCss(p.backColor, 0xF0F0F0).c_str(), opaque, p.borderStyle != 0,
                     GreyedCss(p.foreColor, p.backColor).c_str());
    }
    void ApplyText() override {
        if (id_ == 0) return;
        const ControlProperties& p = Props();
        switch (kind_) {
            case ControlKind::Button: {
                const std::string caption = ToUtf8(p.useMnemonic ? p.caption : Escaped(p.caption));
                desk_button(id_, caption.data(), static_cast<int>(caption.size()));
                break;
            }
            case ControlKind::Label: {
                const std::string text = ToUtf8(ShownCaption(p));
                const double border = p.borderStyle != 0 ? 2.0 : 0.0;
                const double wrap =
                    p.wordWrap ? std::max(1.0, ToPixels(p.width, true) - 2 * border) : -1.0;
                desk_label(id_, text.data(), static_cast<int>(text.size()), wrap,
                           AlignCss(p.alignment));
                break;
            }
            case ControlKind::TextBox: {
                const std::string text = ToUtf8(p.text);
                desk_value(id_, text.data(), static_cast<int>(text.size()), AlignCss(p.alignment));
                break;
            }
            case ControlKind::Picture:
                desk_picture(id_, p.picture.pixels.data(), p.picture.width, p.picture.height);
                break;
            case ControlKind::Timer:
                break;
        }
    }
    void ApplyVisible() override {
        if (id_ != 0) desk_visible(id_, Props().visible);
    }
    void ApplyEnabled() override {
        if (id_ != 0) desk_enabled(id_, Props().enabled);
    }
    void ApplyToolTip() override {
        if (id_ != 0) desk_tool_tip(id_, ToUtf8(Props().toolTipText).c_str());
    }
    void ApplyAccessibility() override {
        if (id_ == 0) return;
        const ControlProperties& p = Props();
        desk_access(id_, ToUtf8(TheControl()->HeardName()).c_str(),
                    ToUtf8(p.accessibleDescription).c_str(), p.decorative,
                    kind_ == ControlKind::Label && p.liveText);
    }
    void ApplyTimer(bool running) override {
        if (timer_ != 0) web::SetTimer(timer_, running ? Props().interval : 0);
    }
    bool TitleField(ControlView& field) override {
        const int fieldId = static_cast<WebControlView&>(field).id_;
        return id_ != 0 && fieldId != 0 && desk_title(id_, fieldId) != 0;
    }
    void Raise(bool front) override {
        if (id_ != 0) desk_raise(id_, front);
    }
    void Focus() override {
        if (id_ != 0) desk_focus(id_);
    }
    bool HasFocus() const override { return id_ != 0 && desk_has_focus(id_) != 0; }
    bool TakesFocus() const override {
        return kind_ == ControlKind::Button || kind_ == ControlKind::TextBox ||
               (kind_ == ControlKind::Label && TheControl() != nullptr && Props().liveText);
    }
    void Announce(const std::string& text) override {
        if (id_ != 0) desk_announce(id_, ToUtf8(text).c_str());
    }
    void Release() override {
        Forget();
        if (timer_ != 0) web::RemoveTimer(timer_);
        if (id_ != 0) {
            desk_remove(id_);
            ControlViews().erase(id_);
        }
        ReleasedControls().emplace_back(this);
    }

    int Id() const { return id_; }

    void Handle(const web::Event& event) {
        switch (event.kind) {
            case web::Event::Press:
                ReportPress();
                break;
            case web::Event::Key:
                Key(CodeFromPage(event.a));
                break;
            case web::Event::KeySeen: {
                int code = CodeFromPage(event.a);
                ReportKey(code);
                break;
            }
            case web::Event::Edit:
                ReportEdit(FromPage(id_));
                break;
            case web::Event::Mouse:
                ReportMouse(static_cast<MouseAction>(event.a), event.b, event.c, event.d, event.e);
                break;
            case web::Event::Help:
                ReportHelp();
                break;
            default:
                break;
        }
    }

  private:
    // A caption shown as it is: every "&" doubled for the page's access-key marks.
    static std::string Escaped(const std::string& caption) {
        std::string out;
        for (char c : caption) {
            out.push_back(c);
            if (c == '&') out.push_back('&');
        }
        return out;
    }

    // A key on the control: the KeyPress handler first; what it leaves of the key then
    // does what the key does on a desktop control (Space presses a button, a character
    // goes into a text box at its caret, Backspace takes one out).
    void Key(int code) {
        const int original = code;
        const bool handled = ReportKey(code);
        if (TheControl() == nullptr || code == 0) return;
        if (handled && code != original && kind_ != ControlKind::TextBox) return;
        if (kind_ == ControlKind::Button && code == ' ') {
            ReportPress();
        } else if (kind_ == ControlKind::TextBox && (code == 8 || code >= 32)) {
            desk_type(id_,
                      code == 8 ? "\b" : ToUtf8(std::string(1, static_cast<char>(code))).c_str());
            ReportEdit(FromPage(id_));
        }
    }

    ControlKind kind_;
    int id_ = 0;
    int timer_ = 0;
};

class WebFormView : public FormView {
  public:
    explicit WebFormView(Form& form) : FormView(form), id_(desk_new_form()) {
        FormViews()[id_] = this;
    }

    std::unique_ptr<ControlView> CreateControl(Control& control) override {
        return std::make_unique<WebControlView>(control, id_);
    }
    void ApplyGeometry() override {
        const Form& f = *TheForm();
        desk_form_geometry(id_, ToPixels(f.Left(), true), ToPixels(f.Top(), false),
                           std::max(1, ToPixels(f.Width(), true)),
                           std::max(1, ToPixels(f.Height(), false)));
    }
    void ApplyLook() override {
        const Form& f = *TheForm();
        static constexpr const char* Roles[] = {"main", "dialog", "alertdialog"};
        desk_form_look(id_, ToUtf8(f.Caption()).c_str(), Roles[static_cast<int>(f.Role())],
                       ToUtf8(f.AccessibleDescription()).c_str(),
                       ColourCss(f.BackColor(), 0xF0F0F0).c_str(),
                       FontCss(f.FontName(), f.FontSize(), f.FontBold()).c_str());
    }
    void ApplyTabOrder(const std::vector<ControlView*>& order) override {
        std::vector<int> ids;
        for (const Control* control : TheForm()->Controls())
            if (const auto* view = static_cast<const WebControlView*>(control->View()))
                ids.push_back(view->Id());
        desk_reading_order(id_, ids.data(), static_cast<int>(ids.size()));
        ids.clear();
        for (ControlView* view : order) ids.push_back(static_cast<WebControlView*>(view)->Id());
        desk_tab_order(id_, ids.data(), static_cast<int>(ids.size()));
    }
    void Show(bool modal) override {
        ApplyLook();  // the role may have been set since the window was loaded
        Paint();
        desk_form_show(id_, modal);
    }
    void Hide() override { desk_form_hide(id_); }
    bool Shown() const override { return desk_form_shown(id_) != 0; }
    void Repaint() override { Unpainted().insert(this); }
    void Release(bool) override {
        Forget();
        desk_form_remove(id_);
        FormViews().erase(id_);
        Unpainted().erase(this);
        ReleasedForms().emplace_back(this);
    }

    // The background as drawn, onto the page.
    void Paint() {
        Unpainted().erase(this);
        const Form* f = TheForm();
        if (f == nullptr || f->CanvasPixels() == nullptr) return;
        desk_form_paint(id_, f->CanvasPixels(), f->CanvasWidth(), f->CanvasHeight());
    }

    void Handle(const web::Event& event) {
        switch (event.kind) {
            case web::Event::Key:
                ReportKey(CodeFromPage(event.a));
                break;
            case web::Event::Help:
                ReportHelp();
                break;
            case web::Event::Mouse:
                ReportMouse(static_cast<MouseAction>(event.a), event.b, event.c, event.d, event.e,
                            event.f != 0);
                break;
            case web::Event::AccessKey:
                ReportAccessKey(static_cast<char>(CodeFromPage(event.a)));
                break;
            case web::Event::Painted:
                ReportPainted();
                break;
            default:
                break;
        }
    }

  private:
    int id_;
};

}  // namespace

std::unique_ptr<FormView> CreateFormView(Form& form) {
    return std::make_unique<WebFormView>(form);
}

TextExtent MeasureText(const ControlProperties& p, const std::string& text, double wrapWidth) {
    const std::string utf8 = ToUtf8(text);
    double out[2] = {};
    desk_measure(FontCss(p.fontName, p.fontSize, p.fontBold).c_str(), utf8.data(),
                 static_cast<int>(utf8.size()), wrapWidth, out);
    const double lineHeight =
        wrapWidth >= 0 ? WrappedLineHeight(p.fontSize) : TextHeight(p.fontSize);
    return {out[0], out[1] * lineHeight};
}

namespace web {

void Dispatch(const Event& event) {
    if (auto control = ControlViews().find(event.target); control != ControlViews().end())
        control->second->Handle(event);
    else if (auto form = FormViews().find(event.target); form != FormViews().end())
        form->second->Handle(event);
}

void FlushPaint() {
    for (WebFormView* form : std::vector<WebFormView*>(Unpainted().begin(), Unpainted().end()))
        form->Paint();
}

void DeleteReleased() {
    ReleasedControls().clear();
    ReleasedForms().clear();
}

}  // namespace web

}  // namespace platform
