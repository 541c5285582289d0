// The main window driven through its controls, and the program's whole life. What the
// end-to-end runs already show (2+3, a conversion, the seven formulas, a search keeping a
// match, a distance, help by keyboard, closing) is not repeated here; these are the
// window's own rules.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <filesystem>
#include <map>

#include "common/shared_routines.h"
#include "engine/conversions.h"
#include "qt_test_main.h"
#include "startup/data_file.h"
#include "startup/text_lines.h"
#include "tests/test_files.h"
#include "window/avbox.h"
#include "window/avc.h"
#include "window/avcalc1.h"
#include "window/shutdown.h"

namespace {

const std::string& T(int n) {
    return AvcalcMod::TextLine(n);
}

// The main window as the start-up sequence leaves it: globals from the real data file,
// the window loaded and shown offscreen. Tests drive it through its controls.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::current_path(AVC_BUILD_DIR);  // vdats.tst and m9.gif are there
        // Every box the window opens is answered from `answers` (1 OK, 2 the second
        // button, Esc, CloseControl); a box with no answer left is closed as Esc would
        // close it.
        platform::SetModalHook([this](platform::Form& form) {
            if (&form != &TheBox()) return;
            boxes.push_back({TheBox().Caption(), TheBox().Label1[0].Caption()});
            shownOnDisplay.push_back(w().Label1->Caption());
            const int answer = next < answers.size() ? answers[next++] : Esc;
            if (answer == CloseControl) {
                NativeWidget(TheBox())->close();
            } else if (answer == Esc) {
                QTest::keyClick(NativeWidget(TheBox()), Qt::Key_Escape);
            } else {
                TheBox().buttonplus1_Click(answer - 1);
            }
            if (TheBox().IsLoaded()) AvcalcMod::UnloadForm(&TheBox());
        });
        PrepareGlobals();
        w().Show();
        // Focus moves only inside the active window.
        NativeWidget(w())->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(NativeWidget(w())));
    }
    void TearDown() override {
        platform::SetModalHook(nullptr);
        w().Unload();
    }
    static avc& w() { return TheMainWindow(); }

    struct Box {
        std::string caption, text;
    };
    std::vector<Box> boxes;                            // every box shown, in order
    std::vector<std::string> shownOnDisplay;           // the display while each box was up
    static constexpr int Esc = 27, CloseControl = -1;  // CloseControl: the frame's
    std::vector<int> answers;
    std::size_t next = 0;

    // Presses the keypad keys whose captions are the characters.
    void Keys(const std::string& text) {
        for (char c : text) {
            ASSERT_NE(T(211).find(c), std::string::npos) << "no key " << c;
            avc::Press(w().buttonplus1[static_cast<int>(T(211).find(c))]);
        }
    }
    std::string Display() { return w().Label1->Caption(); }
    // The formula (conversion) button whose caption marks the code.
    static int Button(platform::ControlArray& buttons, char code) {
        for (int i : buttons.Indexes())
            if (engine::ConversionCode(buttons[i].Caption()) == std::string(1, code)) return i;
        ADD_FAILURE() << "no button for " << code;
        return 0;
    }
    int FormulaButton(char code) { return Button(w().buttonplus3, code); }
    int ConversionButton(char code) { return Button(w().buttonplus2, code); }
    void ChooseFormula(char code) { avc::Press(w().buttonplus3[FormulaButton(code)]); }
};

constexpr std::int32_t Navy = 6291456;    // RGB(0, 0, 96)
constexpr std::int32_t Light = 16318463;  // RGB(255, 255, 248)

