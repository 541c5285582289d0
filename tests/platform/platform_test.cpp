// The runtime's rules that the windows rely on, offscreen.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QPainter>
#include <QFontDatabase>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <random>

#include "platform/form.h"
#include "platform/line_raster.h"
#include "platform/services.h"
#include "platform/text_codec.h"
#include "qt_test_main.h"

namespace {

using platform::Control;

class TestForm : public platform::Form {
public:
    TestForm() : Form("testform") {
        buttonplus1.Click = [this](int Index) {
            clicks.push_back({Index, buttonplus1[Index].Value()});
            if (releaseOnClick && buttonplus1[Index].Value() == 1) buttonplus1[Index].SetValue(0);
        };
        Text1.Change = [this](int Index) { changes.push_back({Index, Text1[Index].Text()}); };
        Text1.KeyPress = [this](int Index, int& KeyAscii) {
            keys.push_back({Index, KeyAscii});
            if (KeyAscii == 'x') KeyAscii = 0;         // swallowed
            if (KeyAscii == 'a') KeyAscii = 'A';       // replaced
        };
        buttonplus1.MouseUp = [this](int Index, int Button, int, float X, float Y) {
            mouseUps.push_back({Index, Button});
            lastX = X;
            lastY = Y;
        };
        Label1.MouseMove = [this](int Index, int, int, float, float) { moves.push_back(Index); };
        buttonplus1.Help = [this](int Index) { helps.push_back("button " + std::to_string(Index)); };
    }

    platform::ButtonArray buttonplus1{*this, "buttonplus1"};
    platform::LabelArray Label1{*this, "Label1"};
    platform::TextBoxArray Text1{*this, "Text1"};
    platform::PictureArray Image3{*this, "Image3"};
    platform::TimerArray Timer1{*this, "Timer1"};

    void Form_Load() override { ++loads; }
    void Form_MouseUp(int Button, int, float, float) override { formMouseUps.push_back(Button); }
    void Form_MouseMove(int, int, float, float) override { ++formMoves; }
    void Form_Help() override { helps.push_back("window"); }
    void Form_QueryUnload(int& Cancel, int UnloadMode) override {
        queries.push_back(UnloadMode);
        Cancel = refuseUnload ? 1 : 0;
    }

    int loads = 0;
    bool refuseUnload = false;
    bool releaseOnClick = false;
    std::vector<int> queries;
    std::vector<std::pair<int, int>> clicks;
    std::vector<std::pair<int, std::string>> changes;
    std::vector<std::pair<int, int>> keys;
    std::vector<std::pair<int, int>> mouseUps;
    std::vector<int> formMouseUps;
    int formMoves = 0;
    std::vector<int> moves;
    std::vector<std::string> helps;
    float lastX = 0, lastY = 0;
};

// A test window, shown at the start of the test and unloaded at its end.
class ShownForm : public ::testing::Test {
protected:
    void SetUp() override { form.Show(); }
    void TearDown() override { form.Unload(); }
    TestForm form;
};

void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

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
        QPainter painter(&painted);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, 0));
        painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        painter.end();
        QImage walked(w, h, QImage::Format_ARGB32_Premultiplied);
        walked.fill(Qt::transparent);
        platform::WalkLine(platform::PlanLine(x1, y1, x2, y2, w, h), w, h,
                           [&walked](int x, int y) { walked.setPixel(x, y, qRgb(0, 0, 0)); });
        if (painted != walked && ++differing <= 3)
            ADD_FAILURE() << "(" << x1 << ", " << y1 << ") to (" << x2 << ", " << y2 << ")";
    }
    EXPECT_EQ(differing, 0);
}

TEST(Services, TwipsPerPixelFollowsLogicalDpi) {
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_FLOAT_EQ(platform::TwipsPerPixelX(), static_cast<float>(1440.0 / screen->logicalDotsPerInchX()));
    auto area = platform::DesktopWorkArea();
    ASSERT_TRUE(area.has_value());
    EXPECT_EQ(area->right - area->left, screen->availableGeometry().width());
}

