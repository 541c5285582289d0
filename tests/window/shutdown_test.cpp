// The orderly end: files closed, the farewell box once, every window taken down, the
// program ended; a click on the farewell text opens the web page and ends at once.
#include "window/shutdown.h"

#include <gtest/gtest.h>

#include <QTest>
#include <cstdio>
#include <fstream>

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
    int queries = 0;
    void Form_QueryUnload(int&, int) override { ++queries; }
};

TEST_F(WindowTest, ClosingTheFarewellBoxEndsTheProgramOnce) {
    OtherWindow other;
    other.Load();
    std::string farewellText;
    action = [&](avbox& box) {
        farewellText = box.Label1[0].Caption();
        QTest::keyClick(box.NativeWidget(), Qt::Key_Escape);
    };
    ShutDown();
    EXPECT_EQ(shown, 1);
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].caption, "      Learn to Fly!");
    EXPECT_EQ(farewellText.substr(0, 24), "Thank-you for using the ");
    EXPECT_NE(farewellText.find(WebAddress), std::string::npos);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(other.IsLoaded());
    EXPECT_EQ(other.queries, 1);
    EXPECT_TRUE(platform::Forms().empty());
    EXPECT_EQ(CurrentForm, nullptr);
}

TEST_F(WindowTest, ClickOnFarewellTextOpensTheAddressOnceAndEndsWithoutASecondBox) {
    OtherWindow other;
    other.Load();
    action = [](avbox& box) {
        QTest::mouseClick(box.Label1[0].NativeWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    };
    ShutDown();
    EXPECT_EQ(shown, 1) << "a second farewell box was shown";
    EXPECT_FALSE(leftOpen);
    ASSERT_EQ(opened.size(), 1U);
    EXPECT_EQ(opened[0], WebAddress);
    // The second entry ended the program; the first, resuming, did not end it again.
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(other.IsLoaded());
    EXPECT_EQ(other.queries, 1);
    EXPECT_FALSE(TheBox().IsLoaded());
    EXPECT_EQ(CurrentForm, nullptr);
}

TEST_F(WindowTest, ClickOnFarewellBackgroundDoesTheSame) {
    action = [](avbox& box) {
        QWidget* w = box.NativeWidget();
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() - 3, w->height() - 3));
    };
    ShutDown();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(opened.size(), 1U);
    EXPECT_EQ(ended, 1);
}

TEST_F(WindowTest, ShutDownClosesOpenFiles) {
    const char* path = "shutdown_test_file.txt";
    { std::ofstream(path) << "line\r"; }
    TextFile file;
    ASSERT_TRUE(file.Open(path));
    bool openDuringBox = true;
    action = [&](avbox& box) {
        openDuringBox = file.IsOpen();
        int esc = 27;
        box.Form_KeyPress(esc);
    };
    ShutDown();
    EXPECT_FALSE(openDuringBox);
    EXPECT_FALSE(file.IsOpen());
    std::remove(path);
}

}  // namespace
