// Animated pictures: frame cutting into Image3, the timer, the ticks and bad files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "gif_test_data.h"
#include "toolkit/animation.h"
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
                            {Solid(8, 6, 1), Solid(8, 6, 2, 20, 10, 5), Solid(4, 4, 3, 30, 2, 3)}, true);
}

// Each test runs in a folder of its own, which must hold only what the test put there.
class AnimationTest : public toolkittest::ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        previous_ = fs::current_path();
        fs::current_path(folder_.Path());
    }
    void TearDown() override {
        fs::current_path(previous_);
        ToolkitTest::TearDown();
    }
    static void Put(const std::string& name, const std::string& bytes) {
        std::ofstream out(name, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::string> FolderContents() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_.Path())) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::string> Tags() {
        std::vector<std::string> tags;
        for (int index : form.Image3.Indexes()) tags.push_back(form.Image3[index].Tag());
        return tags;
    }
    int Shown() {
        int shown = -1, count = 0;
        for (int index : form.Image3.Indexes()) {
            if (form.Image3[index].Visible()) {
                shown = index;
                ++count;
            }
        }
        return count == 1 ? shown : -1 - count;
    }

    fs::path previous_;
    testing_files::TempDir folder_;
};

TEST_F(AnimationTest, ThreeFramesGiveTagsCountOrderAndIntervals) {
    Put("m9.gif", ThreeFrameGif());
    StartAnimation(form, 78, 8, 78, 8, 80, 10, 9, 2);
    ASSERT_EQ(form.Image3.Count(), 3);
    EXPECT_EQ(Tags(), (std::vector<std::string>{"100", "200", "300"}));
    EXPECT_EQ(AnimationFrameCount[2], 2);
    EXPECT_EQ(AnimationFrame[2], 0);
    // Layout mode 2: element 0 at 7800, 800; frame 2 at 10 x 15 and 5 x 15 twips from it.
    EXPECT_EQ(form.Image3[0].Left(), 7800.0F);
    EXPECT_EQ(form.Image3[0].Top(), 800.0F);
    EXPECT_EQ(form.Image3[1].Left(), 7800.0F + 150.0F);
    EXPECT_EQ(form.Image3[1].Top(), 800.0F + 75.0F);
    EXPECT_EQ(form.Image3[2].Left(), 7800.0F + 30.0F);
    EXPECT_EQ(form.Image3[1].Picture().width, 8);
    EXPECT_EQ(form.Image3[2].Picture().width, 4);
    EXPECT_EQ(form.Image3[1].Picture().pixels[0], 0xFF00FF00U);
    EXPECT_FALSE(form.Image3[1].Visible());
    EXPECT_EQ(form.Timer1->Interval(), 100);
    EXPECT_TRUE(form.Timer1->Enabled());

    std::vector<int> order;
    std::vector<int> intervals;
    for (int tick = 0; tick < 4; ++tick) {
        AdvanceAnimation(form, 2);
        order.push_back(Shown());
        intervals.push_back(form.Timer1->Interval());
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(intervals, (std::vector<int>{200, 300, 100, 200}));
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"m9.gif"});  // nothing written
}

TEST_F(AnimationTest, TimerDrivesTheFramesOnItsOwn) {
    Put("m9.gif", gifwriter::Write(8, 8, Palette, {Solid(8, 8, 1, 1), Solid(8, 8, 2, 1)}, true));
    form.Timer1.Timer = [this](int) { AdvanceAnimation(form, 2); };
    StartAnimation(form, 1, 1, 1, 1, 1, 1, 9, 2);
    EXPECT_EQ(form.Timer1->Interval(), 10);
    EXPECT_TRUE(WaitUntil([&] { return Shown() == 1; }));
    EXPECT_TRUE(WaitUntil([&] { return Shown() == 0; }));
}

TEST_F(AnimationTest, DelayZeroStopsTheTimerOnThatFrame) {
    Put("m9.gif", gifwriter::Write(8, 8, Palette, {Solid(8, 8, 1), Solid(8, 8, 2, 0)}, true));
    StartAnimation(form, 78, 8, 78, 8, 80, 10, 9, 2);
    EXPECT_EQ(form.Timer1->Interval(), 100);
    AdvanceAnimation(form, 2);
    EXPECT_EQ(Shown(), 1);
    EXPECT_EQ(form.Timer1->Interval(), 0);
}

TEST_F(AnimationTest, SingleFrameShowsElementZeroOnEveryTick) {
    Put("m8.gif", gifwriter::Write(8, 8, Palette, {Solid(8, 8, 1, 7)}, true));
    StartAnimation(form, 44, 3, 45, 5, 46, 7, 8, 2);
    EXPECT_EQ(form.Image3.Count(), 1);
    EXPECT_EQ(AnimationFrameCount[2], 0);
    EXPECT_EQ(form.Image3[0].Left(), 4500.0F);
    EXPECT_EQ(form.Image3[0].Top(), 500.0F);
    for (int tick = 0; tick < 3; ++tick) {
        AdvanceAnimation(form, 2);
        EXPECT_EQ(Shown(), 0);
        EXPECT_EQ(form.Timer1->Interval(), 70);
    }
}