// The darkest grey level (0 black .. 255 white) of a control as it is drawn: on these
// light buttons, the colour of the caption.
int DarkestGrey(platform::Control& control) {
    const QImage image = NativeWidget(control)->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

// '<' takes two characters off (itself and the one before) unless the display holds one;
// exponent forms are whole operands; a bracket next to a number multiplies; keys after
// the error text are appended to it; a result in exponent form cannot be typed on. Each
// row is pressed (where every character is a key), then typed on a focused key:
// Backspace is '<', "^" is appended, "*" and a capital C are no keys, a small c clears.
TEST_F(MainWindowTest, KeysAppendAndEqualsEvaluates) {
    // "!" stands for the no-solution text.
    const std::pair<std::string, const char*> cases[] = {
        {"2+3=x2=", "10"}, {"007=", "7"},       {"5<", ""},
        {"<", "<"},        {"12<", "1"},        {"=", "!"},
        {"=5", "!5"},      {"=5=", "!"},        {"1000000000x1000000000=x2=", "!"},
        {"2(3)=", "6"},    {"4^2\bC*3=", "64"}, {"12c", ""},
    };
    for (const auto& [keys, display] : cases) {
        for (bool typed : {false, true}) {
            if (!typed && keys.find_first_not_of(T(211)) != std::string::npos) continue;
            Keys("C");
            for (char k : keys) {
                int code = static_cast<unsigned char>(k);
                typed ? w().buttonplus1_KeyPress(0, code) : Keys(std::string(1, k));
            }
            EXPECT_EQ(Display(), display[0] == '!' ? T(562) + (display + 1) : display)
                << keys << (typed ? " typed" : "");
        }
    }
    // Enter on a conversion or formula button presses it, a small c clears.
    Keys("100");
    int enter = 13, small = 'c';
    w().buttonplus2_KeyPress(ConversionButton('u'), enter);
    EXPECT_EQ(Display(), "212");
    w().buttonplus2_KeyPress(0, small);
    EXPECT_EQ(Display(), "");
    w().buttonplus3_KeyPress(FormulaButton('w'), enter);
    EXPECT_EQ(w().Mode, 3);
    w().buttonplus3_KeyPress(0, small);
    EXPECT_EQ(w().Mode, 0);
}

// Copy takes the display's whole line wherever the focus is but in a field; paste on a
// keypad key types the clipboard's first line, at most 1,000 characters, through the
// keypad's rules (other characters, an Esc among them, are no key).
TEST_F(MainWindowTest, CopyAndPasteGoThroughTheDisplayAndTheKeypad) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    platform::Control* key = &w().buttonplus1[0];
    platform::Control* conversion = &w().buttonplus2[ConversionButton('u')];
    const auto ctrl = Qt::ControlModifier;
    const struct {
        const char* name;
        std::string keys, clipboard;
        platform::Control* focus;
        Qt::KeyboardModifier modifier;
        Qt::Key key;
        std::string display, copied;
    } rows[] = {
        {"Ctrl+C after 2x3=", "2x3=", "old", key, ctrl, Qt::Key_C, "6", "6"},
        {"Ctrl+Insert on a conversion", "12.5", "", conversion, ctrl, Qt::Key_Insert, "12.5",
         "12.5"},
        {"Ctrl+C on the display", "1+", "", &w().Label1[0], ctrl, Qt::Key_C, "1+", "1+"},
        {"Ctrl+V types", "", "2x(3+4)=", key, ctrl, Qt::Key_V, "14", "2x(3+4)="},
        {"Shift+Insert up to the line break", "9", "12\r\n34", &w().buttonplus1[avc::EqualsKey],
         Qt::ShiftModifier, Qt::Key_Insert, "912", "12\r\n34"},
        {"letters, Esc and Tab are no keys; c clears", "", "7a\x1b\t8c5", key, ctrl, Qt::Key_V, "5",
         "7a\x1b\t8c5"},
        {"1,000 of 1,500 digits", "", std::string(1500, '9'), key, ctrl, Qt::Key_V,
         std::string(1000, '9'), std::string(1500, '9')},
        {"no paste on a conversion", "1", "2", conversion, ctrl, Qt::Key_V, "1", "2"},
    };
    for (const auto& row : rows) {
        Keys("C");
        Keys(row.keys);
        clipboard->setText(QString::fromLatin1(row.clipboard));
        row.focus->SetFocus();
        QTest::keyClick(NativeWidget(*row.focus), row.key, row.modifier);
        EXPECT_EQ(Display(), row.display) << row.name;
        EXPECT_EQ(clipboard->text().toStdString(), row.copied) << row.name;
        EXPECT_TRUE(w().IsLoaded()) << row.name;
    }
    // A field keeps its own: Ctrl+C there copies its selected text.
    ChooseFormula('a');
    w().Text1[0].SetText("29.92");
    QTest::keyClick(NativeWidget(w().Text1[0]), Qt::Key_A, ctrl);
    QTest::keyClick(NativeWidget(w().Text1[0]), Qt::Key_C, ctrl);
    EXPECT_EQ(clipboard->text(), QStringLiteral("29.92"));
}

// After a conversion '=' and '<' wait; a digit goes on from the result in calculator mode.
TEST_F(MainWindowTest, AfterAConversionEqualsWaitsAndKeysContinue) {
    Keys("32");
    avc::Press(w().buttonplus2[ConversionButton('f')]);
    Keys("=");
    EXPECT_EQ(Display(), "0");
    Keys("<");
    EXPECT_EQ(std::pair(w().Mode, w().PendingFormula), std::pair(2, std::string("f")));
    Keys("5+1=");
    EXPECT_EQ(std::pair(Display(), w().Mode), std::pair(std::string("6"), 0));
}

