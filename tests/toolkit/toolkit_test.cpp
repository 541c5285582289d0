// The look on a window offscreen: animated pictures (frame cutting into Image3, the
// timer, the ticks, bad files) and the gradient's pixels (its plan: colour_plan_test.cpp).
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <functional>
#include <sstream>

#include "gif_test_data.h"
#include "qt_test_main.h"
#include "startup/avcalc_mod.h"
#include "test_files.h"
#include "toolkit/animation.h"
#include "toolkit/skin.h"

namespace {

namespace fs = std::filesystem;
using namespace AvcalcMod;
using giftest::Palette;
using giftest::Solid;
using Ticks = std::vector<std::pair<int, int>>;

// A window with every array the toolkit knows, and the globals set as at start-up.
class ToolkitForm : public SkinnedForm {
  public:
    ToolkitForm()
        : SkinnedForm("avc", {.buttons = {&buttonplus1, &buttonplus2, &buttonplus3},
                              .labels = {&Label1, &Label2},
                              .fields = &Text1,
                              .pictures = &Image1,
                              .frames = &Image3,
                              .timer = &Timer1}) {}
    platform::ButtonArray buttonplus1{*this, "buttonplus1"}, buttonplus2{*this, "buttonplus2"},
        buttonplus3{*this, "buttonplus3"};
    platform::LabelArray Label1{*this, "Label1"}, Label2{*this, "Label2"};
    platform::TextBoxArray Text1{*this, "Text1"};
    platform::PictureArray Image1{*this, "Image1"}, Image3{*this, "Image3"};
    platform::TimerArray Timer1{*this, "Timer1"};
};

class ToolkitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TwipsPerPixelX = TwipsPerPixelY = 15;
        LayoutMode = 2;
        ColourTable[3] = 0x00B8D4F0;  // the main window's gradient
        ColourTable[4] = 0x00F6F9FD;
        // Loaded, not shown: no window frame, so the inner area is the whole window.
        form.Load();
        CurrentForm = &form;
    }
    void TearDown() override {
        form.Unload();
        CurrentForm = nullptr;
    }
    ToolkitForm form;
};

template <class... Parts>
std::string Str(const Parts&... parts) {
    std::ostringstream out;
    (out << ... << parts);
    return out.str();
}

// Frames of 10, 20 and 30 hundredths; frame 2 placed at 10, 5 pixels.
const std::string ThreeFrames = gifwriter::Write(
    32, 32, Palette, {Solid(8, 6, 1), Solid(8, 6, 2, 20, 10, 5), Solid(4, 4, 3, 30, 2, 3)}, true);

// Each test runs in a folder of its own, where it writes m9.gif. (That the pictures add no
// file to the folder: the end-to-end bad-input rows.)
class AnimationTest : public ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        fs::current_path(folder_.Path());
    }
    void TearDown() override {
        fs::current_path(previous_);
        ToolkitTest::TearDown();
    }
    // After each tick: the one element shown (-1 unless exactly one) and the interval.
    Ticks Tick(int count) {
        Ticks seen;
        for (int tick = 0; tick < count; ++tick) {
            AdvanceAnimation(form, 2);
            std::vector<int> shown;
            for (int i : form.Image3.Indexes())
                if (form.Image3[i].Visible()) shown.push_back(i);
            seen.push_back({shown.size() == 1 ? shown[0] : -1, form.Timer1->Interval()});
        }
        return seen;
    }
    const fs::path previous_ = fs::current_path();
    testing_files::TempDir folder_;
};

// In layout mode 2 element 0 stands at 7800, 800 and frame 2 150 and 75 twips from it;
// the frames show for 100, 200 and 300 ms in turn.
TEST_F(AnimationTest, ThreeFramesGiveTagsPlacesOrderAndIntervals) {
    testing_files::WriteFile("m9.gif", ThreeFrames);
    StartAnimation(form, 78, 8, 78, 8, 80, 10, 9, 2);
    EXPECT_EQ(form.Image3.Count(), 1);  // the others once the event loop runs
    QCoreApplication::processEvents();
    ASSERT_EQ(form.Image3.Count(), 3);
    EXPECT_EQ((std::array{form.Image3[0].Tag(), form.Image3[1].Tag(), form.Image3[2].Tag()}),
              (std::array<std::string, 3>{"100", "200", "300"}));
    EXPECT_EQ(AnimationFrameCount[2], 2);
    EXPECT_EQ((std::array{form.Image3[0].Left(), form.Image3[0].Top(), form.Image3[1].Left(),
                          form.Image3[1].Top()}),
              (std::array{7800.0F, 800.0F, 7950.0F, 875.0F}));
    EXPECT_EQ(form.Image3[1].Picture().pixels[0], 0xFF00FF00U);
    EXPECT_EQ(form.Timer1->Interval(), 100);
    EXPECT_EQ(Tick(4), (Ticks{{1, 200}, {2, 300}, {0, 100}, {1, 200}}));
}

