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
