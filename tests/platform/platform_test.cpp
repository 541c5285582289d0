// The runtime's rules that the windows rely on, offscreen, and decoding the first image
// of a GIF in memory, and what bad data gives: giflib (the desktop) and the program's own
// decoder (the browser build) alike.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "gif_test_data.h"
#include "platform/form.h"
#include "platform/gif_decode.h"
#include "platform/line_raster.h"
#include "platform/qt/text.h"
#include "platform/services.h"
#include "qt_test_main.h"
#include "toolkit/gif_frames.h"

namespace {

class TestForm : public platform::Form {
  public:
    TestForm() : Form("testform") {
        buttonplus1.Click = [this](int Index) {
            clicks.push_back({Index, buttonplus1[Index].Value()});
            if (buttonplus1[Index].Value() == 1) buttonplus1[Index].SetValue(0);
        };
        buttonplus1.MouseUp = [this](int, int Button, int, float X, float) {
            mouseUps.push_back(Button);
            lastX = X;
        };
        buttonplus1.Help = [this](int Index) {
            helps.push_back("button " + std::to_string(Index));
        };
    }

    platform::ButtonArray buttonplus1{*this, "buttonplus1"};
    platform::LabelArray Label1{*this, "Label1"};
    platform::TextBoxArray Text1{*this, "Text1"};
    platform::TimerArray Timer1{*this, "Timer1"};

    void Form_MouseUp(int Button, int, float, float) override { formMouseUps.push_back(Button); }
    void Form_MouseMove(int, int, float, float) override { ++formMoves; }
    void Form_Help() override { helps.push_back("window"); }

    int formMoves = 0;
    std::vector<int> mouseUps, formMouseUps;
    std::vector<std::pair<int, int>> clicks;
    std::vector<std::string> helps;
    float lastX = 0;
};

// A test window, shown and active at the start of the test and unloaded at its end.
class ShownForm : public ::testing::Test {
  protected:
    void SetUp() override {
        form.Show();
        NativeWidget(form)->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(NativeWidget(form)));
    }
    void TearDown() override { form.Unload(); }
    TestForm form;
};

// The line rule against the painter itself: random lines of every slope, short ones,
// lines through and far beyond a small image, horizontal, vertical and 45 degrees.
TEST(LineRaster, GivesThePaintersPixels) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-30.0, 60.0);
    const int w = 37, h = 23;
    int differing = 0;
    for (int k = 0; k < 4000; ++k) {
        double x1 = coordinate(random), y1 = coordinate(random);
        double x2 = coordinate(random), y2 = coordinate(random);
        if (k % 5 == 1) y2 = y1;
        if (k % 5 == 2) x2 = x1;
        if (k % 5 == 3) y2 = y1 + (x2 - x1) * (k % 2 == 0 ? 1 : -1);
        if (k % 5 == 4) x2 = x1 + (x2 - x1) / 20, y2 = y1 + (y2 - y1) / 20;
        QImage painted(w, h, QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        QImage walked = painted.copy();
        QPainter painter(&painted);  // not antialiased
        painter.setPen(QPen(Qt::black, 0));
        painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        painter.end();
        platform::WalkLine(platform::PlanLine(x1, y1, x2, y2, w, h), w, h,
                           [&walked](int x, int y) { walked.setPixel(x, y, qRgb(0, 0, 0)); });
        if (painted != walked && ++differing <= 3)
            ADD_FAILURE() << "(" << x1 << ", " << y1 << ") to (" << x2 << ", " << y2 << ")";
    }
    EXPECT_EQ(differing, 0);
}

TEST(TextCodec, RoundTripsTheCodePageAndMarksOthers) {
    std::string all;
    for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
    EXPECT_EQ(platform::FromUnicode(platform::ToUnicode(all)), all);
    EXPECT_EQ(platform::ToUnicode("\x80\xAE"), QString::fromUtf8("\u20AC\u00AE"));
    EXPECT_EQ(platform::FromUnicode(QString::fromUtf8("a\u4E2Db\U0001F600c")), "a?b?c");
}

// A new element is a hidden copy of element 0; a missing one takes settings without
// effect. (Gone when the window unloads: the toolkit's UnloadForm row; design restored on
// unload: the boxes in a row of message_dialog_test.cpp.)
TEST(Form, RunTimeElements) {
    TestForm form;
    form.Label1->SetCaption("designed");
    form.Show();
    ASSERT_TRUE(form.Label1.Load(1));
    EXPECT_EQ((std::pair{form.Label1[1].Caption(), form.Label1[1].Visible()}),
              (std::pair{std::string("designed"), false}));
    EXPECT_FALSE(form.Label1.Load(1) || form.Label1.Load(platform::MaxArrayIndex + 1));
    form.Text1[7].SetText("ignored");
    EXPECT_EQ(form.Text1[7].Text(), "");
    form.Unload();
}