// A frame with delay 0 stops the timer on that frame (ticked by hand here, the next is
// shown); a single frame is shown on every tick. LoadAnimationFrames says False only when
// the file cannot be read; only a file whose every frame decoded updates the frame count
// (5 before); the frames that decoded are kept.
TEST_F(AnimationTest, ShortDamagedAndMissingFiles) {
    const std::string control("\x00\x21\xF9", 3);  // a graphic control extension
    const std::size_t second = ThreeFrames.find(control, ThreeFrames.find(control) + 3) + 19;
    std::string broken = ThreeFrames;
    broken.replace(second + 1, 7, 7, '\xFF');  // frame 2's image data garbage
    gifwriter::Frame unmarked = Solid(8, 8, 1, 0);
    unmarked.controlExtension = false;  // the whole file is one frame from byte 2
    const struct {
        const char* name;
        std::string bytes;  // "none": no file
        bool read;
        int frameCount, elements;
        Ticks ticks;  // none: only no crash and no hang
    } cases[] = {
        {"a frame of delay 0",
         gifwriter::Write(8, 8, Palette, {Solid(8, 8, 1, 7), Solid(8, 8, 2, 0)}, true), true, 1, 2,
         Ticks{{1, 0}, {0, 70}}},
        {"one frame", gifwriter::Write(8, 8, Palette, {Solid(8, 8, 1, 7)}, true), true, 0, 1,
         Ticks{{0, 70}, {0, 70}}},
        {"no file", "none", false, 5, 1, {}},
        {"an empty file", "", true, 0, 1, {}},
        {"cut inside frame 2", ThreeFrames.substr(0, second + 5), true, 5, 2, {}},
        {"frame 2 undecodable", broken, true, 5, 2, {}},
        {"no frame marker", gifwriter::Write(8, 8, Palette, {unmarked}, false), true, 0, 1, {}},
        {"not a gif", "just some text, no picture at all", true, 5, 1, {}},
    };
    for (const auto& c : cases) {
        form.Unload();
        form.Load();
        AnimationFrameCount[2] = 5;
        if (c.bytes != "none") testing_files::WriteFile("m9.gif", c.bytes);
        EXPECT_EQ(LoadAnimationFrames("m9.gif", form.Image3, 2), c.read) << c.name;
        EXPECT_EQ(AnimationFrameCount[2], c.frameCount) << c.name;
        EXPECT_EQ(form.Image3.Count(), c.elements) << c.name;
        const Ticks ticks = Tick(2);
        EXPECT_TRUE(c.ticks.empty() || ticks == c.ticks) << c.name;
        fs::remove("m9.gif");
    }
    form.Timer1->SetEnabled(false);
    StartAnimation(form, 78, 8, 78, 8, 80, 10, 9, 2);  // without its file: no timer
    EXPECT_FALSE(form.Timer1->Enabled());
}

