// Every way of closing the box and the DialogResult it leaves: only a button goes on
// (ClosedByButton), so Esc or the close control can end an aerodrome search at once.
// (Esc on a help box: the end-to-end runs close each help box with it.)
#include <gtest/gtest.h>

#include <QTest>

#include "qt_test_main.h"
#include "window/message_dialog.h"
#include "window_fixture.h"

namespace {

using namespace AvcalcMod;
using windowtest::WindowTest;

void Click(platform::Control& control) {
    QTest::mouseClick(NativeWidget(control), Qt::LeftButton, {}, QPoint(5, 5));
}

void KeyOn(platform::Control& control, Qt::Key key) {
    control.SetFocus();
    QTest::keyClick(NativeWidget(control), key);
}

TEST_F(WindowTest, EveryWayOutLeavesItsResult) {
    const struct {
        const char* name;
        std::int32_t code;
        std::function<void(avbox&)> way;
        std::int32_t result;
        bool byButton;
    } cases[] = {
        {"OK clicked", 2, [](avbox& b) { Click(b.buttonplus1[0]); }, 1, true},
        {"Enter on OK", 2, [](avbox& b) { KeyOn(b.buttonplus1[0], Qt::Key_Return); }, 1, true},
        {"second clicked", 2, [](avbox& b) { Click(b.buttonplus1[1]); }, 2, true},
        {"Esc on a button", 2, [](avbox& b) { KeyOn(b.buttonplus1[0], Qt::Key_Escape); }, 2, false},
        {"the close control", 2, [](avbox& b) { NativeWidget(b)->close(); }, 2, false},
        {"the text clicked", 6, [](avbox& b) { Click(b.Label1[0]); }, 2, false},
        {"the background clicked", 6,
         [](avbox& b) {
             QTest::mouseClick(NativeWidget(b), Qt::LeftButton, {},
                               QPoint(2, NativeWidget(b)->height() - 2));
         },
         2, false},
    };
    for (const auto& c : cases) {
        action = c.way;
        DialogResult = 0;
        ShowMessageDialog("Keep this aerodrome?", "Closing", c.code);
        EXPECT_FALSE(leftOpen) << c.name << ": the box did not close";
        EXPECT_EQ(CurrentForm, nullptr) << c.name;
        EXPECT_EQ(DialogResult, c.result) << c.name;
        EXPECT_EQ(TheBox().ClosedByButton(), c.byButton) << c.name;
    }
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(ended, 0);

    // A box asked for while one is open: the open one is closed, unanswered, and the new
    // one starts afresh (two labels, scaled once).
    ScaleFactor = 1.28F;
    float first = 0, second = 0;
    int labels = 0, depth = 0;
    action = [&](avbox& b) {
        if (depth++ == 0) {
            first = b.Height();
            ShowMessageDialog("Keep this aerodrome?", "Closing", 2);
            return;
        }
        second = b.Height();
        labels = b.Label1.Count();
        Click(b.buttonplus1[0]);
    };
    ShowMessageDialog("Keep this aerodrome?", "Closing", 2);
    EXPECT_EQ((std::tuple{labels, second, DialogResult, TheBox().ClosedByButton()}),
              (std::tuple{2, first, 2, false}));
    EXPECT_FALSE(TheBox().IsLoaded());
}

}  // namespace
