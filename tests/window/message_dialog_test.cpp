// ShowMessageDialog lays out the box by the plan of dialog_layout_test.cpp: the window
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

struct Seen {
    std::string caption, second;
    float height = 0, textHeight = 0, buttonTop = 0, textLeft = 0;
    int frames = 0;  // pictures of the animation
    std::int32_t painted = 0;
    std::array<bool, 4> shown{};
    std::array<float, 2> buttonLeft{};
};

// Code 0: OK alone, centred (with the farewell title no button, the text 220 from the
// left and 500 shorter, the animation); 2: OK and Cancel, or Skip for the question; 6: no
// button, the text 600 shorter. The gradient between two entries of the same colour
// paints that colour, and the table keeps it for the next box. (The size and place on the
// screen: window_manager.sh.)
TEST_F(WindowTest, EachCodeGetsItsButtonsBelowTheWrappedText) {
    ColourTable[3] = ColourTable[17] = 0x00204060;
    Seen s;
    action = [&s](avbox& box) {
        QTest::qWait(20);  // what waited for the box's first paint
        s = {box.Caption(), box.buttonplus1[1].Caption(), box.Height(), box.Label1[0].Height(),
             box.buttonplus1[0].Top()};
        s.painted = box.DrawnColourAt(100, 100);
        for (int b = 0; b < 4; ++b) s.shown[b] = box.buttonplus1[b].Visible();
        s.buttonLeft = {box.buttonplus1[0].Left(), box.buttonplus1[1].Left()};
        s.textLeft = box.Label1[0].Left();
        s.frames = box.Timer1->Enabled() && box.Timer1->Interval() > 0 ? box.Image3.Count() : 0;
        UnloadForm(&box);
    };
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
        ShowMessageDialog("Fuel on board?", c.title, c.code);
        const Seen one = s;
        ShowMessageDialog(LongText, c.title, c.code);
        const Seen wrapped = s;
        // A line of the 7-point bold text takes 1.2 times its glyphs' height (15 twips a
        // pixel), measured once the first window has loaded the face.
        QFont font(QStringLiteral("Tahoma"));
        font.setPointSizeF(7);
        font.setBold(true);
        const float leading = 1.2F * static_cast<float>(QFontMetricsF(font).height()) * 15;
        for (const Seen* seen : {&one, &wrapped}) {
            EXPECT_EQ(seen->caption, std::string("   ") + (*c.title ? c.title : TextLine(37)));
            EXPECT_EQ(seen->painted, 0x00204060) << c.code;
            EXPECT_EQ(seen->shown, (std::array{c.okShown, c.secondShown, false, false})) << c.code;
            if (c.okShown) {
                EXPECT_EQ(seen->buttonLeft, c.buttonLeft) << c.code;
                EXPECT_EQ(seen->buttonTop, 100 + seen->textHeight + 200) << c.code;
            }
            EXPECT_EQ(seen->second, c.second) << c.title;
            EXPECT_EQ(seen->height - seen->textHeight, c.heightOverText) << c.code;
            EXPECT_EQ(seen->textLeft, c.textLeft) << c.title;
            // Only the farewell box shows its animation (m8.gif, several frames).
            EXPECT_EQ(seen->frames > 1, std::string_view(c.title) == FarewellTitle) << c.title;
        }
        EXPECT_GE(one.textHeight, leading) << c.code;
        EXPECT_GE(wrapped.textHeight, 3 * one.textHeight) << c.code;
        EXPECT_EQ(wrapped.height - one.height, wrapped.textHeight - one.textHeight) << c.code;
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