// Setting the value runs the click before the setter returns; the handler's clearing
// clicks again. However the button is pressed, that happens once and it stays up. (The
// press action, one to a push button: the end-to-end runs' audit and every press they make.)
TEST_F(ShownForm, EveryWayOfPressingClicksOnceAndLeavesTheButtonUp) {
    auto* button = static_cast<QPushButton*>(NativeWidget(form.buttonplus1[0]));
    const std::vector<std::pair<int, int>> once = {{0, 1}, {0, 0}};
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"value set", [&] { form.buttonplus1->SetValue(1); }},
        {"mouse", [&] { QTest::mouseClick(button, Qt::LeftButton); }},
        {"space", [&] { QTest::keyClick(button, Qt::Key_Space); }},
    };
    for (const auto& [way, press] : ways) {
        form.clicks.clear();
        press();
        EXPECT_TRUE(QTest::qWaitFor([&] { return form.clicks.size() == 2; })) << way;
        EXPECT_EQ(form.clicks, once) << way;
        EXPECT_FALSE(button->isCheckable() || button->isDown()) << way;
    }
}

// F1 on a key or on a control without a handler, and the context-menu key on a button:
// the end-to-end runs.
TEST_F(ShownForm, HelpKeysReachTheControlsHandlerOrElseTheWindows) {
    auto contextMenuKey = [](QWidget* w) {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                w->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(w, &event);
    };
    QWidget* button = NativeWidget(form.buttonplus1[0]);
    const std::tuple<const char*, std::function<void()>, const char*> cases[] = {
        {"Shift+F10", [&] { QTest::keyClick(button, Qt::Key_F10, Qt::ShiftModifier); }, "button 0"},
        {"menu key on the window", [&] { contextMenuKey(NativeWidget(form)); }, "window"},
        {"F10 alone", [&] { QTest::keyClick(button, Qt::Key_F10); }, ""},
        {"a right click", [&] { QTest::mouseClick(button, Qt::RightButton); }, ""},
    };
    for (const auto& [what, ask, help] : cases) {
        form.helps.clear();
        ask();
        EXPECT_EQ(form.helps, std::vector<std::string>(*help ? 1 : 0, help)) << what;
    }
}

// A right click on a button is the button's (button 2, in twips), does not press it and
// does not reach the window background (which would open a second help box); nor does a
// move over it (which would take the hover underline off at once).
TEST_F(ShownForm, MouseEventsBelongToTheControlUnderThem) {
    form.buttonplus1->Move(600, 600, 1200, 600);
    QWidget* window = NativeWidget(form);
    QWidget* button = NativeWidget(form.buttonplus1[0]);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &move);
    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(4, 6));
    EXPECT_EQ(form.mouseUps, std::vector<int>{platform::RightButton});
    EXPECT_FLOAT_EQ(form.lastX, 4 * platform::TwipsPerPixelX());
    EXPECT_TRUE(form.clicks.empty() && form.formMouseUps.empty() && form.formMoves == 0);
    QTest::mouseClick(window, Qt::RightButton, {}, QPoint(window->width() - 3, 3));
    EXPECT_EQ(form.formMouseUps, std::vector<int>{platform::RightButton});
}

// A field's title is data: an "&" in it is shown and heard as itself and is no Alt key.
TEST_F(ShownForm, AnAmpersandInAFieldTitleIsACharacter) {
    ASSERT_TRUE(form.Label1.Load(1));
    for (int i : {0, 1}) {
        form.Label1[i].SetUseMnemonic(false);
        form.Label1[i].SetCaption("wind&gust");
        form.Label1[i].Move(0, 600.0F * i, 2000, 300);
        form.Label1[i].SetVisible(true);
    }
    form.Label1[0].SetLabelFor(form.Text1[0]);
    EXPECT_EQ(NativeWidget(form.Label1[0])->grab().toImage(),
              NativeWidget(form.Label1[1])->grab().toImage());  // as a label of no field
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(NativeWidget(form.Text1[0]))->text(QAccessible::Name),
        QStringLiteral("wind&gust"));
    form.buttonplus1->SetFocus();
    QTest::keyClick(NativeWidget(form), 'g', Qt::AltModifier);
    EXPECT_FALSE(form.Text1->HasFocus());
}

