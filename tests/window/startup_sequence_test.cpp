// The whole life of the program: the start-up window's load handler shows the main window
// modally; closing it from its frame leads to the farewell box once and the end.
#include <QWidget>
#include <filesystem>

#include "qt_test_main.h"
#include "startup/avcalc_mod.h"
#include "window/avbox.h"
#include "window/avc.h"
#include "window/avcalc1.h"
#include "window/shutdown.h"

namespace {

class StartUpSequence : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::current_path(AVC_BUILD_DIR);
        AvcalcMod::ResetShutDown();
        AvcalcMod::SetEndProgramHook([this] { ++ended; });
        // The main window closed from its frame, the farewell box with Esc.
        platform::SetModalHook([this](platform::Form& form) {
            shown.push_back(form.Name());
            formsUp.push_back(static_cast<int>(platform::Forms().size()));
            if (&form == &TheMainWindow()) form.NativeWidget()->close();
            int esc = 27;
            if (&form == &TheBox()) TheBox().Form_KeyPress(esc);
        });
    }
    void TearDown() override {
        platform::SetModalHook(nullptr);
        AvcalcMod::SetEndProgramHook(nullptr);
        for (platform::Form* f : platform::Forms()) f->Unload();
    }
    int ended = 0;
    std::vector<std::string> shown;
    std::vector<int> formsUp;
};

TEST_F(StartUpSequence, ClosingTheMainWindowSaysFarewellOnceAndEnds) {
    Avcalc1 startup;
    startup.Load();
    EXPECT_EQ(shown, (std::vector<std::string>{"avc", "avbox"}));
    EXPECT_EQ(formsUp, (std::vector<int>{1, 1}));  // the main window went before the farewell
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(platform::Forms().empty());
    EXPECT_EQ(AvcalcMod::CurrentForm, nullptr);
}

TEST_F(StartUpSequence, TheStartUpWindowsOwnCloseControlEndsTheProgram) {
    Avcalc1 startup;
    int cancel = 0;
    startup.Form_QueryUnload(cancel, platform::UnloadFromCode);
    EXPECT_EQ(ended, 0);  // requests from code or the system do nothing
    startup.Form_QueryUnload(cancel, platform::UnloadFromCloseControl);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(shown, std::vector<std::string>{"avbox"});
}

}  // namespace

AVC_QT_TEST_MAIN()