TEST_F(AnimationTest, MissingFileReturnsFalseAndStartsNoTimer) {
    form.Timer1->SetEnabled(false);
    form.Image3->Move(10, 20, 30, 40);
    EXPECT_FALSE(LoadAnimationFrames("m9.gif", form.Image3, 2));
    StartAnimation(form, 78, 8, 78, 8, 80, 10, 9, 2);
    EXPECT_FALSE(form.Timer1->Enabled());
    EXPECT_EQ(form.Timer1->Interval(), 0);
    EXPECT_EQ(form.Image3.Count(), 1);
    EXPECT_EQ(form.Image3->Left(), 7800.0F);  // the placing step still ran
    EXPECT_TRUE(FolderContents().empty());    // and no file was created
}

TEST_F(AnimationTest, PlantedTemporaryNameIsLeftAlone) {
    Put("temp2.gif", "somebody else's file");
    Put("m9.gif", ThreeFrameGif());
    StartAnimation(form, 78, 8, 78, 8, 80, 10, 9, 2);
    std::ifstream in("temp2.gif");
    std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(kept, "somebody else's file");
    EXPECT_EQ(FolderContents(), (std::vector<std::string>{"m9.gif", "temp2.gif"}));
}

TEST_F(AnimationTest, CuttingTwiceStopsAtTheExistingElement) {
    Put("m9.gif", ThreeFrameGif());
    ASSERT_TRUE(LoadAnimationFrames("m9.gif", form.Image3, 2));
    AnimationFrameCount[2] = 9;
    EXPECT_TRUE(LoadAnimationFrames("m9.gif", form.Image3, 2));
    EXPECT_EQ(form.Image3.Count(), 3);
    EXPECT_EQ(AnimationFrameCount[2], 9);  // not updated after the failure
}

struct BadFile {
    const char* name;
    std::string bytes;
    int elements;       // Image3 elements afterwards
    bool firstPicture;  // element 0 received a picture
};

std::vector<BadFile> BadFiles() {
    const std::string good = ThreeFrameGif();
    std::vector<BadFile> files;
    files.push_back({"empty file", "", 1, false});
    // Cut inside the second frame's image data: frame 1 decodes, frame 2 does not.
    const std::size_t second = good.find(std::string("\x00\x21\xF9", 3), good.find(std::string("\x00\x21\xF9", 3)) + 3);
    files.push_back({"truncated", good.substr(0, second + 3 + 6 + 10 + 5), 2, true});
    // No graphic control extension at all: the whole file is one frame from byte 2.
    files.push_back({"no frame marker", gifwriter::Write(8, 8, Palette, [] {
                         auto f = Solid(8, 8, 1, 0);
                         f.controlExtension = false;
                         return std::vector<gifwriter::Frame>{f};
                     }(), false),
                     1, true});
    // Frame 2's image data is garbage.
    std::string broken = good;
    for (std::size_t k = second + 3 + 6 + 10 + 1; k < second + 3 + 6 + 10 + 8; ++k) broken[k] = '\xFF';
    files.push_back({"undecodable frame", broken, 2, true});
    // Frame 1 declares an image of 65535 x 65535 pixels.
    std::string huge = good;
    const std::size_t desc = good.find(std::string("\x00\x2C", 2), good.find(std::string("\x00\x21\xF9", 3)) + 3) + 1;
    for (std::size_t k = desc + 5; k <= desc + 8; ++k) huge[k] = '\xFF';
    files.push_back({"huge declared size", huge, 1, false});
    files.push_back({"not a gif", "just some text, no picture at all", 1, false});
    return files;
}

TEST_F(AnimationTest, BadFilesGiveTheStatedOutcome) {
    for (const BadFile& file : BadFiles()) {
        SCOPED_TRACE(file.name);
        form.Unload();
        form.Load();
        CurrentForm = &form;
        AnimationFrameCount[2] = 5;
        Put("m9.gif", file.bytes);
        // Past reading the file the result is True whatever happens to the frames.
        EXPECT_TRUE(LoadAnimationFrames("m9.gif", form.Image3, 2));
        EXPECT_EQ(form.Image3.Count(), file.elements);
        EXPECT_EQ(form.Image3[0].Picture().Empty(), !file.firstPicture);
        // Only a file whose every frame decoded updates the count.
        const bool complete = std::string(file.name) == "no frame marker" || std::string(file.name) == "empty file";
        EXPECT_EQ(AnimationFrameCount[2], complete ? form.Image3.Count() - 1 : 5);
        for (int tick = 0; tick < 3; ++tick) AdvanceAnimation(form, 2);  // no crash, no hang
        EXPECT_EQ(FolderContents(), std::vector<std::string>{"m9.gif"});
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
