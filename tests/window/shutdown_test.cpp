// The orderly end: files closed, the farewell box once, every window taken down, the
// program ended once; a click on the farewell text opens the web page and ends at once.
#include "window/shutdown.h"

#include <gtest/gtest.h>

#include <QTest>

#include "startup/data_file.h"
#include "window_fixture.h"

namespace {

using namespace AvcalcMod;
using windowtest::WindowTest;

// Another loaded window, as the main window would be when the farewell text is clicked.
class OtherWindow : public platform::Form {
  public:
    OtherWindow() : Form("avc") {}
    platform::LabelArray Label1{*this, "Label1"};
};

TEST_F(WindowTest, TheFarewellBoxOnceThenTheEnd) {
    const struct {
        const char* name;
        std::function<void(avbox&)> way;
        std::size_t pagesOpened;
    } cases[] = {
        {"Esc", [](avbox& b) { QTest::keyClick(b.NativeWidget(), Qt::Key_Escape); }, 0},
        {"a click on the text",
         [](avbox& b) {
             QTest::mouseClick(b.Label1[0].NativeWidget(), Qt::LeftButton, {}, QPoint(5, 5));
         },
         1},
        {"a click on the background",
         [](avbox& b) {
             QWidget* w = b.NativeWidget();
             QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() - 3, w->height() - 3));
         },
         1},
    };
    for (const auto& c : cases) {
        ResetShutDown();
        shown = ended = 0;
        opened.clear();
        OtherWindow other;
        other.Load();
        TextFile file;
        ASSERT_TRUE(file.OpenMemory("line\r"));
        std::string caption;
        bool fileOpenDuringBox = true;
        action = [&](avbox& box) {
            caption = box.Caption();
            fileOpenDuringBox = file.IsOpen();
            c.way(box);
        };
        ShutDown();
        EXPECT_EQ(shown, 1) << c.name;  // no second farewell box
        EXPECT_FALSE(leftOpen) << c.name;
        EXPECT_EQ(caption, "      Learn to Fly!");
        EXPECT_FALSE(fileOpenDuringBox) << c.name;
        EXPECT_EQ(opened, std::vector<std::string>(c.pagesOpened, WebAddress)) << c.name;
        EXPECT_EQ(ended, 1) << c.name;
        EXPECT_FALSE(other.IsLoaded()) << c.name;
        EXPECT_TRUE(platform::Forms().empty()) << c.name;
        EXPECT_EQ(CurrentForm, nullptr) << c.name;
    }
}

}  // namespace
