// The shared look procedures on a window offscreen.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <set>

#include "qt_test_main.h"
#include "toolkit/colour_plan.h"
#include "toolkit/skin.h"
#include "toolkit_fixture.h"

namespace {

using namespace AvcalcMod;
using toolkittest::ToolkitTest;

constexpr std::int32_t Rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

TEST(SplitColour, SetsComponentsAndClearsTheArgument) {
    const struct {
        std::int32_t colour, red, green, blue;
    } cases[] = {{16318463, 255, 255, 248}, {Rgb(1, 2, 3), 1, 2, 3}, {-2147483633, 0, 0, 0}, {-65535, 0, 0, 0}};
    for (const auto& c : cases) {
        ResetGlobals();
        ColourRed = ColourGreen = ColourBlue = 77;
        std::int32_t colour = c.colour;
        SplitColour(colour);
        EXPECT_EQ((std::array{ColourRed, ColourGreen, ColourBlue}), (std::array{c.red, c.green, c.blue})) << c.colour;
        EXPECT_EQ(colour, 0);
    }
    EXPECT_EQ(ColourValue(300, -4, 20), Rgb(255, 0, 20));
}

TEST_F(ToolkitTest, LoadControlsGrowsToTheLastIndexAllVisible) {
    LoadControls(1119);
    ASSERT_EQ(form.buttonplus1.Count(), 20);
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(form.buttonplus1[i].Visible()) << i;
    // Past the last index already: exactly one more element.
    LoadControls(1119);
    EXPECT_EQ(form.buttonplus1.Count(), 21);
    EXPECT_TRUE(form.buttonplus1.Exists(20));
}

struct LoadCase {
    std::int32_t code;
    const char* array;
    int count;
};
class LoadControlsCodes : public ToolkitTest, public ::testing::WithParamInterface<LoadCase> {};
TEST_P(LoadControlsCodes, PicksTheArrayFromTheDigits) {
    LoadControls(GetParam().code);
    int total = 0;
    for (platform::ControlArray* array : form.Arrays()) {
        const int expected = std::string(array->Name()) == GetParam().array ? GetParam().count : 1;
        EXPECT_EQ(array->Count(), expected) << array->Name();
        total += array->Count();
    }
    EXPECT_GT(total, 0);
}
INSTANTIATE_TEST_SUITE_P(Codes, LoadControlsCodes,
                         ::testing::Values(LoadCase{1217, "buttonplus2", 18}, LoadCase{138, "buttonplus3", 9},
                                           LoadCase{227, "Label2", 8}, LoadCase{211, "Label1", 2},
                                           LoadCase{393, "Text1", 4},  // the array digit is unused
                                           LoadCase{4112, "Image1", 13}, LoadCase{14, "none", 1},  // no such array
                                           LoadCase{5119, "none", 1}, LoadCase{-113, "none", 1},
                                           LoadCase{11, "buttonplus1", 2}));  // last index 0: one more

TEST_F(ToolkitTest, LoadControlsBringsPicturesToTheFront) {
    LoadControls(41);
    QWidget* picture = form.Image1[1].NativeWidget();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(form.NativeWidget()->children().last(), picture);
}

TEST_F(ToolkitTest, LoadControlsWithoutCurrentFormDoesNothing) {
    CurrentForm = nullptr;
    LoadControls(1119);
    EXPECT_EQ(form.buttonplus1.Count(), 1);
}

TEST_F(ToolkitTest, StyleFormSetsCanvasAndEveryKind) {
    LoadControls(113);
    form.buttonplus1[2].SetFontBold(true);
    form.buttonplus2->SetForeColor(5);
    form.Label2->SetFontBold(true);
    form.Image3->SetForeColor(77);
    StyleForm(form);
    EXPECT_EQ((std::array{form.Left(), form.Top(), form.Width(), form.Height()}),
              (std::array{0.0F, 0.0F, 12000.0F, 8550.0F}));
    EXPECT_EQ(form.BackColor(), 16318463);
    EXPECT_EQ(form.FontName(), "Tahoma");
    EXPECT_EQ(form.BorderStyle(), 1);  // fixed single for the main window
    for (int i = 0; i < 4; ++i) {
        const platform::Control& b = form.buttonplus1[i];
        EXPECT_EQ(b.FontName(), "Tahoma");
        EXPECT_EQ(b.FontSize(), 7.0F);
        EXPECT_EQ(b.BackColor(), ColourTable[28]);
        EXPECT_EQ(b.ForeColor(), Rgb(0, 0, 96));
        EXPECT_FALSE(b.FontBold());
    }
    EXPECT_EQ(form.buttonplus2->ForeColor(), Rgb(0, 64, 0));
    EXPECT_EQ(form.buttonplus3->ForeColor(), Rgb(153, 0, 0));
    EXPECT_EQ(form.Text1->ForeColor(), Rgb(0, 0, 96));
    EXPECT_EQ(form.Text1->BackColor(), 16318463);
    EXPECT_EQ(form.Label2->FontName(), "Tahoma");
    EXPECT_FALSE(form.Label2->FontBold());
    EXPECT_EQ(form.Image3->ForeColor(), 77);  // pictures are left alone
    toolkittest::ToolkitForm other("avbox");
    StyleForm(other);
    EXPECT_EQ(other.BorderStyle(), 2);
}

struct TitleCase {
    int style;
    float size;
    bool bold;
};
class ShowTitleStyles : public ToolkitTest, public ::testing::WithParamInterface<TitleCase> {};
TEST_P(ShowTitleStyles, LaysLightCaptionOverBlackShadow) {
    LoadControls(227);
    platform::Control& front = form.Label2[1];
    platform::Control& shadow = form.Label2[5];
    ShowTitle(front, shadow, 7400, 1560, 2700, 320, "Wind & speed", GetParam().style);
    EXPECT_EQ((std::array{front.Left(), front.Top(), front.Width(), front.Height()}),
              (std::array{7400.0F, 1560.0F, 2700.0F, 320.0F}));
    EXPECT_EQ((std::array{shadow.Left(), shadow.Top(), shadow.Width(), shadow.Height()}),
              (std::array{7418.0F, 1575.0F, 2700.0F, 320.0F}));
    EXPECT_EQ(front.ForeColor(), 16318463);
    EXPECT_EQ(shadow.ForeColor(), 0);
    for (const platform::Control* label : {&front, &shadow}) {
        EXPECT_EQ(label->Caption(), "Wind & speed");
        EXPECT_EQ(label->FontSize(), GetParam().size);
        EXPECT_EQ(label->FontBold(), GetParam().bold);
        EXPECT_EQ(label->BackStyle(), 0);
        EXPECT_EQ(label->Alignment(), platform::AlignCentre);
        EXPECT_FALSE(label->UseMnemonic());
    }
    EXPECT_EQ(static_cast<QLabel*>(front.NativeWidget())->text(), "Wind & speed");
}
INSTANTIATE_TEST_SUITE_P(Styles, ShowTitleStyles,
                         ::testing::Values(TitleCase{1, 8.0F, false}, TitleCase{2, 7.0F, true},
                                           TitleCase{0, 8.0F, true}, TitleCase{3, 8.0F, true}));

TEST_F(ToolkitTest, SetTitleCaptionPicksTheArray) {
    LoadControls(227);
    LoadControls(211);
    SetTitleCaption(2, 1, 5, "Course");
    EXPECT_EQ(form.Label2[1].Caption(), "Course");
    EXPECT_EQ(form.Label2[5].Caption(), "Course");
    SetTitleCaption(1, 0, 1, "Text");
    EXPECT_EQ(form.Label1[1].Caption(), "Text");
    SetTitleCaption(3, 0, 1, "nothing");
    EXPECT_EQ(form.Label1[0].Caption(), "Text");
    EXPECT_EQ(form.Label2[0].Caption(), "");
}

TEST_F(ToolkitTest, ScaleCurrentFormScalesWindowControlsAndFontsOnly) {
    form.Move(800, 1800, 10400, 4350);
    form.Label2->Move(7400, 945, 2700, 320);
    form.Label2->SetFontSize(8.0F);
    form.Image3->Move(7800, 800, 1000, 500);
    form.Image3->SetFontSize(9.0F);
    form.Timer1->SetInterval(60);
    ScaleCurrentForm();
    EXPECT_EQ(form.Width(), 13312.0F);
    EXPECT_EQ(form.Height(), 5568.0F);
    // Centred: (15360 - 13312) \ 2 = 1024, (11070 - 5568) \ 2 = 2751.
    EXPECT_EQ(form.Left(), 1024.0F);
    EXPECT_EQ(form.Top(), 2751.0F);
    EXPECT_EQ(form.Label2->FontSize(), 10.24F);
    EXPECT_EQ(form.Label2->Left(), 7400.0F * 1.28F);
    EXPECT_EQ(form.Label2->Width(), 2700.0F * 1.28F);
    EXPECT_EQ(form.Image3->Left(), 7800.0F * 1.28F);
    EXPECT_EQ(form.Image3->Height(), 500.0F * 1.28F);
    EXPECT_EQ(form.Image3->FontSize(), 9.0F);  // pictures have no font to scale
    EXPECT_EQ(form.Timer1->Interval(), 60);
}

struct CentreCase {
    float width, height, left, top;
};
class CentreFormCases : public ToolkitTest, public ::testing::WithParamInterface<CentreCase> {};
TEST_P(CentreFormCases, CentresInTheWorkAreaSize) {
    WorkAreaWidth = 12000;
    WorkAreaHeight = 8550;
    form.Move(77, 88, GetParam().width, GetParam().height);
    CentreForm(form);
    EXPECT_EQ(form.Left(), GetParam().left);
    EXPECT_EQ(form.Top(), GetParam().top);
}
INSTANTIATE_TEST_SUITE_P(Cases, CentreFormCases,
                         ::testing::Values(CentreCase{10000, 5000, 1000, 1775},     // 3550 \ 2
                                           CentreCase{13312, 9001, -656, -225},     // larger than the area
                                           CentreCase{11999, 8549, 0, 0},           // 1 \ 2 = 0
                                           CentreCase{12000.5F, 8550, 0, 0}));      // -0.5 rounds to 0

TEST_F(ToolkitTest, CentreFormStopsAtItsFirstFailure) {
    form.Move(77, 88, 3.0e10F, 1000);
    CentreForm(form);
    EXPECT_EQ(form.Left(), 77.0F);
    EXPECT_EQ(form.Top(), 88.0F);  // the top was not reached
}

class PaintGradientStyles : public ToolkitTest, public ::testing::WithParamInterface<int> {};
TEST_P(PaintGradientStyles, DrawsThePlannedLines) {
    const int style = GetParam();
    form.Move(0, 0, 3000, 1500);
    ColourTable[5] = Rgb(0, 100, 200);
    ColourTable[6] = Rgb(60, 100, 250);
    form.SetRecordDrawing(true);
    PaintGradientStyle(5, 6, style);
    const auto& drawn = form.DrawnItems();
    const std::int32_t w = 3000, h = 1500;
    const std::size_t expected = style == 2 ? h + 1 : style == 3 ? w + 1 : 4743 + 1;  // sqrt(2)*sqrt(w^2+h^2)=4743.4
    ASSERT_EQ(drawn.size(), expected);
    const double n = static_cast<double>(expected - 1);
    // First line one step past the start; last one step past the end (blue 250 + 50/n).
    EXPECT_EQ(drawn.front().colour, Rgb(qRound(60 / n), 100, qRound(200 + 50 / n)));
    EXPECT_EQ(drawn.back().colour, Rgb(60, 100, 250));
    EXPECT_EQ(ColourTable[5], Rgb(0, 100, 200));  // the table keeps its colours
    const platform::DrawItem& last = drawn.back();
    switch (style) {
        case 0: EXPECT_EQ((std::array{last.x1, last.y1, last.x2, last.y2}), (std::array{4743.0F, 0.0F, 0.0F, 4743.0F})); break;
        case 1: EXPECT_EQ((std::array{last.x1, last.y1, last.x2, last.y2}), (std::array{-1743.0F, 0.0F, 3000.0F, 4743.0F})); break;
        case 2: EXPECT_EQ((std::array{last.x1, last.y1, last.x2, last.y2}), (std::array{0.0F, 1500.0F, 3000.0F, 1500.0F})); break;
        default: EXPECT_EQ((std::array{last.x1, last.y1, last.x2, last.y2}), (std::array{3000.0F, 0.0F, 3000.0F, 1500.0F})); break;
    }
    EXPECT_NE(form.DrawnColourAt(1500, 700), -1);  // the background is painted
}
INSTANTIATE_TEST_SUITE_P(Styles, PaintGradientStyles, ::testing::Values(0, 1, 2, 3));

// The gradient goes straight into the image's rows; every pixel must be the one the
// painter gives when the planned lines are drawn one by one, at the main window's size
// and a box's size, in every style.
struct GradientCase {
    int style;
    float width, height;  // twips, scaled
};
class GradientPixels : public ToolkitTest, public ::testing::WithParamInterface<GradientCase> {};
TEST_P(GradientPixels, AreThoseOfTheLinesDrawnOneByOne) {
    const GradientCase c = GetParam();
    form.Move(0, 0, c.width, c.height);
    form.SetRecordDrawing(true);
    PaintGradientStyle(3, 4, c.style);
    const platform::Bitmap fast = form.DrawnImage();
    ASSERT_FALSE(fast.Empty());

    QImage reference(fast.width, fast.height, QImage::Format_ARGB32_Premultiplied);
    reference.fill(Qt::transparent);
    for (const platform::DrawItem& line : form.DrawnItems()) {
        QPainter painter(&reference);
        painter.setRenderHint(QPainter::Antialiasing, false);
        const int v = line.colour;
        painter.setPen(QPen(QColor(v & 255, (v >> 8) & 255, (v >> 16) & 255), 0));
        painter.drawLine(QPointF(line.x1 / 15.0, line.y1 / 15.0), QPointF(line.x2 / 15.0, line.y2 / 15.0));
    }
    std::size_t differing = 0;
    for (int y = 0; y < fast.height; ++y)
        for (int x = 0; x < fast.width; ++x)
            if (reference.pixel(x, y) != fast.pixels[static_cast<std::size_t>(y * fast.width + x)]) ++differing;
    EXPECT_EQ(differing, 0U) << "style " << c.style << " " << fast.width << "x" << fast.height;
}
INSTANTIATE_TEST_SUITE_P(MainWindowAndBox, GradientPixels,
                         ::testing::Values(GradientCase{0, 13312, 5568}, GradientCase{1, 13312, 5568},
                                           GradientCase{2, 13312, 5568}, GradientCase{3, 13312, 5568},
                                           GradientCase{0, 8960, 3200}, GradientCase{1, 8960, 3200},
                                           GradientCase{2, 8960, 3200}, GradientCase{3, 8960, 3200}));

TEST_F(ToolkitTest, PaintGradientClampsComponents) {
    form.Move(0, 0, 10, 600);
    ColourTable[7] = Rgb(240, 10, 0);
    ColourTable[8] = Rgb(255, 0, 0);
    form.SetRecordDrawing(true);
    PaintGradientStyle(7, 8, 3);  // 10 steps: red +1.5, green -1 per line
    const auto& drawn = form.DrawnItems();
    ASSERT_EQ(drawn.size(), 11U);
    EXPECT_EQ(drawn[0].colour, Rgb(242, 9, 0));   // 241.5 rounds to the even 242
    EXPECT_EQ(drawn[9].colour, Rgb(255, 0, 0));   // exactly the end colour
    EXPECT_EQ(drawn[10].colour, Rgb(255, 0, 0));  // red 256.5 drawn as 255, green -1 held at 0
}

TEST_F(ToolkitTest, PaintGradientWithNoStepsDrawsOneLineInTheStartColour) {
    form.Move(0, 0, 600, 0);
    ColourTable[9] = Rgb(1, 2, 3);
    ColourTable[10] = Rgb(200, 200, 200);
    form.SetRecordDrawing(true);
    PaintGradientStyle(9, 10, 2);
    ASSERT_EQ(form.DrawnItems().size(), 1U);
    EXPECT_EQ(form.DrawnItems()[0].colour, Rgb(1, 2, 3));
}

TEST_F(ToolkitTest, PaintGradientPicksOneOfTheFourStyles) {
    form.Move(0, 0, 900, 600);
    form.SetRecordDrawing(true);
    PaintGradient(3, 4);
    const std::set<std::size_t> counts = {1531, 601, 901};  // styles 0 and 1: sqrt(2)*sqrt(900^2+600^2)=1529.7
    EXPECT_EQ(counts.count(form.DrawnItems().size()), 1U) << form.DrawnItems().size();
}

TEST_F(ToolkitTest, FrameControlDrawsABlackBoxBesideTheControl) {
    form.Move(0, 0, 6000, 4000);
    form.SetBackColor(Rgb(255, 255, 255));
    form.buttonplus2->Move(1500, 900, 1500, 350);
    form.SetRecordDrawing(true);
    FrameControl(form.buttonplus2[0], 30);
    ASSERT_EQ(form.DrawnItems().size(), 1U);
    const platform::DrawItem& box = form.DrawnItems()[0];
    EXPECT_TRUE(box.box);
    EXPECT_EQ((std::array{box.x1, box.y1, box.x2, box.y2}), (std::array{1530.0F, 930.0F, 3060.0F, 1310.0F}));
    EXPECT_EQ(box.colour, 0);
    EXPECT_EQ(form.DrawnColourAt(3045, 1000), 0);  // the edge right of the control
    FrameControl(form.buttonplus2[4], 30);         // missing: passed over
    EXPECT_EQ(form.DrawnItems().size(), 1U);
}

TEST_F(ToolkitTest, HoverWritesTheFlagOnlyWhenItChanges) {
    LoadControls(113);
    UnderlineCaption(form.buttonplus1[2]);
    EXPECT_TRUE(form.buttonplus1[2].FontUnderline());
    EXPECT_TRUE(static_cast<QPushButton*>(form.buttonplus1[2].NativeWidget())->font().underline());
    const auto writes2 = form.buttonplus1[2].WriteCount();
    UnderlineCaption(form.buttonplus1[2]);
    EXPECT_EQ(form.buttonplus1[2].WriteCount(), writes2);
    const auto writes1 = form.buttonplus1[1].WriteCount();
    ClearUnderlines(form);
    EXPECT_FALSE(form.buttonplus1[2].FontUnderline());
    EXPECT_EQ(form.buttonplus1[2].WriteCount(), writes2 + 1);
    EXPECT_EQ(form.buttonplus1[1].WriteCount(), writes1);  // was off: not written
    form.Label2->SetFontUnderline(true);
    ClearUnderlines(form);
    EXPECT_TRUE(form.Label2->FontUnderline());  // only buttons lose it
}

TEST_F(ToolkitTest, HideButtonsHidesTheRangeAndPassesOverMissing) {
    LoadControls(113);
    HideButtons(1, 9, form);
    EXPECT_TRUE(form.buttonplus1[0].Visible());
    for (int i = 1; i < 4; ++i) EXPECT_FALSE(form.buttonplus1[i].Visible());
    EXPECT_EQ(form.buttonplus1.Count(), 4);
}

TEST_F(ToolkitTest, UnloadFormUnloadsAndClearsCurrentForm) {
    LoadControls(113);
    UnloadForm(&form);
    EXPECT_EQ(CurrentForm, nullptr);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.queries, 1);
    EXPECT_EQ(form.buttonplus1.Count(), 1);
}

}  // namespace

AVC_QT_TEST_MAIN()
