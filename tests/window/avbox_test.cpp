// The box window's own behaviour: every way of closing it and the DialogResult it
// leaves, the hover underline, the animation tick.
#include <gtest/gtest.h>

#include <QTest>

#include "window/message_dialog.h"
#include "window_fixture.h"

namespace {

using namespace AvcalcMod;
using windowtest::WindowTest;

enum class Way {
    ClickOk,
    EnterOnOk,
    ClickSecond,
    EnterOnSecond,
    EscOnButton,
    EscOnBox,
    FrameClose,
    ClickText,
    ClickShadow,
    ClickBackground
};

void Act(avbox& box, Way way) {
    QWidget* window = box.NativeWidget();
    switch (way) {
        case Way::ClickOk:
            QTest::mouseClick(box.buttonplus1[0].NativeWidget(), Qt::LeftButton);
            break;
        case Way::ClickSecond:
            QTest::mouseClick(box.buttonplus1[1].NativeWidget(), Qt::LeftButton);
            break;
        case Way::EnterOnOk:
        case Way::EnterOnSecond: {
            platform::Control& button = box.buttonplus1[way == Way::EnterOnOk ? 0 : 1];
            button.SetFocus();
            QTest::keyClick(button.NativeWidget(), Qt::Key_Return);
            break;
        }
        case Way::EscOnButton:
            box.buttonplus1[0].SetFocus();
            QTest::keyClick(box.buttonplus1[0].NativeWidget(), Qt::Key_Escape);
            break;
        case Way::EscOnBox:
            QTest::keyClick(window, Qt::Key_Escape);
            break;
        case Way::FrameClose:
            window->close();
            break;
        case Way::ClickText:
            QTest::mouseClick(box.Label1[0].NativeWidget(), Qt::LeftButton, {}, QPoint(5, 5));
            break;
        case Way::ClickShadow:
            QTest::mouseClick(box.Label1[1].NativeWidget(), Qt::LeftButton, {}, QPoint(5, 5));
            break;
        case Way::ClickBackground:
            QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(2, window->height() - 2));
            break;
    }
}

struct CloseCase {
    const char* name;
    std::int32_t code;
    Way way;
    std::int32_t result;
    bool byButton;  // ClosedByButton afterwards
};
class Closing : public WindowTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(Closing, EveryWayOutLeavesItsResult) {
    const CloseCase& c = GetParam();
    action = [&](avbox& box) { Act(box, c.way); };
    DialogResult = 0;
    ShowMessageDialog("Keep this aerodrome?", "Closing", c.code);
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(leftOpen) << "the box did not close";
    EXPECT_FALSE(TheBox().IsLoaded());
    EXPECT_EQ(CurrentForm, nullptr);
    EXPECT_EQ(DialogResult, c.result);
    EXPECT_EQ(TheBox().ClosedByButton(), c.byButton);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(ended, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Closing,
    ::testing::Values(CloseCase{"OkClick", 2, Way::ClickOk, 1, true},
                      CloseCase{"OkAloneClick", 0, Way::ClickOk, 1, true},
                      CloseCase{"EnterOnOk", 2, Way::EnterOnOk, 1, true},
                      CloseCase{"SecondClick", 2, Way::ClickSecond, 2, true},
                      CloseCase{"EnterOnSecond", 2, Way::EnterOnSecond, 2, true},
                      CloseCase{"EscOnButton", 2, Way::EscOnButton, 2, false},
                      CloseCase{"EscOnHelpBox", 6, Way::EscOnBox, 2, false},
                      CloseCase{"FrameClose", 2, Way::FrameClose, 2, false},
                      CloseCase{"TextClick", 6, Way::ClickText, 2, false},
                      CloseCase{"ShadowClick", 0, Way::ClickShadow, 2, false},
                      CloseCase{"BackgroundClick", 6, Way::ClickBackground, 2, false}),
    [](const ::testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST_F(WindowTest, HoverUnderlinesAButtonUntilTheMouseIsOverTheBox) {
    bool okAfterMove = false, secondAfterMove = true, bothAfterSecond = false, anyAfterBox = true;
    action = [&](avbox& box) {
        box.buttonplus1.MouseMove(0, 0, 0, 10, 10);
        okAfterMove = box.buttonplus1[0].FontUnderline();
        secondAfterMove = box.buttonplus1[1].FontUnderline();
        // Moving over another button does not clear the first: only the box does.
        box.buttonplus1.MouseMove(1, 0, 0, 10, 10);
        bothAfterSecond = box.buttonplus1[0].FontUnderline() && box.buttonplus1[1].FontUnderline();
        box.Form_MouseMove(0, 0, 45, 45);
        anyAfterBox = box.buttonplus1[0].FontUnderline() || box.buttonplus1[1].FontUnderline();
        UnloadForm(&box);
    };
    ShowMessageDialog("Hover", "Hovering", 2);
    EXPECT_TRUE(okAfterMove);
    EXPECT_FALSE(secondAfterMove);
    EXPECT_TRUE(bothAfterSecond);
    EXPECT_FALSE(anyAfterBox);
}

TEST_F(WindowTest, TimerTickShowsTheNextFrameOfTheFarewellBox) {
    int frameBefore = -1, frameAfter = -1;
    bool nextVisible = false;
    action = [&](avbox& box) {
        frameBefore = AnimationFrame[2];
        box.Timer1.Timer(0);
        frameAfter = AnimationFrame[2];
        nextVisible = box.Image3[frameAfter].Visible();
        UnloadForm(&box);  // Esc would do; the tick is what is tested
    };
    ShowMessageDialog("Farewell", FarewellTitle, 0);
    EXPECT_EQ(frameBefore, 0);
    EXPECT_EQ(frameAfter, 1);
    EXPECT_TRUE(nextVisible);
}

}  // namespace