TEST(Services, TahomaIsAvailable) {
    platform::Initialise();
    EXPECT_TRUE(QFontDatabase::families().contains("Tahoma"));
}

TEST(TextCodec, RoundTripsTheCodePageAndMarksOthers) {
    std::string all;
    for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
    EXPECT_EQ(platform::FromUnicode(platform::ToUnicode(all)), all);
    EXPECT_EQ(platform::ToUnicode("\x80\xAE"), QString::fromUtf8("\u20AC\u00AE"));
    EXPECT_EQ(platform::FromUnicode(QString::fromUtf8("a\u4E2Db\U0001F600c")), "a?b?c");
}

TEST(Form, LoadRunsLoadHandlerOnceAndListsTheForm) {
    TestForm form;
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.loads, 0);
    form.Load();
    form.Show();
    EXPECT_EQ(form.loads, 1);
    auto forms = platform::Forms();
    EXPECT_NE(std::find(forms.begin(), forms.end(), &form), forms.end());
    EXPECT_TRUE(form.Unload());
    forms = platform::Forms();
    EXPECT_EQ(std::find(forms.begin(), forms.end(), &form), forms.end());
    EXPECT_EQ(form.queries, std::vector<int>{platform::UnloadFromCode});
}

TEST(Form, QueryUnloadCanRefuse) {
    TestForm form;
    form.Show();
    form.refuseUnload = true;
    EXPECT_FALSE(form.Unload());
    EXPECT_TRUE(form.IsLoaded());
    form.refuseUnload = false;
    EXPECT_TRUE(form.Unload());
}

TEST(Form, CloseControlAsksWithModeZero) {
    TestForm form;
    form.Show();
    form.NativeWidget()->close();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.queries, std::vector<int>{platform::UnloadFromCloseControl});
}

TEST(Form, UnloadDropsRunTimeElementsAndRestoresDesign) {
    TestForm form;
    form.Label1->SetCaption("designed");
    form.Load();
    ASSERT_TRUE(form.Label1.Load(1));
    form.Label1->SetCaption("changed at run time");
    form.Unload();
    EXPECT_EQ(form.Label1.Count(), 1);
    EXPECT_FALSE(form.Label1.Exists(1));
    form.Load();
    EXPECT_EQ(form.Label1->Caption(), "designed");
    EXPECT_EQ(form.loads, 2);
    form.Unload();
    Settle();
}

TEST(Form, ModalShowReturnsWhenUnloadedAndHookSeesIt) {
    TestForm form;
    int hooked = 0;
    platform::SetModalHook([&](platform::Form& shown) {
        ++hooked;
        EXPECT_EQ(&shown, &form);
        EXPECT_TRUE(shown.IsModal());
        shown.Unload();
    });
    form.ShowModal();
    platform::SetModalHook(nullptr);
    EXPECT_EQ(hooked, 1);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_FALSE(form.IsModal());
}

TEST_F(ShownForm, GeometryIsKeptExactlyInTwips) {
    const float scaled = 7400.0F * 1.28F;
    form.Label1->SetLeft(scaled);
    form.SetWidth(10400.0F * 1.28F);
    EXPECT_EQ(form.Label1->Left(), scaled);  // 9472 as a single, not a pixel multiple
    EXPECT_EQ(form.Width(), 13312.0F);
    form.Label1->SetFontSize(8.0F * 1.28F);
    EXPECT_EQ(form.Label1->FontSize(), 10.24F);
    const float tpp = platform::TwipsPerPixelX();
    EXPECT_EQ(form.Label1->NativeWidget()->x(), qRound(scaled / tpp));
}

TEST_F(ShownForm, NewElementIsHiddenCopyOfElementZero) {
    Control& first = form.Label1[0];
    first.Move(100, 200, 300, 400);
    first.SetCaption("zero");
    first.SetForeColor(12345);
    ASSERT_TRUE(form.Label1.Load(form.Label1.Count()));
    Control& copy = form.Label1[1];
    EXPECT_TRUE(copy.Exists());
    EXPECT_FALSE(copy.Visible());
    EXPECT_EQ(copy.Caption(), "zero");
    EXPECT_EQ(copy.ForeColor(), 12345);
    EXPECT_EQ(copy.Top(), 200.0F);
    EXPECT_EQ(form.Label1.Count(), 2);
    EXPECT_FALSE(form.Label1.Load(1));  // exists already
    EXPECT_FALSE(form.Label1.Load(0));
    EXPECT_FALSE(form.Label1.Load(platform::MaxArrayIndex + 1));
}

