// Animated pictures: frame cutting into Image3, the timer, the ticks and bad files.
#include "toolkit/animation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "gif_test_data.h"
#include "qt_test_main.h"
#include "test_files.h"
#include "toolkit_fixture.h"

namespace {

namespace fs = std::filesystem;
using namespace AvcalcMod;

using giftest::Palette;
using giftest::Solid;

std::string ThreeFrameGif() {
    return gifwriter::Write(32, 32, Palette,
                            {Solid(8, 6, 1), Solid(8, 6, 2, 20, 10, 5), Solid(4, 4, 3, 30, 2, 3)},
                            true);
}

// Each test runs in a folder of its own, which must hold only what the test put there.
class AnimationTest : public toolkittest::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        fs::current_path(folder_.Path());
    }
    void TearDown() override {
        fs::current_path(previous_);
        ToolkitTest::TearDown();
    }
    static void Put(const std::string& name, const std::string& bytes) {
        testing_files::WriteFile(name, bytes);
    }
    std::vector<std::string> FolderContents() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // The one element shown, or -1 - the count of elements shown.
    int Shown() {
        std::vector<int> shown;
        for (int index : form.Image3.Indexes())
            if (form.Image3[index].Visible()) shown.push_back(index);
        return shown.size() == 1 ? shown[0] : -1 - static_cast<int>(shown.size());
    }

    const fs::path previous_ = fs::current_path();
    testing_files::TempDir folder_;
};

// Delays 10, 20 and 30 hundredths; in layout mode 2 element 0 stands at 7800, 800 and
// frame 2, placed at 10, 5 pixels, 150 and 75 twips from it.
TEST_F(AnimationTest, ThreeFramesGiveTagsPlacesOrderAndIntervals) {
    Put("m9.gif", ThreeFrameGif());
    StartAnimation(form, 78, 8, 78, 8, 80, 10, 9, 2);
    ASSERT_EQ(form.Image3.Count(), 3);
    EXPECT_EQ((std::array{form.Image3[0].Tag(), form.Image3[1].Tag(), form.Image3[2].Tag()}),
              (std::array<std::string, 3>{"100", "200", "300"}));
    EXPECT_EQ(AnimationFrameCount[2], 2);
    EXPECT_EQ((std::array{form.Image3[0].Left(), form.Image3[0].Top(), form.Image3[1].Left(),
                          form.Image3[1].Top()}),
              (std::array{7800.0F, 800.0F, 7950.0F, 875.0F}));
    EXPECT_EQ(form.Image3[2].Picture().width, 4);
    EXPECT_EQ(form.Image3[1].Picture().pixels[0], 0xFF00FF00U);
    EXPECT_EQ(form.Timer1->Interval(), 100);
    std::vector<int> order, intervals;
    for (int tick = 0; tick < 4; ++tick) {
        AdvanceAnimation(form, 2);
        order.push_back(Shown());
        intervals.push_back(form.Timer1->Interval());
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(intervals, (std::vector<int>{200, 300, 100, 200}));
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"m9.gif"});  // nothing written
}

// A frame with delay 0 stops the timer on that frame; a single frame is shown again on
// every tick, at its place in the box (4500, 500).
TEST_F(AnimationTest, DelayZeroStopsAndASingleFrameStays) {
    Put("m9.gif", gifwriter::Write(8, 8, Palette, {Solid(8, 8, 1), Solid(8, 8, 2, 0)}, true));
    StartAnimation(form, 78, 8, 78, 8, 80, 10, 9, 2);
    AdvanceAnimation(form, 2);
    EXPECT_EQ(Shown(), 1);
    EXPECT_EQ(form.Timer1->Interval(), 0);

    form.Unload();
    form.Load();
    Put("m8.gif", gifwriter::Write(8, 8, Palette, {Solid(8, 8, 1, 7)}, true));
    StartAnimation(form, 44, 3, 45, 5, 46, 7, 8, 2);
    EXPECT_EQ(AnimationFrameCount[2], 0);
    EXPECT_EQ((std::array{form.Image3[0].Left(), form.Image3[0].Top()}),
              (std::array{4500.0F, 500.0F}));
    for (int tick = 0; tick < 2; ++tick) {
        AdvanceAnimation(form, 2);
        EXPECT_EQ(Shown(), 0);
        EXPECT_EQ(form.Timer1->Interval(), 70);
    }
}

