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
    std::vector<std::string> FolderContents() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // After each tick: the one element shown (-1 unless exactly one) and the interval.
    std::vector<std::pair<int, int>> Ticks(int count) {
        std::vector<std::pair<int, int>> seen;
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

// Delays 10, 20 and 30 hundredths; in layout mode 2 element 0 stands at 7800, 800 and
// frame 2, placed at 10, 5 pixels, 150 and 75 twips from it.
TEST_F(AnimationTest, ThreeFramesGiveTagsPlacesOrderAndIntervals) {
    testing_files::WriteFile("m9.gif", ThreeFrameGif());
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
    EXPECT_EQ(Ticks(4), (std::vector<std::pair<int, int>>{{1, 200}, {2, 300}, {0, 100}, {1, 200}}));
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"m9.gif"});  // nothing written
}

// A frame with delay 0 stops the timer on that frame (ticked by hand here, the next is
// shown); a single frame is shown again on every tick; a missing file starts no timer,
// and no file is created.
TEST_F(AnimationTest, DelayZeroASingleFrameAndNoFile) {
    testing_files::WriteFile(
        "m9.gif", gifwriter::Write(8, 8, Palette, {Solid(8, 8, 1, 7), Solid(8, 8, 2, 0)}, true));
    testing_files::WriteFile("m8.gif", gifwriter::Write(8, 8, Palette, {Solid(8, 8, 1, 7)}, true));
    const struct {
        const char* file;
        bool read;
        std::vector<std::pair<int, int>> ticks;
    } cases[] = {
        {"m9.gif", true, {{1, 0}, {0, 70}}},
        {"m8.gif", true, {{0, 70}, {0, 70}}},
        {"absent.gif", false, {{0, 0}, {0, 0}}},
    };
    for (const auto& c : cases) {
        form.Unload();
        form.Load();
        EXPECT_EQ(LoadAnimationFrames(c.file, form.Image3, 2), c.read);
        EXPECT_EQ(Ticks(2), c.ticks) << c.file;
    }
    EXPECT_EQ(FolderContents(), (std::vector<std::string>{"m8.gif", "m9.gif"}));
}

// Past reading the file LoadAnimationFrames says True whatever happens to the frames;
// only a file whose every frame decoded updates the frame count (5 before).
TEST_F(AnimationTest, BadFilesGiveTheStatedOutcome) {
    const std::string good = ThreeFrameGif();
    const std::string control("\x00\x21\xF9", 3);  // a graphic control extension
    const std::size_t second = good.find(control, good.find(control) + 3) + 3 + 6 + 10;
    std::string broken = good;
    broken.replace(second + 1, 7, 7, '\xFF');
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
        {"not a gif", "just some text, no picture at all", 1, false, 5},
    };
    for (const auto& c : cases) {
        form.Unload();
        form.Load();
        AnimationFrameCount[2] = 5;
        testing_files::WriteFile("m9.gif", c.bytes);
        EXPECT_TRUE(LoadAnimationFrames("m9.gif", form.Image3, 2)) << c.name;
        EXPECT_EQ(form.Image3.Count(), c.elements) << c.name;
        EXPECT_EQ(form.Image3[0].Picture().Empty(), !c.firstPicture) << c.name;
        EXPECT_EQ(AnimationFrameCount[2], c.frameCount) << c.name;
        for (int tick = 0; tick < 3; ++tick) AdvanceAnimation(form, 2);  // no crash, no hang
        EXPECT_EQ(FolderContents(), std::vector<std::string>{"m9.gif"}) << c.name;
    }
}

}  // namespace
