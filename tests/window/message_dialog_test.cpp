// The message box: ShowMessageDialog lays it out by the plan of colour_plan_test.cpp (the
// window and buttons for each button code, the text wrapped with its lines set apart, the
// farewell layout, scaling, centring and the gradient), and every way of closing it.
#include "window/message_dialog.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>

#include "qt_test_main.h"
#include "startup/builtin_texts.h"
#include "startup/text_lines.h"
#include "window/avbox.h"
#include "window/shutdown.h"

namespace {

using namespace AvcalcMod;

// Globals as start-up leaves them, the built-in texts plus the data-file lines the box
// uses, and hooks that let a test see the box, the web page opened and the end of the
// program instead of a browser and an exit.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetShutDown();
        ScaleFactor = 1.0F;  // geometry read back on the design canvas; one test scales
        WorkAreaWidth = 15360;
        WorkAreaHeight = 11070;
        TwipsPerPixelX = TwipsPerPixelY = 15;
        FontNames[5] = "Tahoma";
        LayoutMode = 2;
        WriteBuiltInTexts();
        TextLines[37] = TextLines[265] = "Quenmar Aviation Calculator";
        TextLines[309] = "Aerodrome Search";
        // Each box is seen, then handled by the test's action; one the action left open
        // would wait for ever, so it is closed and the test told.
        platform::SetModalHook([this](platform::Form& form) {
            ++shown;
            if (&form != &TheBox()) return;
            if (action) action(TheBox());
            leftOpen = TheBox().IsLoaded();
            if (leftOpen) UnloadForm(&TheBox());
        });
        SetWebAddressOpener([this](const std::string& address) { opened.push_back(address); });
        SetEndProgramHook([this]() { ++ended; });
    }
    void TearDown() override {
        platform::SetModalHook(nullptr);
        SetWebAddressOpener(nullptr);
        SetEndProgramHook(nullptr);
        for (platform::Form* f : platform::Forms()) f->Unload();
        CurrentForm = nullptr;
    }

    std::function<void(avbox&)> action;
    bool leftOpen = false;
    int shown = 0, ended = 0;
    std::vector<std::string> opened;
};

const std::string LongText =
    "A text far too long for one line of the box: it has to wrap inside the 6400 twips "
    "of its labels, and the window has to grow by exactly the height that the wrapped "
    "text takes, so that nothing of it is cut off and the buttons sit below it.";

// Code 0: OK alone, centred (with the farewell title no button, the text 220 from the
// left and 500 shorter, the animation); 2: OK and Cancel, or Skip for the question; 6: no
// button, the text 600 shorter. The gradient between two entries of the same colour
// paints that colour, and the table keeps it for the next box. (The size and place on the
// screen: window_manager.sh.)
TEST_F(WindowTest, EachCodeGetsItsButtonsBelowTheWrappedText) {
    ColourTable[3] = ColourTable[17] = 0x00204060;
    const struct {
        std::int32_t code;
        const char* title;
        std::array<float, 2> buttonLeft;  // of OK and the second button; 0: not shown
        const char* second;
        float heightOverText, textLeft;
    } cases[] = {
        {0, "", {3000, 0}, "Cancel", 1300, 300},
        {0, FarewellTitle, {0, 0}, "Cancel", 800, 220},
        {2, "Aerodrome Search", {2400, 3800}, "Skip", 1300, 300},
        {2, "Geometry", {2400, 3800}, "Cancel", 1300, 300},
        {6, "Help", {0, 0}, "Cancel", 700, 300},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<float, float>> heights;  // of the text and of the window
        action = [&](avbox& box) {
            QTest::qWait(20);  // what waited for the box's first paint
            const float text = box.Label1[0].Height();
            platform::ButtonArray& b = box.buttonplus1;
            auto left = [&](int i) { return b[i].Visible() ? b[i].Left() : 0.0F; };
            EXPECT_EQ(box.Caption(), std::string("   ") + (*c.title ? c.title : TextLine(37)));
            EXPECT_EQ(box.DrawnColourAt(100, 100), 0x00204060) << c.code;
            EXPECT_EQ((std::array{left(0), left(1), float(b[2].Visible() + b[3].Visible())}),
                      (std::array{c.buttonLeft[0], c.buttonLeft[1], 0.0F}))
                << c.title;
            if (b[0].Visible()) {
                EXPECT_EQ(b[0].Top(), 100 + text + 200) << c.code;
            }
            EXPECT_EQ(std::tuple(b[1].Caption(), box.Height() - text, box.Label1[0].Left()),
                      std::tuple(c.second, c.heightOverText, c.textLeft))
                << c.title;
            // Only the farewell box shows its animation (m8.gif, several frames).
            const bool animated =
                box.Timer1->Enabled() && box.Timer1->Interval() > 0 && box.Image3.Count() > 1;
            EXPECT_EQ(animated, std::string_view(c.title) == FarewellTitle) << c.title;
            heights.push_back({text, box.Height()});
            UnloadForm(&box);
        };
        ShowMessageDialog("Fuel on board?", c.title, c.code);
        // A line of the 7-point bold text takes 1.2 times its glyphs' height (15 twips a
        // pixel), measured once the first window has loaded the face.
        QFont font(QStringLiteral("Tahoma"));
        font.setPointSizeF(7);
        font.setBold(true);
        const float leading = 1.2F * static_cast<float>(QFontMetricsF(font).height()) * 15;
        ShowMessageDialog(LongText, c.title, c.code);
        ASSERT_EQ(heights.size(), 2U);
        const auto [one, wrapped] = std::pair(heights[0], heights[1]);
        EXPECT_GE(one.first, leading) << c.code;
        EXPECT_GE(wrapped.first, 3 * one.first) << c.code;
        EXPECT_EQ(wrapped.second - one.second, wrapped.first - one.first) << c.code;
    }
}