// Every "&" key of the window belongs to one control, and Alt with it presses that
// control: each conversion converts 100 by its own units (values from the unit
// definitions, two decimals), each formula button waits for its own fields.
TEST_F(MainWindowTest, EveryAltKeyIsUniqueAndPressesItsButton) {
    std::map<char, std::string> owner;
    for (platform::ControlArray* array : std::initializer_list<platform::ControlArray*>{
             &w().buttonplus1, &w().buttonplus2, &w().buttonplus3, &w().Label1, &w().Label2}) {
        for (int i : array->Indexes()) {
            const std::string& caption = (*array)[i].Caption();
            const auto amp = caption.find('&');
            if (!(*array)[i].UseMnemonic() || amp == caption.npos || amp + 1 == caption.size())
                continue;
            const auto [at, fresh] = owner.emplace(AvcalcMod::LowerChar(caption[amp + 1]), caption);
            EXPECT_TRUE(fresh) << "Alt+" << at->first << ": " << at->second << ", " << caption;
        }
    }
    EXPECT_EQ(owner.size(), 18U + 9U);  // every conversion and formula button has its key

    // Alt with the key presses the button, an animated click some 100 ms later.
    auto altPress = [&](platform::Control& button, const std::function<bool()>& done) {
        const std::string& caption = button.Caption();
        QTest::keyClick(NativeWidget(w()), caption[caption.find('&') + 1], Qt::AltModifier);
        return QTest::qWaitFor(done, 2000);
    };
    const char* const hundredConverted[18] = {
        "115.08", "86.9",  "185.2",  "54",      "30.48", "328.08", "378.54", "26.42", "454.61",
        "22",     "45.36", "220.46", "3386.39", "2.95",  "600",    "670",    "212",   "37.78"};
    for (int m = 0; m <= 17; ++m) {
        Keys("C100");
        EXPECT_TRUE(altPress(w().buttonplus2[m], [&] { return Display() == hundredConverted[m]; }))
            << w().buttonplus2[m].Caption() << " shows " << Display();
    }
    for (int i = 0; i <= 8; ++i) {
        Keys("C");
        const std::string code = engine::ConversionCode(w().buttonplus3[i].Caption());
        EXPECT_TRUE(altPress(w().buttonplus3[i], [&] { return w().PendingFormula == code; }))
            << w().buttonplus3[i].Caption();
    }
}

// A formula shows its fields and greys the keys it does not use (clear and '=' keep
// their captions); choosing another empties the fields first; clear brings it all back.
TEST_F(MainWindowTest, FormulaModeGreysKeysAndClearRestoresThem) {
    platform::Control& digit = w().buttonplus1[0];
    platform::Control& conversion = w().buttonplus2[0];
    const int digitCaption = DarkestGrey(digit), conversionCaption = DarkestGrey(conversion);
    const int clearCaption = DarkestGrey(w().buttonplus1[11]);
    ChooseFormula('d');
    for (int i = 0; i < 20; ++i) EXPECT_EQ(w().buttonplus1[i].Enabled(), i == 11 || i == 17) << i;
    for (int i = 0; i < 18; ++i) EXPECT_FALSE(w().buttonplus2[i].Enabled()) << i;
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(w().buttonplus3[i].Enabled()) << i;
    EXPECT_GT(DarkestGrey(digit), digitCaption + 60);
    EXPECT_GT(DarkestGrey(conversion), conversionCaption + 60);
    EXPECT_EQ(DarkestGrey(w().buttonplus1[11]), clearCaption);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(w().Text1[i].Visible()) << i;
    EXPECT_TRUE(w().Text1[0].HasFocus());
    EXPECT_FALSE(w().Timer1->Enabled());

    w().Text1[0].SetText("90");
    ChooseFormula('w');
    EXPECT_FALSE(w().Text1[2].Visible() || w().Text1[3].Visible());
    EXPECT_EQ(w().Text1[0].Text(), "");

    Keys("C");
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(w().buttonplus1[i].Enabled()) << i;
    EXPECT_EQ(DarkestGrey(digit), digitCaption);
    EXPECT_FALSE(w().Text1[0].Visible() || w().Text1[1].Visible());
    EXPECT_EQ(std::tuple(Display(), w().Mode, w().Timer1->Enabled()), std::tuple("", 0, true));
}