TEST_F(ShownForm, MissingElementIsInert) {
    Control& missing = form.Text1[7];
    EXPECT_FALSE(missing.Exists());
    missing.SetText("ignored");
    missing.SetLeft(500);
    missing.SetVisible(true);
    missing.SetValue(1);
    EXPECT_EQ(missing.Text(), "");
    EXPECT_EQ(missing.Left(), 0.0F);
    EXPECT_FALSE(missing.Visible());
    EXPECT_EQ(missing.NativeWidget(), nullptr);
    EXPECT_TRUE(form.changes.empty());
    EXPECT_EQ(form.Text1.Count(), 1);
    form.buttonplus1[3].SetValue(1);
    EXPECT_TRUE(form.clicks.empty());
}

TEST_F(ShownForm, SettingValueRunsClickBeforeTheSetterReturns) {
    form.releaseOnClick = true;
    form.buttonplus1->SetValue(1);
    // The press ran the handler, which cleared the button; that clearing clicked again.
    EXPECT_EQ(form.clicks, (std::vector<std::pair<int, int>>{{0, 1}, {0, 0}}));
    EXPECT_EQ(form.buttonplus1->Value(), 0);
    form.clicks.clear();
    form.buttonplus1->SetValue(0);  // no change, no click
    EXPECT_TRUE(form.clicks.empty());
}

TEST_F(ShownForm, EveryWayOfPressingClicksOnceAndLeavesTheButtonUp) {
    form.releaseOnClick = true;
    auto* button = static_cast<QPushButton*>(form.buttonplus1->NativeWidget());
    const struct {
        const char* way;
        std::function<void()> press;
    } ways[] = {
        {"mouse", [&] { QTest::mouseClick(button, Qt::LeftButton); }},
        {"space", [&] { QTest::keyClick(button, Qt::Key_Space); }},
        {"press action of assistive technology",
         [&] {
             QAccessibleInterface* ui = QAccessible::queryAccessibleInterface(button);
             ASSERT_EQ(ui->role(), QAccessible::Button);  // a push button, not a check box
             ui->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
         }},
    };
    for (const auto& w : ways) {
        form.clicks.clear();
        w.press();
        // The press action is an animated click, about 100 ms later.
        EXPECT_TRUE(WaitUntil([&] { return form.clicks.size() == 2; })) << w.way;
        EXPECT_EQ(form.clicks, (std::vector<std::pair<int, int>>{{0, 1}, {0, 0}})) << w.way;
        EXPECT_FALSE(button->isCheckable() || button->isDown()) << w.way;
    }
}

TEST_F(ShownForm, HelpKeysReachTheControlsHandlerOrElseTheWindows) {
    auto contextMenuKey = [](QWidget* w) {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(1, 1), w->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(w, &event);
    };
    QWidget* button = form.buttonplus1->NativeWidget();
    QWidget* field = form.Text1->NativeWidget();
    const struct {
        const char* what;
        std::function<void()> ask;
        std::vector<std::string> helps;
    } cases[] = {
        {"F1 on a button", [&] { QTest::keyClick(button, Qt::Key_F1); }, {"button 0"}},
        {"Shift+F10 on a button", [&] { QTest::keyClick(button, Qt::Key_F10, Qt::ShiftModifier); },
         {"button 0"}},
        {"context-menu key on a button", [&] { contextMenuKey(button); }, {"button 0"}},
        {"F1 on a text box without a handler", [&] { QTest::keyClick(field, Qt::Key_F1); }, {"window"}},
        {"context-menu key on the window", [&] { contextMenuKey(form.NativeWidget()); }, {"window"}},
        {"F10 alone", [&] { QTest::keyClick(button, Qt::Key_F10); }, {}},
        {"a right click", [&] { QTest::mouseClick(button, Qt::RightButton); }, {}},
    };
    for (const auto& c : cases) {
        form.helps.clear();
        c.ask();
        EXPECT_EQ(form.helps, c.helps) << c.what;
    }
}