TEST_F(AnimationTest, MissingFileReturnsFalseAndStartsNoTimer) {
    form.Timer1->SetEnabled(false);
    EXPECT_FALSE(LoadAnimationFrames("m9.gif", form.Image3, 2));
    StartAnimation(form, 78, 8, 78, 8, 80, 10, 9, 2);
    EXPECT_FALSE(form.Timer1->Enabled());
    EXPECT_EQ(form.Image3.Count(), 1);
    EXPECT_EQ(form.Image3->Left(), 7800.0F);  // the placing step still ran
    EXPECT_TRUE(FolderContents().empty());    // and no file was created
}

// Past reading the file LoadAnimationFrames says True whatever happens to the frames;
// only a file whose every frame decoded updates the frame count (5 before).
TEST_F(AnimationTest, BadFilesGiveTheStatedOutcome) {
    const std::string good = ThreeFrameGif();
    const std::string control("\x00\x21\xF9", 3);  // a graphic control extension
    const std::size_t second = good.find(control, good.find(control) + 3) + 3 + 6 + 10;
    std::string broken = good, huge = good;
    for (std::size_t k = second + 1; k < second + 8; ++k) broken[k] = '\xFF';
    // Frame 1's image descriptor: width and height 65535.
    const std::size_t desc = good.find(std::string("\x00\x2C", 2), good.find(control) + 3) + 1;
    for (std::size_t k = desc + 5; k <= desc + 8; ++k) huge[k] = '\xFF';
    gifwriter::Frame unmarked = Solid(8, 8, 1, 0);
    unmarked.controlExtension = false;  // the whole file is one frame from byte 2
    const struct {
        const char* name;
        std::string bytes;
        int elements;       // Image3 elements afterwards
        bool firstPicture;  // element 0 received a picture
        int frameCount;
    } cases[] = {
        {"empty file", "", 1, false, 0},
        {"cut inside frame 2's image data", good.substr(0, second + 5), 2, true, 5},
        {"no frame marker", gifwriter::Write(8, 8, Palette, {unmarked}, false), 1, true, 0},
        {"frame 2's image data garbage", broken, 2, true, 5},
        {"huge declared size", huge, 1, false, 5},
        {"not a gif", "just some text, no picture at all", 1, false, 5},
    };
    for (const auto& c : cases) {
        form.Unload();
        form.Load();
        AnimationFrameCount[2] = 5;
        Put("m9.gif", c.bytes);
        EXPECT_TRUE(LoadAnimationFrames("m9.gif", form.Image3, 2)) << c.name;
        EXPECT_EQ(form.Image3.Count(), c.elements) << c.name;
        EXPECT_EQ(form.Image3[0].Picture().Empty(), !c.firstPicture) << c.name;
        EXPECT_EQ(AnimationFrameCount[2], c.frameCount) << c.name;
        for (int tick = 0; tick < 3; ++tick) AdvanceAnimation(form, 2);  // no crash, no hang
        EXPECT_EQ(FolderContents(), std::vector<std::string>{"m9.gif"}) << c.name;
    }
}

TEST_F(AnimationTest, TicksWithAMissingFrameStopQuietly) {
    Put("m9.gif", ThreeFrameGif());
    StartAnimation(form, 78, 8, 78, 8, 80, 10, 9, 2);
    AnimationFrameCount[2] = 5;  // more frames than elements
    AdvanceAnimation(form, 2);
    AdvanceAnimation(form, 2);
    EXPECT_EQ(AnimationFrame[2], 2);
    AdvanceAnimation(form, 2);  // element 3 is missing: the tick stops after hiding 2
    EXPECT_EQ(AnimationFrame[2], 2);
    EXPECT_FALSE(form.Image3[2].Visible());
    AdvanceAnimation(form, 7);  // no such slot
}

}  // namespace
