#include "toolkit/skin.h"

#include "common/number_forms.h"
#include "common/shared_routines.h"
#include "startup/avcalc_mod.h"

namespace AvcalcMod {

namespace {

// The look of CurrentForm; null when there is none or it has no look of its own.
const LookArrays* CurrentLook() {
    const auto* window = dynamic_cast<const SkinnedForm*>(CurrentForm);
    return window == nullptr ? nullptr : &window->Look();
}

platform::ControlArray* ArrayFor(const LookArrays& look, std::int32_t kind, std::int32_t digit) {
    switch (kind) {
        case 1:
            return digit >= 1 && digit <= 3 ? look.buttons[static_cast<std::size_t>(digit - 1)]
                                            : nullptr;
        case 2:
            return digit >= 1 && digit <= 2 ? look.labels[static_cast<std::size_t>(digit - 1)]
                                            : nullptr;
        case 3:
            return look.fields;  // the group digit is read but not used
        case 4:
            return look.pictures;
        default:
            return nullptr;
    }
}

bool ValidColourIndex(std::int32_t index) {
    return index >= 0 && index <= ColourCount;
}

}  // namespace

void LoadControls(std::int32_t code) {
    const LookArrays* look = CurrentLook();
    if (look == nullptr) return;
    const std::string text = TrimmedStr(code);
    const auto kind = static_cast<std::int32_t>(MidVal(text, 1, 1));
    const auto digit = static_cast<std::int32_t>(MidVal(text, 2, 1));
    const double last = MidVal(text, 3, static_cast<std::int32_t>(text.size()));
    platform::ControlArray* array = ArrayFor(*look, kind, digit);
    if (array == nullptr) return;

    // Each pass creates the element after the last one, so an array already past the
    // last index still gets exactly one more element.
    double counter = 0;
    while (counter <= last) {
        const int next = array->Count();
        counter = next;
        const bool created = array->Load(next);
        platform::Control& element = (*array)[next];
        element.SetVisible(true);
        if (array->Kind() == platform::ControlKind::Picture) element.ZOrder(0);
        counter += 1;
        // A pass that could not create its element would be repeated unchanged for
        // ever (the counter is reset to the element count): stop instead.
        if (!created) break;
    }
}

void StyleForm(platform::Form& window) {
    window.Move(0.0F, 0.0F, DesignCanvasWidth, DesignCanvasHeight);
    window.SetFontName(FontNames[5]);
    window.SetBackColor(LightTextColour);
    window.SetFontBold(false);
    // Asked for; a shown window keeps the frame it was created with.
    window.SetBorderStyle(window.Name() == "avc" ? 1 : 2);

    const LookArrays* look = CurrentLook();
    if (look == nullptr) return;
    // Each group of buttons has its caption colour.
    constexpr std::int32_t groupColours[] = {NavyColour, DarkGreenColour, DarkRedColour};
    for (std::size_t group = 0; group < look->buttons.size(); ++group) {
        if (look->buttons[group] == nullptr) continue;
        for (const int index : look->buttons[group]->Indexes()) {
            platform::Control& button = (*look->buttons[group])[index];
            button.SetFontName(FaceName);
            button.SetBackColor(ColourTable[28]);
            button.SetFontSize(7.0F);
            button.SetForeColor(groupColours[group]);
            button.SetFontBold(false);
        }
    }
    if (look->fields != nullptr) {
        for (const int index : look->fields->Indexes()) {
            platform::Control& field = (*look->fields)[index];
            field.SetForeColor(NavyColour);
            field.SetBackColor(LightTextColour);
            field.SetFontName(FaceName);
            field.SetFontBold(false);
        }
    }
    for (platform::ControlArray* labels : look->labels) {
        if (labels == nullptr) continue;
        for (const int index : labels->Indexes()) {
            (*labels)[index].SetFontName(FaceName);
            (*labels)[index].SetFontBold(false);
        }
    }
}

void StyleLabel(platform::Control& label) {
    label.SetFontSize(8.0F);
    label.SetForeColor(LightTextColour);
    label.SetBackStyle(0);
    label.SetFontBold(true);
    label.SetAlignment(platform::AlignCentre);
    label.SetUseMnemonic(false);
}

void ShowTitle(platform::Control& front, platform::Control& shadow, std::int32_t left,
               std::int32_t top, std::int32_t width, std::int32_t height,
               const std::string& caption, std::int32_t style) {
    StyleLabel(front);
    StyleLabel(shadow);
    front.SetForeColor(LightTextColour);
    front.SetCaption(caption);
    front.Move(static_cast<float>(left), static_cast<float>(top), static_cast<float>(width),
               static_cast<float>(height));
    front.SetAlignment(platform::AlignCentre);
    shadow.SetForeColor(BlackColour);
    shadow.SetCaption(caption);
    shadow.Move(static_cast<float>(left + 18), static_cast<float>(top + 15),
                static_cast<float>(width), static_cast<float>(height));
    shadow.SetAlignment(platform::AlignCentre);
    // The shadow repeats the caption for the eye alone: a screen reader reads it once.
    shadow.SetDecorative(true);
    if (style == 1) {
        front.SetFontBold(false);
        shadow.SetFontBold(false);
    } else if (style == 2) {
        front.SetFontSize(7.0F);
        shadow.SetFontSize(7.0F);
    }
    // Both are transparent; the light caption is kept above its shadow so it reads cleanly.
    front.ZOrder(0);
}

void SetTitleCaption(std::int32_t which, std::int32_t frontIndex, std::int32_t shadowIndex,
                     const std::string& text) {
    const LookArrays* look = CurrentLook();
    if (look == nullptr || which < 1 || which > 2) return;
    platform::ControlArray* labels = look->labels[static_cast<std::size_t>(which - 1)];
    if (labels == nullptr) return;
    (*labels)[frontIndex].SetCaption(text);
    (*labels)[shadowIndex].SetCaption(text);
}

void ScaleCurrentForm() {
    platform::Form* form = CurrentForm;
    if (form == nullptr) return;
    const float s = ScaleFactor;
    // Singles throughout: 10400 x 1.28 and 4350 x 1.28 give exactly 13312 and 5568.
    form->SetWidth(form->Width() * s);
    form->SetHeight(form->Height() * s);
    CentreForm(*form);
    for (platform::Control* c : form->Controls()) {
        switch (c->Kind()) {
            case platform::ControlKind::Button:
            case platform::ControlKind::Label:
            case platform::ControlKind::TextBox:
                c->SetWidth(c->Width() * s);
                c->SetHeight(c->Height() * s);
                c->SetLeft(c->Left() * s);
                c->SetTop(c->Top() * s);
                c->SetFontSize(c->FontSize() * s);
                break;
            case platform::ControlKind::Picture:
                c->SetWidth(c->Width() * s);
                c->SetHeight(c->Height() * s);
                c->SetLeft(c->Left() * s);
                c->SetTop(c->Top() * s);
                break;
            default:
                break;
        }
    }
}

void CentreForm(platform::Form& window) {
    const auto left = CentredPosition(WorkAreaWidth, window.Width());
    if (!left) return;
    window.SetLeft(static_cast<float>(*left));
    const auto top = CentredPosition(WorkAreaHeight, window.Height());
    if (!top) return;
    window.SetTop(static_cast<float>(*top));
}

void PaintGradient(std::int32_t fromIndex, std::int32_t toIndex) {
    Randomize();
    const auto style = RandomBetween(0, 3);
    if (!style) return;
    PaintGradientStyle(fromIndex, toIndex, *style);
}

void PaintGradientStyle(std::int32_t fromIndex, std::int32_t toIndex, std::int32_t style) {
    platform::Form* form = CurrentForm;
    if (form == nullptr) return;
    const auto w = numbers::ToLong(form->ScaleWidth());
    const auto h = numbers::ToLong(form->ScaleHeight());
    if (!w || !h) return;
    // The table entries are split from copies: the splitter clears its argument, and
    // the table must keep its colours for the next window.
    if (ValidColourIndex(fromIndex)) {
        std::int32_t colour = ColourTable[static_cast<std::size_t>(fromIndex)];
        SplitColour(colour);
    }
    const std::int32_t start = ColourValue(ColourRed, ColourGreen, ColourBlue);
    if (ValidColourIndex(toIndex)) {
        std::int32_t colour = ColourTable[static_cast<std::size_t>(toIndex)];
        SplitColour(colour);
    }
    const std::int32_t end = ColourValue(ColourRed, ColourGreen, ColourBlue);
    // Drawn a batch at a time: the pixels are the same as with every line in one batch (a
    // line the next one covers is only passed over within a batch), and no large buffer
    // is filled for one use.
    constexpr std::size_t Batch = 512;
    std::vector<platform::DrawItem> lines;
    lines.reserve(Batch);
    ForEachGradientLine(style, *w, *h, start, end, [&](const GradientLine& line) {
        lines.push_back({false, false, static_cast<float>(line.x1), static_cast<float>(line.y1),
                         static_cast<float>(line.x2), static_cast<float>(line.y2), line.colour});
        if (lines.size() == Batch) {
            form->Lines(lines);
            lines.clear();
        }
    });
    form->Lines(lines);
}

void FrameControl(platform::Control& control, std::int32_t margin) {
    platform::Form* form = CurrentForm;
    if (form == nullptr || !control.Exists()) return;
    const float m = static_cast<float>(margin);
    const float l = control.Left();
    const float t = control.Top();
    form->Box(l + m, t + m, l + control.Width() + 2 * m, t + control.Height() + 2 * m, BlackColour,
              true);
}

void HideButtons(std::int32_t first, std::int32_t last, SkinnedForm& window) {
    platform::ControlArray* buttons = window.Look().buttons[0];
    if (buttons == nullptr) return;
    // Negative indexes never exist; starting at 0 passes over them all at once.
    for (std::int64_t i = first < 0 ? 0 : first; i <= last; ++i) {
        if (i > platform::MaxArrayIndex) break;  // nothing exists beyond
        (*buttons)[static_cast<int>(i)].SetVisible(false);
    }
}

void UnderlineCaption(platform::Control& control) {
    if (!control.FontUnderline()) control.SetFontUnderline(true);
}

void ClearUnderlines(platform::Form& window) {
    for (platform::Control* control : window.Controls()) {
        if (control->Kind() == platform::ControlKind::Button && control->FontUnderline()) {
            control->SetFontUnderline(false);
        }
    }
}

void UnloadForm(platform::Form* window) {
    if (window != nullptr) window->Unload(platform::UnloadFromCode);
    CurrentForm = nullptr;
}

}  // namespace AvcalcMod