TEST_F(ShownForm, AssistiveTechnologyHearsNamesWithoutMarksAndTitlesFollowed) {
    auto name = [](Control& c) {
        return QAccessible::queryAccessibleInterface(c.NativeWidget())->text(QAccessible::Name);
    };
    form.buttonplus1->SetCaption("  Fish && &Chips  ");  // padded, a literal "&", an access key
    EXPECT_EQ(name(form.buttonplus1[0]), "Fish & Chips");
    form.buttonplus1->SetAccessibleName("seven");
    EXPECT_EQ(name(form.buttonplus1[0]), "seven");
    form.Label1->SetCaption("One line\r\nwrapped.\r\n\r\nAnother paragraph.");
    EXPECT_EQ(name(form.Label1[0]), "One line wrapped.\nAnother paragraph.");
    form.Label1->SetLabelFor(form.Text1[0]);
    form.Label1->SetCaption("wind speed (kt)");
    EXPECT_EQ(name(form.Text1[0]), "wind speed (kt)");

    ASSERT_TRUE(form.Label1.Load(1));
    form.Label1[1].SetVisible(true);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.NativeWidget());
    const int shown = window->childCount();
    form.Label1[1].SetDecorative(true);  // a shadow: out of the tree
    EXPECT_EQ(window->childCount(), shown - 1);
}

TEST_F(ShownForm, TextSetFromCodeRunsChange) {
    form.Text1->SetText("12");
    form.Text1->SetText("12");  // unchanged: no event
    EXPECT_EQ(form.changes, (std::vector<std::pair<int, std::string>>{{0, "12"}}));
    EXPECT_EQ(static_cast<QLineEdit*>(form.Text1->NativeWidget())->text(), "12");
}

TEST_F(ShownForm, KeysArriveAsCharacterCodesAndMayBeChanged) {
    QWidget* edit = form.Text1->NativeWidget();
    edit->setFocus();
    QTest::keyClicks(edit, "1x2a");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    std::vector<int> codes;
    for (auto& [index, code] : form.keys) codes.push_back(code);
    EXPECT_EQ(codes, (std::vector<int>{'1', 'x', '2', 'a', 8, 13, 27}));
    // x was swallowed; a became A, then the backspace removed it.
    EXPECT_EQ(form.Text1->Text(), "12");
    ASSERT_FALSE(form.changes.empty());
    EXPECT_EQ(form.changes.back().second, "12");
}

TEST_F(ShownForm, UserTypingOutsideTheCodePageReadsBackAsQuestionMark) {
    static_cast<QLineEdit*>(form.Text1->NativeWidget())->setText(QString::fromUtf8("7\u4E2D"));
    EXPECT_EQ(form.Text1->Text(), "7?");
}

TEST_F(ShownForm, RightButtonIsButtonTwoWithTwipPositions) {
    QTest::mouseClick(form.buttonplus1->NativeWidget(), Qt::RightButton, {}, QPoint(4, 6));
    ASSERT_EQ(form.mouseUps.size(), 1U);
    EXPECT_EQ(form.mouseUps[0].second, platform::RightButton);
    EXPECT_FLOAT_EQ(form.lastX, 4 * platform::TwipsPerPixelX());
    EXPECT_FLOAT_EQ(form.lastY, 6 * platform::TwipsPerPixelY());
    EXPECT_TRUE(form.clicks.empty());  // a right click does not press the button
    // The button ignores the right button; the click is still the button's, not the
    // window background's (which would open a second help box).
    EXPECT_TRUE(form.formMouseUps.empty());
}