// A rejected field shows its limit and turns the display's text light for that press.
TEST_F(MainWindowTest, ARejectedFieldShowsItsLimitForOnePress) {
    ChooseFormula('w');
    w().Text1[0].SetText("1e308");
    w().Text1[1].SetText("30");
    Keys("=");
    EXPECT_EQ(std::pair(w().Text1[0].Text(), w().Label1->ForeColor()),
              std::pair(T(358) + "999", Light));
    w().Text1[0].SetText("20");
    Keys("=");
    EXPECT_EQ(std::pair(Display(), w().Label1->ForeColor()),
              std::pair(T(230) + "10" + T(231) + "17", Navy));
    w().Text1[0].SetText("1e308");
    Keys("=C");
    EXPECT_EQ(w().Label1->ForeColor(), Navy);
}

// In a field: "=" typed or pasted at the end presses the equals key once and leaves the
// field without it; Enter moves to the next field (none after the last); Esc clears and
// does not close the window.
TEST_F(MainWindowTest, FieldsTakeEqualsEnterAndEsc) {
    int equals = 0;
    auto original = w().buttonplus1.Click;
    w().buttonplus1.Click = [&](int Index) {
        if (Index == 17 && w().buttonplus1[17].Value() == 0) ++equals;
        original(Index);
    };
    ChooseFormula('e');
    QTest::keyClicks(NativeWidget(w().Text1[0]), "30.12=");
    EXPECT_EQ(std::tuple(w().Text1[0].Text(), equals, Display()),
              std::tuple("30.12", 1, T(27) + "-200 feet."));
    w().Text1[0].SetText("12=");
    EXPECT_EQ(std::pair(w().Text1[0].Text(), equals), std::pair(std::string("12"), 2));
    w().buttonplus1.Click = original;

    ChooseFormula('a');
    int enter = 13, esc = 27;
    w().Text1_KeyPress(0, enter);
    EXPECT_TRUE(w().Text1[1].HasFocus());
    w().Text1_KeyPress(3, enter);
    w().Text1_KeyPress(1, esc);
    EXPECT_EQ(w().Mode, 0);
    EXPECT_FALSE(w().Text1[0].Visible());
    EXPECT_TRUE(w().IsLoaded());
}

// Each match is asked about in turn: OK keeps it, Skip goes on; Esc or the close control
// end the search at once ("airport" matches thousands of names). The display shows a
// match's "&" as itself. (Skip then OK, Esc on the first and the question's title: the
// end-to-end runs.)
TEST_F(MainWindowTest, TheSearchAsksAboutEachMatch) {
    const struct {
        const char* name;
        const char* text;
        std::vector<int> answers;
        std::size_t questions;
        const char* kept;  // held by the display; "" for the not-found text
    } cases[] = {
        {"an ampersand in the name", "h & m fast", {1}, 1, "SPIRITWOOD / H & M FAST FARMS"},
        {"close control on the first", "airport", {CloseControl}, 1, ""},
        {"skip, then Esc", "airport", {2, Esc}, 2, ""},
        {"the only match skipped", "macdonald-cartier", {2}, 1, ""},
        {"no match", "no aerodrome has this name", {}, 0, ""},
    };
    for (const auto& c : cases) {
        boxes.clear();
        answers = c.answers;
        next = 0;
        ChooseFormula('p');
        w().Text1[0].SetText(c.text);
        Keys("=");
        ASSERT_EQ(boxes.size(), c.questions) << c.name;
        EXPECT_EQ(qobject_cast<QLabel*>(NativeWidget(w().Label1[0]))->text().toStdString(),
                  Display());
        const std::string kept = *c.kept ? shownOnDisplay.back() : T(218);
        EXPECT_EQ(Display(), kept) << c.name;
        EXPECT_NE(kept.find(c.kept), std::string::npos) << c.name << ": " << kept;
        EXPECT_EQ(w().PendingFormula, "") << c.name;  // '=' does nothing more
        EXPECT_EQ(AvcalcMod::OpenFileCount(), 0U) << c.name;
    }
}

// A right click shows the help of the group (the keypad, the conversions, the search and
// the distance by keyboard in the end-to-end run); formula buttons 3 and 4 are the
// flight plan's, the others the formulae's; on the window, the window's.
TEST_F(MainWindowTest, RightClickShowsTheHelpOfEachGroup) {
    for (int index : {3, 2, 8}) w().buttonplus3.MouseUp(index, platform::RightButton, 0, 10, 10);
    w().buttonplus1.MouseUp(4, platform::LeftButton, 0, 10, 10);  // only the right button
    w().Form_MouseUp(platform::RightButton, 0, 10, 10);
    std::vector<std::string> titles;
    for (const Box& box : boxes) titles.push_back(box.caption);
    EXPECT_EQ(titles,
              (std::vector<std::string>{"   Flight Plan - Help", "   Formulae - Help",
                                        "   Formulae - Help", "   Aviation Calculator Help"}));
}

