// ShowMessageDialog: the box's window and button geometry for each button code, the
// captions, text wrapping, the farewell layout, scaling, centring and the gradient.
#include "window/message_dialog.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>

#include "common/shared_routines.h"
#include "qt_test_main.h"
#include "startup/text_lines.h"
#include "window_fixture.h"

namespace {

using namespace AvcalcMod;
using windowtest::Seen;
using windowtest::WindowTest;

const std::string ShortText = "Fuel on board?";
const std::string LongText =
    "A text far too long for one line of the box: it has to wrap inside the 6400 twips "
    "of its labels, and the window has to grow by exactly the height that the wrapped "
    "text takes, so that nothing of it is cut off and the buttons sit below it.";

Seen ShowAndSee(std::vector<Seen>& seen, const std::string& text, const std::string& title,
                std::int32_t code) {
    ShowMessageDialog(text, title, code);
    return seen.empty() ? Seen{} : seen.back();
}

struct CodeCase {
    std::int32_t code;
    bool okShown;
    float okLeft;
    bool secondShown;
    float secondLeft;
    float heightOverText;  // window height - text label height
};

class DialogCodes : public WindowTest, public ::testing::WithParamInterface<CodeCase> {};

TEST_P(DialogCodes, WindowAndButtonsForShortAndWrappedText) {
    const CodeCase& c = GetParam();
    const Seen one = ShowAndSee(seen, ShortText, "Geometry", c.code);
    const Seen wrapped = ShowAndSee(seen, LongText, "Geometry", c.code);
    ASSERT_EQ(seen.size(), 2U);

    for (const Seen* s : {&one, &wrapped}) {
        EXPECT_TRUE(s->modal);
        EXPECT_EQ(s->caption, "   Geometry");
        // Centred in the 15360-twip work area even at scale 1.
        EXPECT_EQ((std::array{s->left, s->width}),
                  (std::array{static_cast<float>((15360 - 7000) / 2), 7000.0F}));
        EXPECT_EQ(s->button[0].visible, c.okShown);
        EXPECT_EQ(s->button[1].visible, c.secondShown);
        EXPECT_FALSE(s->button[2].visible);
        EXPECT_FALSE(s->button[3].visible);
        EXPECT_EQ(s->button[3].caption, "Cancel");
        const Seen::Element& text = s->label[0];
        EXPECT_EQ((std::array{text.left, text.top, text.width}),
                  (std::array{300.0F, 100.0F, 6400.0F}));
        // The shadow lies 18 right and 15 down, the same size.
        EXPECT_EQ(
            (std::array{s->label[1].left, s->label[1].top, s->label[1].width, s->label[1].height}),
            (std::array{318.0F, 115.0F, 6400.0F, text.height}));
        EXPECT_EQ(text.alignment, platform::AlignCentre);
        EXPECT_EQ(s->height - text.height, c.heightOverText);
        for (int b = 0; b < 2; ++b) {
            if (!s->button[b].visible) continue;
            EXPECT_EQ(s->button[b].left, b == 0 ? c.okLeft : c.secondLeft);
            // 200 twips below the text (text top 100).
            EXPECT_EQ(s->button[b].top, 100.0F + text.height + 200.0F);
            EXPECT_EQ((std::array{s->button[b].width, s->button[b].height}),
                      (std::array{1000.0F, 350.0F}));
        }
    }
    // The long text wraps onto several lines and the window grows by exactly as much.
    EXPECT_GE(wrapped.label[0].height, 3 * one.label[0].height);
    // Lines stand apart: a line of the 7-point bold text takes 1.2 times its glyphs'
    // height (15 twips a pixel here).
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(7);
    font.setBold(true);
    EXPECT_GE(one.label[0].height, 1.2 * QFontMetricsF(font).height() * 15);
    EXPECT_EQ(wrapped.height - one.height, wrapped.label[0].height - one.label[0].height);
    EXPECT_EQ(wrapped.button[0].top - one.button[0].top,
              wrapped.label[0].height - one.label[0].height);
}

INSTANTIATE_TEST_SUITE_P(Codes, DialogCodes,
                         ::testing::Values(CodeCase{0, true, 3000, false, 0, 1300},
                                           CodeCase{2, true, 2400, true, 3800, 1300},
                                           CodeCase{6, false, 0, false, 0, 700},
                                           CodeCase{5, true, 3900, true, 5500, 1300}),
                         [](const ::testing::TestParamInfo<CodeCase>& info) {
                             return "Code" + std::to_string(info.param.code);
                         });

struct CaptionCase {
    const char* title;
    std::int32_t code;
    const char* second;
    bool textKeepsSize;  // automatic sizing off: the text is not refitted later
};
class DialogCaptions : public WindowTest, public ::testing::WithParamInterface<CaptionCase> {};
TEST_P(DialogCaptions, OkAndCancelOrSkip) {
    const CaptionCase& c = GetParam();
    bool autoSize[2] = {};
    action = [&](avbox& box) {
        for (int i = 0; i < 2; ++i) autoSize[i] = box.Label1[i].AutoSize();
    };
    const Seen s = ShowAndSee(seen, ShortText, c.title, c.code);
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(s.button[0].caption, "OK");
    EXPECT_EQ(s.button[1].caption, c.second);
    EXPECT_EQ(autoSize[0], !c.textKeepsSize);
    EXPECT_EQ(autoSize[1], !c.textKeepsSize);
}
INSTANTIATE_TEST_SUITE_P(Titles, DialogCaptions,
                         ::testing::Values(CaptionCase{"Copy the result?", 2, "Skip", true},
                                           CaptionCase{"copy the result?", 2, "Cancel", false},
                                           CaptionCase{"Cop", 2, "Skip",
                                                       true},  // three letters suffice
                                           CaptionCase{"Co", 2, "Cancel", false},
                                           CaptionCase{"Aerodrome Search", 2, "Skip", true},
                                           CaptionCase{"Aerodrome Search?", 2, "Cancel", false},
                                           CaptionCase{"Copy the result?", 5, "Cancel", false}),
                         [](const ::testing::TestParamInfo<CaptionCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });

TEST_F(WindowTest, EmptyTitleShowsLine37) {
    const Seen s = ShowAndSee(seen, ShortText, "", 0);
    EXPECT_EQ(s.caption, "   Quenmar Aviation Calculator");
}

TEST_F(WindowTest, FarewellLayoutAndAnimation) {
    const Seen s = ShowAndSee(seen, JoinLines(178, 194), FarewellTitle, 0);
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(s.caption, "      Learn to Fly!");
    for (int b = 0; b < 4; ++b) EXPECT_FALSE(s.button[b].visible) << b;
    EXPECT_EQ(s.label[0].left, 220.0F);
    EXPECT_EQ(s.label[1].left, 220.0F);
    EXPECT_EQ(s.label[0].alignment, platform::AlignLeft);
    EXPECT_EQ(s.label[1].alignment, platform::AlignLeft);
    // 17 lines of text: far taller than one line; the window is 800 taller than the text.
    EXPECT_GT(s.label[0].height, 2000.0F);
    EXPECT_EQ(s.height - s.label[0].height, 800.0F);
    // m8.gif: its first frame at (4500, 500), more frames, the timer running.
    EXPECT_EQ((std::array{s.picture.left, s.picture.top}), (std::array{4500.0F, 500.0F}));
    EXPECT_GT(s.pictures, 1);
    EXPECT_TRUE(s.timerEnabled);
    EXPECT_GT(s.timerInterval, 0);
}

TEST_F(WindowTest, FarewellTitleWithAnotherCodeIsAnOrdinaryBox) {
    const Seen s = ShowAndSee(seen, ShortText, FarewellTitle, 5);
    EXPECT_TRUE(s.button[0].visible);
    EXPECT_TRUE(s.button[1].visible);
    EXPECT_EQ(s.label[0].left, 300.0F);
    EXPECT_EQ(s.pictures, 1);
    EXPECT_EQ(s.timerInterval, 0);
}

TEST_F(WindowTest, ScaledCentredAndPainted) {
    ScaleFactor = 1.28F;
    ColourTable[3] = 0x00204060;
    ColourTable[17] = 0x00204060;  // both ends alike: every gradient line has this colour
    std::int32_t painted = -2;
    action = [&](avbox& box) { painted = box.DrawnColourAt(100, 100); };
    const Seen s = ShowAndSee(seen, ShortText, "Scaled", 0);
    EXPECT_EQ(s.width, 8960.0F);  // 7000 x 1.28
    EXPECT_EQ(s.left, static_cast<float>((15360 - 8960) / 2));
    EXPECT_EQ(s.top, static_cast<float>((11070 - static_cast<std::int32_t>(s.height + 0.5F)) / 2));
    EXPECT_EQ(s.button[0].left, 3840.0F);  // 3000 x 1.28
    EXPECT_FLOAT_EQ(s.button[0].width, 1280.0F);
    EXPECT_FLOAT_EQ(s.label[0].left, 384.0F);
    EXPECT_EQ(painted, 0x00204060);
}

TEST_F(WindowTest, OddTextsAndCodesDoNotHurt) {
    closeIfLeftOpen = true;
    const std::string nasty = std::string("\0\r\n&&&\xff", 7) + std::string(5000, 'W');
    for (std::int32_t code : {INT32_MIN, -6, 0, 2, 6, 7, INT32_MAX}) {
        ShowMessageDialog(nasty, nasty, code);
        ShowMessageDialog("", "", code);
    }
    EXPECT_EQ(seen.size(), 14U);
    EXPECT_FALSE(TheBox().IsLoaded());
    EXPECT_EQ(CurrentForm, nullptr);
    EXPECT_EQ(DialogResult, 2);
}

}  // namespace

AVC_QT_TEST_MAIN()
