// ShowMessageDialog lays out the box by the plan of colour_plan_test.cpp: the window
// and buttons for each button code, the text wrapped with its lines set apart, the
// farewell layout, scaling, centring and the gradient.
#include "window/message_dialog.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>

#include "qt_test_main.h"
#include "startup/text_lines.h"
#include "window_fixture.h"

namespace {

using namespace AvcalcMod;
using windowtest::WindowTest;

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
        bool okShown, secondShown;
        std::array<float, 2> buttonLeft;
        const char* second;
        float heightOverText, textLeft;
    } cases[] = {
        {0, "", true, false, {3000, 5500}, "Cancel", 1300, 300},
        {0, FarewellTitle, false, false, {3000, 5500}, "Cancel", 800, 220},
        {2, "Aerodrome Search", true, true, {2400, 3800}, "Skip", 1300, 300},
        {2, "Geometry", true, true, {2400, 3800}, "Cancel", 1300, 300},
        {6, "Help", false, false, {3900, 5500}, "Cancel", 700, 300},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<float, float>> heights;  // of the text and of the window
        action = [&](avbox& box) {
            QTest::qWait(20);  // what waited for the box's first paint
            const float text = box.Label1[0].Height();
            platform::ButtonArray& b = box.buttonplus1;
            EXPECT_EQ(box.Caption(), std::string("   ") + (*c.title ? c.title : TextLine(37)));
            EXPECT_EQ(box.DrawnColourAt(100, 100), 0x00204060) << c.code;
            EXPECT_EQ((std::array{b[0].Visible(), b[1].Visible(), b[2].Visible(), b[3].Visible()}),
                      (std::array{c.okShown, c.secondShown, false, false}))
                << c.code;
            if (c.okShown) {
                EXPECT_EQ((std::array{b[0].Left(), b[1].Left(), b[0].Top()}),
                          (std::array{c.buttonLeft[0], c.buttonLeft[1], 100 + text + 200}))
                    << c.code;
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

}  // namespace

AVC_QT_TEST_MAIN()