TEST_F(MainWindowTest, OnlyTheButtonUnderTheMouseIsUnderlined) {
    w().buttonplus1.MouseMove(3, 0, 0, 10, 10);
    EXPECT_TRUE(w().buttonplus1[3].FontUnderline());
    w().buttonplus2.MouseMove(5, 0, 0, 10, 10);
    EXPECT_EQ(std::pair(w().buttonplus1[3].FontUnderline(), w().buttonplus2[5].FontUnderline()),
              std::pair(false, true));
    w().Label1.MouseMove(0, 0, 0, 10, 10);
    EXPECT_FALSE(w().buttonplus2[5].FontUnderline());
}

// Without its data file the window is built with blank captions and one box names the
// file and the folder it was looked for in; its keys do no harm.
TEST_F(MainWindowTest, RunsWithoutItsDataFileAndPicture) {
    w().Unload();
    testing_files::TempDir dir;
    std::filesystem::current_path(dir.Path());
    AvcalcMod::ResetGlobals();
    PrepareGlobals();
    w().Show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.empty(); }));
    QTest::qWait(50);
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].caption, "   Data File Not Read");
    EXPECT_NE(boxes[0].text.find("vdats.tst"), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find(std::filesystem::canonical(dir.Path()).string()),
              std::string::npos)
        << boxes[0].text;
    // Blank captions; no frames without m9.gif.
    EXPECT_EQ(std::pair(w().buttonplus1[3].Caption(), w().Image3.Count()),
              std::pair(std::string(), 1));
    avc::Press(w().buttonplus1[17]);
    EXPECT_EQ(Display(), "");        // the error text is empty too
    avc::Press(w().buttonplus3[2]);  // a caption without a code: formula mode, no field
    EXPECT_FALSE(w().Text1[0].Visible());
    avc::Press(w().buttonplus1[11]);
    EXPECT_EQ(w().Mode, 0);
    std::filesystem::current_path(AVC_BUILD_DIR);
}

}  // namespace

// The first paint shows the window as its load leaves it: pixel for pixel the picture the
// calculator started with before its start-up was shortened (first-picture.png, the
// gradient's style fixed as every test fixes it), and what is left for after the first
// paint changes nothing that shows. AVC_WRITE_FIRST_PICTURE=path saves the picture seen.
TEST(FirstPicture, IsTheOneTheCalculatorAlwaysShowed) {
    std::filesystem::current_path(AVC_BUILD_DIR);
    PrepareGlobals();
    avc& window = TheMainWindow();
    window.Show();
    auto picture = [&] {
        return NativeWidget(window)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage first = picture();
    window.Timer1->SetEnabled(false);  // the animation's next frame would show
    QTest::qWait(300);
    const QImage settled = picture();
    window.Unload();
    if (qEnvironmentVariableIsSet("AVC_WRITE_FIRST_PICTURE"))
        first.save(qEnvironmentVariable("AVC_WRITE_FIRST_PICTURE"));
    const QImage reference = QImage(AVC_SOURCE_DIR "/tests/window/first-picture.png")
                                 .convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(first == reference) << "the first picture differs";
    EXPECT_TRUE(settled == reference) << "the picture after the first paint differs";
}

// The whole life of the program: the start-up window's load handler shows the main window
// modally; closing it from its frame leads to the farewell box once and the end, with
// every file closed and every window taken down. A click on the farewell text opens the
// maker's web page and ends at once, without a second farewell box.
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
    const std::tuple<const char*, std::function<void(avbox&)>, std::size_t> cases[] = {
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
    for (const auto& [name, way, pagesOpened] : cases) {
        AvcalcMod::ResetShutDown();
        ended = 0;
        shown.clear(), opened.clear(), formsUp.clear();
        farewell = way;
        Avcalc1 startup;
        startup.Load();
        EXPECT_EQ(shown, (std::vector<std::string>{"avc", "avbox"})) << name;
        EXPECT_EQ(formsUp, (std::vector<int>{1, 1})) << name;  // the main window went first
        EXPECT_FALSE(fileOpenAtFarewell) << name;
        EXPECT_EQ(opened, std::vector<std::string>(pagesOpened, AvcalcMod::WebAddress)) << name;
        EXPECT_EQ(ended, 1) << name;
        EXPECT_TRUE(platform::Forms().empty()) << name;
        EXPECT_EQ(AvcalcMod::CurrentForm, nullptr) << name;
    }
    platform::SetModalHook(nullptr);
    AvcalcMod::SetEndProgramHook(nullptr);
    SetWebAddressOpener(nullptr);
}

AVC_QT_TEST_MAIN()