TEST_F(WindowTest, OddTextsAndCodesDoNotHurt) {
    const std::string nasty = std::string("\0\r\n&&&\xff", 7) + std::string(5000, 'W');
    for (std::int32_t code : {INT32_MIN, -6, 0, 2, 6, 7, INT32_MAX}) {
        ShowMessageDialog(nasty, nasty, code);
        ShowMessageDialog("", "", code);
    }
    EXPECT_EQ(shown, 14);
    EXPECT_FALSE(TheBox().IsLoaded());
    EXPECT_EQ(CurrentForm, nullptr);
}

void Click(platform::Control& control) {
    QTest::mouseClick(NativeWidget(control), Qt::LeftButton, {}, QPoint(5, 5));
}

void KeyOn(platform::Control& control, Qt::Key key) {
    control.SetFocus();
    QTest::keyClick(NativeWidget(control), key);
}

// Every way of closing the box and the DialogResult it leaves: only a button goes on
// (ClosedByButton), so Esc or the close control can end an aerodrome search at once.
// (Esc on a help box: the end-to-end runs close each help box with it.)
TEST_F(WindowTest, EveryWayOutLeavesItsResult) {
    const std::tuple<const char*, std::int32_t, std::int32_t, bool, std::function<void(avbox&)>>
        cases[] = {
            {"OK clicked", 2, 1, true, [](avbox& b) { Click(b.buttonplus1[0]); }},
            {"Enter on OK", 2, 1, true, [](avbox& b) { KeyOn(b.buttonplus1[0], Qt::Key_Return); }},
            {"second clicked", 2, 2, true, [](avbox& b) { Click(b.buttonplus1[1]); }},
            {"Esc on a button", 2, 2, false,
             [](avbox& b) { KeyOn(b.buttonplus1[0], Qt::Key_Escape); }},
            {"the close control", 2, 2, false, [](avbox& b) { NativeWidget(b)->close(); }},
            {"the text clicked", 6, 2, false, [](avbox& b) { Click(b.Label1[0]); }},
            {"the background clicked", 6, 2, false,
             [](avbox& b) {
                 QTest::mouseClick(NativeWidget(b), Qt::LeftButton, {},
                                   QPoint(2, NativeWidget(b)->height() - 2));
             }},
        };
    for (const auto& [name, code, result, byButton, way] : cases) {
        action = way;
        DialogResult = 0;
        ShowMessageDialog("Keep this aerodrome?", "Closing", code);
        EXPECT_FALSE(leftOpen) << name << ": the box did not close";
        EXPECT_EQ(CurrentForm, nullptr) << name;
        EXPECT_EQ(DialogResult, result) << name;
        EXPECT_EQ(TheBox().ClosedByButton(), byButton) << name;
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

AVC_QT_TEST_MAIN()
