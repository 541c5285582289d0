#include "window/message_dialog.h"

#include "platform/services.h"
#include "startup/avcalc_mod.h"
#include "startup/text_lines.h"
#include "toolkit/animation.h"
#include "toolkit/skin.h"
#include "window/avbox.h"

namespace AvcalcMod {

void ShowMessageDialog(const std::string& text, const std::string& title, std::int32_t buttons) {
    avbox& box = TheBox();
    // Every message starts from a freshly loaded box (DialogResult 2, no leftovers of the
    // last message): each box unloads itself when it closes, and a box still open when
    // another is asked for is closed first, unanswered.
    static std::uint64_t calls = 0;
    const std::uint64_t call = ++calls;
    if (box.IsLoaded()) UnloadForm(&box);
    box.Load();
    CurrentForm = &box;
    ResetMousePointer();
    LoadControls(211);

    const std::string shownTitle = DialogTitle(title, TextLine(Line::DefaultDialogTitle));
    box.Move(DialogLeft, DialogTop, DialogWidth, 0.0F);
    box.SetCaption(DialogCaption(shownTitle));

    const bool tahoma = TahomaRuleApplies(shownTitle, TextLine(Line::FontRuleTitle));
    platform::Control& ok = box.buttonplus1[0];
    platform::Control& second = box.buttonplus1[1];
    ok.Move(3900.0F, DialogButtonTop, DialogButtonWidth, DialogButtonHeight);
    ok.SetCaption("OK");
    if (tahoma) ok.SetFontName(FaceName);
    second.Move(5500.0F, DialogButtonTop, DialogButtonWidth, DialogButtonHeight);
    second.SetCaption("Cancel");
    if (tahoma) second.SetFontName(FaceName);
    box.buttonplus1[2].SetVisible(false);
    box.buttonplus1[3].SetCaption("Cancel");
    box.buttonplus1[3].SetVisible(false);

    platform::Control& front = box.Label1[0];
    platform::Control& shadow = box.Label1[1];
    ShowTitle(front, shadow, DialogTextLeft, DialogTextTop, DialogTextWidth, DialogTextHeight, text,
              2);
    // The labels keep their width and take the height their wrapped text needs. Word
    // wrap goes on first: automatic sizing without it would widen each label to the
    // whole text on one line, and a long text would run far out of the box.
    for (platform::Control* label : {&front, &shadow}) {
        label->SetWordWrap(true);
        label->SetAutoSize(true);
        label->SetAlignment(platform::AlignCentre);
        if (tahoma) label->SetFontName(FaceName);
    }

    const bool farewellTitle = buttons == 0 && shownTitle == FarewellTitle;
    const ButtonPlan plan = PlanButtons(buttons, box.Width(), farewellTitle, LayoutMode);
    ok.SetLeft(plan.okLeft);
    second.SetLeft(plan.secondLeft);
    ok.SetTop(plan.buttonTop);
    second.SetTop(plan.buttonTop);
    if (!plan.secondShown) second.SetVisible(false);
    if (!plan.okShown) HideButtons(0, 3, box);

    if (buttons == 2 && SecondButtonSkips(shownTitle, TextLine(Line::QuestionTitle))) {
        second.SetCaption("Skip");
        // The question keeps the size its text has now and is scaled like any control.
        front.SetAutoSize(false);
        shadow.SetAutoSize(false);
    }
    for (platform::Control* label : {&front, &shadow}) {
        if (plan.farewell) {
            label->SetLeft(FarewellTextLeft);
            label->SetAlignment(platform::AlignLeft);
        } else if (buttons == 6) {
            label->SetAutoSize(true);
            label->SetAlignment(platform::AlignCentre);
        }
        if (plan.farewell || buttons == 6) {
            // The font is set before the height: a new font refits the label's height.
            label->SetFontName(FaceName);
            label->SetHeight(label->Height() - plan.textShrink);
        }
    }
    if (plan.farewell) StartAnimation(box, 44, 3, 45, 5, 46, 7, 8, 2);

    box.SetHeight(DialogWindowHeight(front.Height()));
    const float buttonTop = ButtonTopBelowText(front.Top(), front.Height());
    ok.SetTop(buttonTop);
    second.SetTop(buttonTop);

    // A screen reader reads a help text as a dialog's; the question and the farewell are
    // read out as alerts the moment they appear. The keys go to OK when it is shown.
    box.SetWindowRole(buttons == 6 ? platform::WindowRole::Dialog : platform::WindowRole::Alert);
    if (plan.okShown) SafeSetFocus(ok);

    CurrentForm = &box;
    ScaleCurrentForm();
    PaintGradient(3, 17);
    box.ShowModal();
    // Closed by a later message before it was answered: as if closed without a button,
    // whatever that message's answer was.
    if (call != calls) {
        DialogResult = 2;
        box.ForgetAnswer();
    }
}

}  // namespace AvcalcMod
