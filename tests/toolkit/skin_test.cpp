// The shared look procedures on a window offscreen (the arithmetic behind them is in
// colour_plan_test.cpp and dialog_layout_test.cpp).
#include "toolkit/skin.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "qt_test_main.h"
#include "toolkit_fixture.h"

namespace {

using namespace AvcalcMod;
using toolkittest::ToolkitTest;

constexpr std::int32_t Rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

// The code's digits: kind, array, last index.
TEST_F(ToolkitTest, LoadControlsPicksTheArrayFromTheDigits) {
    const struct {
        std::int32_t code;
        std::string array;
        int count;
    } cases[] = {
        {1119, "buttonplus1", 21}, {1217, "buttonplus2", 18}, {138, "buttonplus3", 9},
        {227, "Label2", 8},        {211, "Label1", 2},        {393, "Text1", 4},
        {4112, "Image1", 13},      {14, "none", 1},           {5119, "none", 1},
        {-113, "none", 1},         {11, "buttonplus1", 2},
    };
    for (const auto& c : cases) {
        form.Unload();
        form.Load();
        LoadControls(c.code);
        if (c.code == 1119) LoadControls(1119);  // past the last index already: one more
        for (platform::ControlArray* array : form.Arrays())
            EXPECT_EQ(array->Count(), array->Name() == c.array ? c.count : 1)
                << c.code << " " << array->Name();
    }
    LoadControls(41);  // a picture comes in front
    EXPECT_EQ(form.NativeWidget()->children().last(), form.Image1[1].NativeWidget());
}

// A light caption over a black shadow 18 right and 15 down; style 1 not bold, style 2
// 7 points, others 8 points bold; an "&" is shown as itself.
TEST_F(ToolkitTest, ShowTitleLaysALightCaptionOverABlackShadow) {
    LoadControls(227);
    platform::Control& front = form.Label2[1];
    platform::Control& shadow = form.Label2[5];
    for (auto [style, size, bold] :
         {std::tuple{1, 8.0F, false}, std::tuple{2, 7.0F, true}, std::tuple{0, 8.0F, true}}) {
        ShowTitle(front, shadow, 7400, 1560, 2700, 320, "Wind & speed", style);
        EXPECT_EQ((std::array{shadow.Left(), shadow.Top(), shadow.Width()}),
                  (std::array{7418.0F, 1575.0F, 2700.0F}));
        EXPECT_EQ((std::array{front.ForeColor(), shadow.ForeColor()}), (std::array{16318463, 0}));
        EXPECT_EQ((std::tuple{shadow.Caption(), shadow.FontSize(), shadow.FontBold()}),
                  (std::tuple{std::string("Wind & speed"), size, bold}))
            << style;
        EXPECT_FALSE(front.UseMnemonic());
    }
}

TEST_F(ToolkitTest, ScaleCurrentFormScalesWindowControlsAndFontsThenCentres) {
    form.Move(800, 1800, 10400, 4350);
    form.Label2->Move(7400, 945, 2700, 320);
    form.Label2->SetFontSize(8.0F);
    form.Image3->Move(7800, 800, 1000, 500);
    form.Image3->SetFontSize(9.0F);
    ScaleCurrentForm();
    // 1.28 x; centred: (15360 - 13312) \ 2 = 1024, (11070 - 5568) \ 2 = 2751.
    EXPECT_EQ((std::array{form.Left(), form.Top(), form.Width(), form.Height()}),
              (std::array{1024.0F, 2751.0F, 13312.0F, 5568.0F}));
    EXPECT_EQ(form.Label2->FontSize(), 10.24F);
    EXPECT_EQ(form.Label2->Left(), 7400.0F * 1.28F);
    EXPECT_EQ(form.Image3->Height(), 500.0F * 1.28F);
    EXPECT_EQ(form.Image3->FontSize(), 9.0F);  // pictures have no font to scale
}

TEST_F(ToolkitTest, PaintGradientDrawsItsPlanInOneOfTheFourStyles) {
    form.Move(0, 0, 900, 600);
    ColourTable[5] = Rgb(0, 100, 200);
    ColourTable[6] = Rgb(60, 100, 250);
    form.SetRecordDrawing(true);
    PaintGradient(5, 6);
    const auto& drawn = form.DrawnItems();
    // Styles 0 and 1: sqrt(2) x sqrt(900^2 + 600^2) = 1529.7 steps; 2: 600; 3: 900.
    EXPECT_TRUE(drawn.size() == 1531 || drawn.size() == 601 || drawn.size() == 901) << drawn.size();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back().colour, Rgb(60, 100, 250));
    EXPECT_EQ(ColourTable[5], Rgb(0, 100, 200));  // the table keeps its colours
    EXPECT_NE(form.DrawnColourAt(450, 300), -1);  // the background is painted
}

// The gradient goes straight into the image's rows; every pixel must be the one the
// painter gives when the planned lines are drawn one by one, at the main window's size
// and a box's size, in every style.
TEST_F(ToolkitTest, GradientPixelsAreThoseOfTheLinesDrawnOneByOne) {
    for (auto [width, height] : {std::pair{13312.0F, 5568.0F}, std::pair{8960.0F, 3200.0F}}) {
        form.Unload();  // a fresh drawing surface of this size
        form.Load();
        for (int style = 0; style <= 3; ++style) {
            form.Move(0, 0, width, height);
            form.SetRecordDrawing(true);
            PaintGradientStyle(3, 4, style);
            const platform::Bitmap fast = form.DrawnImage();
            ASSERT_FALSE(fast.Empty());
            QImage reference(fast.width, fast.height, QImage::Format_ARGB32_Premultiplied);
            reference.fill(Qt::transparent);
            for (const platform::DrawItem& line : form.DrawnItems()) {
                QPainter painter(&reference);
                painter.setRenderHint(QPainter::Antialiasing, false);
                const int v = line.colour;
                painter.setPen(QPen(QColor(v & 255, (v >> 8) & 255, (v >> 16) & 255), 0));
                painter.drawLine(QPointF(line.x1 / 15.0, line.y1 / 15.0),
                                 QPointF(line.x2 / 15.0, line.y2 / 15.0));
            }
            std::size_t differing = 0;
            for (int y = 0; y < fast.height; ++y)
                for (int x = 0; x < fast.width; ++x)
                    differing +=
                        reference.pixel(x, y) != fast.pixels[std::size_t(y * fast.width + x)];
            EXPECT_EQ(differing, 0U)
                << "style " << style << " " << fast.width << "x" << fast.height;
            form.SetRecordDrawing(false);
        }
    }
}

}  // namespace

AVC_QT_TEST_MAIN()