// A timer ticks until its interval is 0 (the animation's frames).
TEST_F(ShownForm, ATimerTicksUntilItsIntervalIsZero) {
    int ticks = 0;
    form.Timer1.Timer = [&](int) { ++ticks; };
    form.Timer1->SetInterval(10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }));
    form.Timer1->SetInterval(0);
    const int seen = ticks;
    QTest::qWait(60);
    EXPECT_EQ(ticks, seen);
}

using giftest::Palette;
using giftest::Solid;

const struct {
    const char* name;
    std::optional<platform::Bitmap> (*decode)(std::string_view, std::string_view);
} Decoders[] = {{"giflib", platform::DecodeFirstGifImage}, {"own", platform::ReadFirstGifImage}};

TEST(DecodeFirstGifImage, InterlacedRowsGoToTheirPlaces) {
    // The four passes of an interlaced image send rows 0, 4, 2, 6, 1, 3, 5, 7 of an
    // eight-row image in that order; each row here is coloured by its number.
    const int arrival[] = {0, 4, 2, 6, 1, 3, 5, 7};
    gifwriter::Frame f = Solid(1, 8, 0);
    for (std::size_t k = 0; k < 8; ++k) f.pixels[k] = static_cast<std::uint8_t>(arrival[k] % 4);
    std::string gif = gifwriter::Write(1, 8, Palette, {f}, false);
    const std::size_t descriptor = gif.find('\x2c');
    ASSERT_NE(descriptor, std::string::npos);
    gif[descriptor + 9] = static_cast<char>(gif[descriptor + 9] | 0x40);  // the interlace flag
    for (const auto& decoder : Decoders) {
        auto image = decoder.decode(gif, {});
        ASSERT_TRUE(image.has_value()) << decoder.name;
        for (int row = 0; row < 8; ++row)
            EXPECT_EQ(image->pixels[static_cast<std::size_t>(row)], 0xFF000000U | Palette[row % 4])
                << decoder.name << " " << row;
    }
}

// A declared image far larger than any frame is refused before memory is taken.
TEST(DecodeFirstGifImage, BadDataGivesNoPicture) {
    const std::string good = gifwriter::Write(16, 16, Palette, {Solid(16, 16, 1)}, false);
    std::string huge = good, noMap = good;
    huge.replace(huge.find('\x2C') + 5, 4, "\xFF\xFF\xFF\xFF");  // 65535 x 65535
    noMap[10] = 0;  // no global colour table, and the image has none either
    const std::string cases[] = {"",
                                 "GIF89a",
                                 "PNG\r\n\x1a\n and more bytes here",
                                 good.substr(0, good.size() - 8),
                                 good.substr(0, 13 + 12 + 8 + 4),
                                 huge,
                                 noMap};
    for (const auto& decoder : Decoders)
        for (const std::string& bytes : cases)
            EXPECT_FALSE(decoder.decode(bytes, {}).has_value()) << decoder.name << bytes.size();
}

// The two decoders on every GIF the fuzzer starts from or once found, the shipped pictures
// among them: each whole file and each frame as the animation cuts it, the same outcome
// and the same pixels.
TEST(DecodeFirstGifImage, TheOwnDecoderAgreesWithGiflib) {
    int images = 0;
    for (const char* folder : {"fuzz/corpus/gif", "fuzz/regressions/gif"}) {
        for (const auto& entry :
             std::filesystem::directory_iterator(std::filesystem::path(AVC_SOURCE_DIR) / folder)) {
            std::ostringstream bytes;
            bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
            const std::string all = bytes.str();
            const std::string_view view(all);
            const AvcalcMod::GifCutPlan plan = AvcalcMod::CutGifFrames(all);
            std::vector<std::pair<std::string_view, std::string_view>> parts = {{all, {}}};
            for (const auto& frame : plan.frames)
                parts.emplace_back(view.substr(0, plan.headerLength),
                                   view.substr(frame.chunkStart, frame.chunkLength));
            for (const auto& [head, rest] : parts) {
                const auto expected = platform::DecodeFirstGifImage(head, rest);
                const auto own = platform::ReadFirstGifImage(head, rest);
                images += expected.has_value() ? 1 : 0;
                EXPECT_TRUE(
                    own.has_value() == expected.has_value() &&
                    (!own || (own->width == expected->width && own->pixels == expected->pixels)))
                    << entry.path();
            }
        }
    }
    EXPECT_GE(images, 16);  // at least every frame of m9.gif and m8.gif
}

}  // namespace

AVC_QT_TEST_MAIN()