TEST(Events, MouseOverAControlIsNotMouseOverTheWindow) {
    TestForm form;
    form.buttonplus1->Move(600, 600, 1200, 600);
    form.Show();
    QWidget* window = form.NativeWidget();
    QWidget* button = form.buttonplus1->NativeWidget();
    const QPoint onButton = button->mapTo(window, QPoint(5, 5));
    QMouseEvent overButton(QEvent::MouseMove, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &overButton);
    EXPECT_EQ(form.formMoves, 0);
    QTest::mouseClick(window, Qt::RightButton, {}, QPoint(window->width() - 3, window->height() - 3));  // bare background
    QTest::mouseClick(window, Qt::RightButton, {}, onButton);
    EXPECT_EQ(form.formMouseUps, std::vector<int>{platform::RightButton});
    form.Unload();
}

TEST_F(ShownForm, MouseMoveReachesLabels) {
    QTest::mouseMove(form.Label1->NativeWidget(), QPoint(3, 3));
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form.Label1->NativeWidget(), &move);
    EXPECT_FALSE(form.moves.empty());
}

TEST(Events, AltWithAccessKeyPressesTheButton) {
    TestForm form;
    form.buttonplus1->SetCaption("&Go");
    form.Show();
    QWidget* window = form.NativeWidget();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_G, Qt::AltModifier);
    // The access key runs an animated click, about 100 ms later.
    ASSERT_TRUE(WaitUntil([&] { return form.clicks.size() == 1; }));
    EXPECT_EQ(form.clicks[0], (std::pair<int, int>{0, 1}));
    form.Unload();
}

TEST_F(ShownForm, TicksAtItsIntervalAndZeroStopsIt) {
    int ticks = 0;
    form.Timer1.Timer = [&](int) { ++ticks; };
    form.Timer1->SetInterval(10);
    EXPECT_TRUE(WaitUntil([&] { return ticks >= 2; }));
    form.Timer1->SetInterval(0);
    const int seen = ticks;
    QTest::qWait(60);
    EXPECT_EQ(ticks, seen);
    form.Timer1->SetInterval(-5);  // refused
    EXPECT_EQ(form.Timer1->Interval(), 0);
}

TEST(Drawing, PersistsInTheBackgroundImage) {
    TestForm form;
    form.Move(0, 0, 3000, 2000);
    form.Show();
    form.SetRecordDrawing(true);
    form.Line(0, 150, 3000, 150, 255);
    form.Box(300, 300, 600, 600, 65280, true);
    ASSERT_EQ(form.DrawnItems().size(), 2U);
    EXPECT_TRUE(form.DrawnItems()[1].box);
    EXPECT_EQ(form.DrawnColourAt(1500, 150), 255);
    EXPECT_EQ(form.DrawnColourAt(450, 450), 65280);
    EXPECT_EQ(form.DrawnColourAt(1500, 1500), -1);
    // Still there after the window has repainted and grown.
    form.NativeWidget()->repaint();
    form.SetWidth(6000);
    EXPECT_EQ(form.DrawnColourAt(450, 450), 65280);
    QImage shot = form.NativeWidget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(qRound(450 / platform::TwipsPerPixelX()), qRound(450 / platform::TwipsPerPixelY())),
              QColor(0, 255, 0));
    form.Unload();
}

TEST_F(ShownForm, SafeSetFocusPassesOverHiddenDisabledAndMissing) {
    QWidget* window = form.NativeWidget();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    ASSERT_TRUE(form.Text1.Load(1));
    platform::SafeSetFocus(form.Text1[1]);  // hidden
    EXPECT_FALSE(form.Text1[1].HasFocus());
    form.Text1[1].SetVisible(true);
    form.Text1[1].SetEnabled(false);
    platform::SafeSetFocus(form.Text1[1]);
    EXPECT_FALSE(form.Text1[1].HasFocus());
    platform::SafeSetFocus(form.Text1[9]);  // missing: nothing happens
    form.Text1[1].SetEnabled(true);
    platform::SafeSetFocus(form.Text1[1]);
    EXPECT_TRUE(form.Text1[1].HasFocus());
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    platform::ResetMousePointer();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace

AVC_QT_TEST_MAIN()
