// The whole life of the program: the start-up window's load handler shows the main window
// modally; closing it from its frame leads to the farewell box once and the end.
#include <QWidget>
#include <filesystem>

#include "qt_test_main.h"
#include "startup/avcalc_mod.h"
#include "toolkit/skin.h"
#include "window/avbox.h"
#include "window/avc.h"
#include "window/avcalc1.h"
#include "window/shutdown.h"

namespace {

class StartUpSequence : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::current_path(AVC_BUILD_DIR);
        AvcalcMod::ResetGlobals();
        AvcalcMod::ResetShutDown();
        AvcalcMod::SetEndProgramHook([this] { ++ended; });
    }
    void TearDown() override {
        platform::SetModalHook(nullptr);
        AvcalcMod::SetEndProgramHook(nullptr);
        for (platform::Form* f : platform::Forms()) f->Unload();
        AvcalcMod::ResetGlobals();
    }
    int ended = 0;
};

TEST_F(StartUpSequence, ClosingTheMainWindowSaysFarewellOnceAndEnds) {
    std::vector<std::string> shown;
    std::string farewellCaption;
    int openFormsAtFarewell = 0;
    platform::SetModalHook([&](platform::Form& form) {
        shown.push_back(form.Name());
        if (&form == &TheMainWindow()) {
            // What start-up left behind while the main window is up.
            EXPECT_EQ(AvcalcMod::TextLines[515], "Conversions - Help");
            EXPECT_FLOAT_EQ(AvcalcMod::ScaleFactor, 1.28F);
            EXPECT_GT(AvcalcMod::WorkAreaWidth, 0);
            EXPECT_EQ(TheMainWindow().buttonplus1[17].Caption(), "=");
            form.NativeWidget()->close();  // the frame's close control
        } else if (&form == &TheBox()) {
            farewellCaption = form.Caption();
            openFormsAtFarewell = static_cast<int>(platform::Forms().size());
            int esc = 27;
            TheBox().Form_KeyPress(esc);
        }
    });
    Avcalc1 startup;
    startup.Load();

    EXPECT_EQ(shown, (std::vector<std::string>{"avc", "avbox"}));
    EXPECT_EQ(farewellCaption, "      Learn to Fly!");
    EXPECT_EQ(openFormsAtFarewell, 1);  // the main window was gone before the farewell
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(platform::Forms().empty());
    EXPECT_FALSE(startup.IsLoaded());
    EXPECT_EQ(AvcalcMod::CurrentForm, nullptr);
}

TEST_F(StartUpSequence, TheStartUpWindowsOwnCloseControlEndsTheProgram) {
    platform::SetModalHook([&](platform::Form& form) {
        if (&form == &TheBox()) {
            int esc = 27;
            TheBox().Form_KeyPress(esc);
        }
    });
    Avcalc1 startup;
    int cancel = 0;
    startup.Form_QueryUnload(cancel, platform::UnloadFromCode);
    EXPECT_EQ(ended, 0);  // requests from code or the system do nothing
    startup.Form_QueryUnload(cancel, platform::UnloadFromCloseControl);
    EXPECT_EQ(ended, 1);
}

}  // namespace

AVC_QT_TEST_MAIN()