// The toolkit's procedures on a fresh window each; every expected value is worked from the
// rules they follow (scaling by 1.28, centring with the fraction dropped, shadows 18 and 15
// twips off, the load codes' digits).
TEST_F(ToolkitTest, ProceduresDoWhatTheLookNeeds) {
    auto shown = [](platform::ControlArray& a) {
        std::string out;
        for (int i : a.Indexes()) out += a[i].Visible() ? "v" : "-";
        return out;
    };
    auto place = [](const platform::Control& c) {
        return Str(c.Left(), ",", c.Top(), " ", c.Width(), "x", c.Height(), " ", c.FontSize(),
                   c.FontBold() ? "b " : " ", c.ForeColor());
    };
    auto& f = form;
    const struct {
        const char* name;
        std::function<void()> act;
        std::function<std::string()> seen;
        std::string expected;
    } rows[] = {
        {"1119 grows buttons to 19, a second call one more",
         [] { LoadControls(1119), LoadControls(1119); }, [&] { return shown(f.buttonplus1); },
         std::string(21, 'v')},
        {"kind 5, group 4 and group 0 create nothing",
         [] { LoadControls(5119), LoadControls(14), LoadControls(203); },
         [&] { return Str(f.buttonplus1.Count() + f.Label1.Count()); }, "2"},
        {"227, 313, 410: titles, fields, a picture past its last index",
         [] { LoadControls(227), LoadControls(313), LoadControls(410); },
         [&] { return shown(f.Label2) + " " + shown(f.Text1) + " " + shown(f.Image1); },
         "vvvvvvvv vvvv vv"},
        {"StyleForm: canvas and group colours (navy, dark green, dark red)", [&] { StyleForm(f); },
         [&] {
             return Str(f.Width(), "x", f.Height(), " ", f.buttonplus1->ForeColor(), " | ",
                        place(f.buttonplus2[0]), " | ", place(f.buttonplus3[0]), " | ",
                        f.Text1->ForeColor(), "/", f.Text1->BackColor());
         },
         "12000x8550 6291456 | 0,0 1200x375 7 16384 | 0,0 1200x375 7 153 | 6291456/16318463"},
        {"ShowTitle style 1: not bold, shadow 18 and 15 off",
         [&] { ShowTitle(f.Label2[0], f.Label1[0], 100, 200, 300, 40, "T", 1); },
         [&] { return place(f.Label2[0]) + " | " + place(f.Label1[0]); },
         "100,200 300x40 8 16318463 | 118,215 300x40 8 0"},
        {"ShowTitle style 2: 7 points bold, the shadow silent",
         [&] { ShowTitle(f.Label2[0], f.Label1[0], 0, 0, 300, 40, "T", 2); },
         [&] { return place(f.Label1[0]) + (f.Label1->Decorative() ? " silent" : ""); },
         "18,15 300x40 7b 0 silent"},
        {"SetTitleCaption 2 captions both labels, 3 nothing",
         [&] { SetTitleCaption(2, 0, 1, "wind"), SetTitleCaption(3, 0, 1, "x"); },
         [&] { return f.Label2[0].Caption() + f.Label1[0].Caption(); }, "wind"},
        {"ScaleCurrentForm: x 1.28 and centred (negative when larger than the area)",
         [&] {
             f.Move(0, 0, 10400, 4350);
             f.Label1->Move(100, 200, 300, 400);
             f.Label1->SetFontSize(8);
             ScaleCurrentForm();
         },
         [&] {
             return Str(f.Left(), ",", f.Top(), " ", f.Width(), "x", f.Height(), " ") +
                    place(f.Label1[0]);
         },
         "-656,1491 13312x5568 128,256 384x512 10.24 0"},
        {"CentreForm drops the half twip", [&] { f.Move(0, 0, 10001, 8549), CentreForm(f); },
         [&] { return Str(f.Left(), ",", f.Top()); }, "999,0"},
        {"FrameControl: from (L + m, T + m) to (L + W + 2m, T + H + 2m)",
         [&] { f.Label1->Move(100, 200, 300, 400), FrameControl(f.Label1[0], 20); },
         [&] {
             const platform::DrawItem& d = f.DrawnItems().at(0);
             return Str(d.box, d.filled, " ", d.x1, ",", d.y1, " ", d.x2, ",", d.y2, " ", d.colour);
         },
         "11 120,220 440,640 0"},
        {"HideButtons from below 0 hides 0 to 2", [&] { LoadControls(113), HideButtons(-5, 2, f); },
         [&] { return shown(f.buttonplus1); }, "---v"},
        {"hover: one button underlined, cleared with one write",
         [&] {
             LoadControls(113), UnderlineCaption(f.buttonplus1[2]),
                 UnderlineCaption(f.buttonplus1[2]);
         },
         [&] {
             auto writes = [&] {
                 return f.buttonplus1[2].WriteCount() + f.buttonplus1[1].WriteCount();
             };
             const auto before = writes();
             const bool on = f.buttonplus1[2].FontUnderline();
             ClearUnderlines(f);
             return Str(on, f.buttonplus1[2].FontUnderline(), " ", writes() - before);
         },
         "10 1"},
        {"UnloadForm drops run-time elements and CurrentForm",
         [&] { LoadControls(113), UnloadForm(&f); },
         [&] { return Str(f.IsLoaded(), f.buttonplus1.Count(), CurrentForm == nullptr); }, "011"},
    };
    for (const auto& row : rows) {
        form.Unload();
        form.Load();
        CurrentForm = &form;
        WorkAreaWidth = 12000;
        WorkAreaHeight = 8550;
        ScaleFactor = 1.28F;
        form.SetRecordDrawing(true);
        row.act();
        EXPECT_EQ(row.seen(), row.expected) << row.name;
        form.SetRecordDrawing(false);
    }
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
