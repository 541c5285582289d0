// The whole life of the program: the start-up window's load handler shows the main window
// modally; closing it from its frame leads to the farewell box once and the end, with
// every file closed and every window taken down. A click on the farewell text opens the
// maker's web page and ends at once, without a second farewell box.
#include <QTest>
#include <filesystem>

#include "qt_test_main.h"
#include "startup/data_file.h"
#include "window/avbox.h"
#include "window/avc.h"
#include "window/avcalc1.h"
#include "window/shutdown.h"

namespace {

TEST(StartUpSequence, ClosingTheMainWindowSaysFarewellOnceAndEnds) {
    std::filesystem::current_path(AVC_BUILD_DIR);
    int ended = 0;
    std::vector<std::string> shown, opened;
    std::vector<int> formsUp;
    bool fileOpenAtFarewell = true;
    AvcalcMod::TextFile file;
    std::function<void(avbox&)> farewell;
    AvcalcMod::SetEndProgramHook([&] { ++ended; });
    SetWebAddressOpener([&](const std::string& address) { opened.push_back(address); });
    // The main window closed from its frame, a file left open; the farewell box as the
    // row says.
    platform::SetModalHook([&](platform::Form& form) {
        shown.push_back(form.Name());
        formsUp.push_back(static_cast<int>(platform::Forms().size()));
        if (&form == &TheMainWindow()) {
            ASSERT_TRUE(file.OpenMemory("line\r"));
            NativeWidget(form)->close();
        }
        if (&form == &TheBox()) {
            fileOpenAtFarewell = file.IsOpen();
            farewell(TheBox());
        }
    });
    const struct {
        const char* name;
        std::function<void(avbox&)> way;
        std::size_t pagesOpened;
    } cases[] = {
        {"Esc", [](avbox& b) { QTest::keyClick(NativeWidget(b), Qt::Key_Escape); }, 0},
        {"a click on the text",
         [](avbox& b) {
             QTest::mouseClick(NativeWidget(b.Label1[0]), Qt::LeftButton, {}, QPoint(5, 5));
         },
         1},
        {"a click on the background",
         [](avbox& b) {
             QWidget* w = NativeWidget(b);
             QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() - 3, w->height() - 3));
         },
         1},
    };
    for (const auto& c : cases) {
        AvcalcMod::ResetShutDown();
        ended = 0;
        shown.clear(), opened.clear(), formsUp.clear();
        farewell = c.way;
        Avcalc1 startup;
        startup.Load();
        EXPECT_EQ(shown, (std::vector<std::string>{"avc", "avbox"})) << c.name;
        EXPECT_EQ(formsUp, (std::vector<int>{1, 1})) << c.name;  // the main window went first
        EXPECT_FALSE(fileOpenAtFarewell) << c.name;
        EXPECT_EQ(opened, std::vector<std::string>(c.pagesOpened, AvcalcMod::WebAddress)) << c.name;
        EXPECT_EQ(ended, 1) << c.name;
        EXPECT_TRUE(platform::Forms().empty()) << c.name;
        EXPECT_EQ(AvcalcMod::CurrentForm, nullptr) << c.name;
    }
    platform::SetModalHook(nullptr);
    AvcalcMod::SetEndProgramHook(nullptr);
    SetWebAddressOpener(nullptr);
}

}  // namespace

AVC_QT_TEST_MAIN()
