#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "common/shared_routines.h"
#include "qt_test_main.h"
#include "startup/avcalc_mod.h"
#include "startup/builtin_texts.h"
#include "tests/window/main_window_fixture.h"

using namespace windowtest;

namespace {

constexpr std::int32_t Navy = 6291456;    // RGB(0, 0, 96)
constexpr std::int32_t Light = 16318463;  // RGB(255, 255, 248)
constexpr float S = 1.28F;

// The darkest grey level (0 black .. 255 white) of a control as it is drawn: on these
// light buttons, the colour of the caption.
int DarkestGrey(platform::Control& control) {
    const QImage image = control.NativeWidget()->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

// ---------------------------------------------------------------------------------
// Construction

TEST_F(MainWindowTest, ControlsSitWhereTheLayoutPutsThemAfterScaling) {
    const struct {
        platform::ControlArray* array;
        int index;
        float left, top, width, height;
    } cases[] = {
        {&w().buttonplus1, 11, 1140, 2260, 450, 500},  // clear: column 3, row 4
        {&w().buttonplus1, 17, 2100, 1130, 450, 500},  // equals: column 5, row 2
        {&w().buttonplus1, 0, 180, 565, 450, 500},
        {&w().buttonplus2, 17, 5780, 2410, 1500, 350},  // last conversion: column 3, row 6
        {&w().buttonplus2, 0, 2640, 560, 1500, 350},
        {&w().buttonplus3, 5, 180, 2800, 1720, 400},
        {&w().buttonplus3, 4, 8180, 3240, 1920, 500},
        {&w().Text1, 3, 7400, 2410, 2700, 320},
        {&w().Label2, 1, 7400, 1560, 2700, 320},
        {&w().Label2, 5, 7418, 1575, 2700, 320},  // the shadow, 18 right and 15 down
        {&w().Label1, 0, 180, 100, 9950, 350},
    };
    for (const auto& c : cases) {
        platform::Control& control = (*c.array)[c.index];
        SCOPED_TRACE(c.array->Name() + "(" + std::to_string(c.index) + ")");
        EXPECT_FLOAT_EQ(control.Left(), c.left * S);
        EXPECT_FLOAT_EQ(control.Top(), c.top * S);
        EXPECT_FLOAT_EQ(control.Width(), c.width * S);
        EXPECT_FLOAT_EQ(control.Height(), c.height * S);
    }
    EXPECT_EQ(w().buttonplus1.Count(), 20);
    EXPECT_EQ(w().buttonplus2.Count(), 18);
    EXPECT_FALSE(w().buttonplus2.Exists(18));
    EXPECT_EQ(w().buttonplus3.Count(), 9);
    EXPECT_FLOAT_EQ(w().Width(), 13312.0F);
    EXPECT_FLOAT_EQ(w().Height(), 5568.0F);
}

TEST_F(MainWindowTest, CaptionsAndToolTipsComeFromTheDataFile) {
    EXPECT_EQ(w().buttonplus1[11].Caption(), "C");
    EXPECT_EQ(w().buttonplus1[17].Caption(), "=");
    EXPECT_EQ(w().buttonplus1[16].Caption(), "<");
    EXPECT_EQ(w().buttonplus2[4].Caption(), T(212).substr(56, 13));
    EXPECT_EQ(w().buttonplus3[7].Caption(), T(277));
    EXPECT_EQ(w().buttonplus1[3].ToolTipText(), T(282) + T(39));
    EXPECT_EQ(w().buttonplus2[9].ToolTipText(), T(279) + T(39));
    EXPECT_EQ(w().buttonplus3[0].ToolTipText(), T(280) + T(39));
    EXPECT_EQ(w().buttonplus3[3].ToolTipText(), T(99) + T(39));
    EXPECT_EQ(w().buttonplus3[4].ToolTipText(), T(361) + T(39));
    EXPECT_EQ(w().buttonplus3[8].ToolTipText(), T(362) + T(39));
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(w().Text1[i].Visible()) << i;
    EXPECT_EQ(Display(), "");
    EXPECT_EQ(w().Label1->ForeColor(), Navy);
    EXPECT_EQ(w().Label1->BackColor(), Light);
    EXPECT_EQ(w().Mode, 0);
    EXPECT_EQ(w().NameFragments[1], T(220).substr(1, 2));
    EXPECT_EQ(w().Caption().substr(0, 11), "   Quenmar ");
}

// ---------------------------------------------------------------------------------
// Keypad

TEST_F(MainWindowTest, KeysAppendAndEqualsEvaluates) {
    const struct {
        const char* keys;
        const char* display;  // "!" stands for the no-solution text
    } cases[] = {
        {"2+3=", "5"},
        {"2+3=x2=", "10"},
        {"5<", ""},
        {"<", "<"},
        {"<<", ""},
        {"=", "!"},
        {"1000000000x1000000000=", "1E+18"},  // exponent forms are whole operands
        {"1/1000000+1=", "1.000001"},
        {"1/10000000=", "1E-07"},
        {"2(3)=", "6"},  // a bracket next to a number multiplies
    };
    for (const auto& c : cases) {
        Key('C');
        Keys(c.keys);
        std::string expected = std::string(c.display) == "!" ? T(562) : c.display;
        EXPECT_EQ(Display(), expected) << c.keys;
        EXPECT_EQ(w().Mode, 0) << c.keys;
    }
}

TEST_F(MainWindowTest, AResultInExponentFormCannotBeContinued) {
    Keys("100000000000000000000");
    avc::Press(w().buttonplus2[ConversionButton('n')]);
    EXPECT_EQ(Display(), "1.150779E+20");
    Keys("x2=");
    EXPECT_EQ(Display(), T(562));
}

TEST_F(MainWindowTest, KeysTypedAfterTheErrorTextAreAppended) {
    Keys("=");
    Keys("5");
    EXPECT_EQ(Display(), T(562) + "5");
    Keys("=");
    EXPECT_EQ(Display(), T(562));
    Keys("C");
    EXPECT_EQ(Display(), "");
}

TEST_F(MainWindowTest, EveryPressRunsOnceAndLeavesTheKeyReleased) {
    int clicks = 0;
    auto original = w().buttonplus1.Click;
    w().buttonplus1.Click = [&](int Index) {
        ++clicks;
        original(Index);
    };
    Keys("7");
    EXPECT_EQ(Display(), "7");
    EXPECT_EQ(clicks, 2);  // the set click releases, the released click works
    EXPECT_EQ(w().buttonplus1[0].Value(), 0);
    w().buttonplus1.Click = original;
}

TEST_F(MainWindowTest, KeyboardOnAFocusedKey) {
    auto type = [&](int code) { w().buttonplus1_KeyPress(0, code); };
    type('4');
    type('^');
    type('2');
    EXPECT_EQ(Display(), "4^2");
    type(8);  // backspace deletes like "<"
    EXPECT_EQ(Display(), "4^");
    type('C');  // only the lower case letter clears
    EXPECT_EQ(Display(), "4^");
    type('*');  // multiplication is "x"
    EXPECT_EQ(Display(), "4^");
    type('3');
    type('=');
    EXPECT_EQ(Display(), "64");
    type('c');
    EXPECT_EQ(Display(), "");
}

TEST_F(MainWindowTest, RealKeyStrokesReachTheKeypad) {
    QWidget* key = w().buttonplus1[0].NativeWidget();
    ASSERT_NE(key, nullptr);
    QTest::keyClicks(key, "12+30");
    QTest::keyClick(key, Qt::Key_Backspace);
    QTest::keyClicks(key, "=");
    EXPECT_EQ(Display(), "15");
}

TEST_F(MainWindowTest, EnterAndCOnConversionAndFormulaButtons) {
    Keys("100");
    int enter = 13;
    w().buttonplus2_KeyPress(ConversionButton('u'), enter);
    EXPECT_EQ(Display(), "212");
    int c = 'c';
    w().buttonplus2_KeyPress(0, c);
    EXPECT_EQ(Display(), "");
    w().buttonplus3_KeyPress(FormulaButton('w'), enter);
    EXPECT_EQ(w().Mode, 3);
    EXPECT_TRUE(w().Text1[1].Visible());
    w().buttonplus3_KeyPress(0, c);
    EXPECT_EQ(w().Mode, 0);
    EXPECT_FALSE(w().Text1[0].Visible());
}

// ---------------------------------------------------------------------------------
// Conversions

TEST_F(MainWindowTest, ConversionsShowTwoDecimalsInGeneralForm) {
    const struct {
        const char* keys;
        char code;
        const char* display;
    } cases[] = {
        {"32", 'f', "0"},     {"100", 'u', "212"}, {"-40", 'f', "-40"},
        {"5x2", 'n', "5.75"},  // the leading number only: 5 x 1.150779 = 5.753895
        {"10", 'j', "67"},     // jet fuel at 6.7 lb per US gallon
    };
    for (const auto& c : cases) {
        Key('C');
        Keys(c.keys);
        avc::Press(w().buttonplus2[ConversionButton(c.code)]);
        EXPECT_EQ(Display(), c.display) << c.keys << " " << c.code;
        EXPECT_EQ(w().Mode, 2);
        EXPECT_EQ(w().PendingFormula, std::string(1, c.code));
    }
}

TEST_F(MainWindowTest, AfterAConversionEqualsWaitsAndKeysContinue) {
    Keys("32");
    avc::Press(w().buttonplus2[ConversionButton('f')]);
    Keys("=");
    EXPECT_EQ(Display(), "0");
    EXPECT_EQ(w().Mode, 2);
    Keys("<");
    EXPECT_EQ(w().Mode, 2);
    Keys("5+1=");
    EXPECT_EQ(Display(), "6");
    EXPECT_EQ(w().Mode, 0);

    Key('C');
    avc::Press(w().buttonplus2[0]);  // an empty display stays empty
    EXPECT_EQ(Display(), "");
    EXPECT_EQ(w().Mode, 2);

    Keys("100");
    avc::Press(w().buttonplus2[ConversionButton('u')]);
    avc::Press(w().buttonplus2[ConversionButton('f')]);  // converts the first result again
    EXPECT_EQ(Display(), "100");
}

// Every "&" key of the window belongs to one control, and Alt with it presses that
// control: each conversion converts 100 by its own units (values from the unit
// definitions, two decimals), each formula button waits for its own fields.
TEST_F(MainWindowTest, EveryAltKeyIsUniqueAndPressesItsButton) {
    std::map<char, std::string> owner;
    for (platform::ControlArray* array : std::initializer_list<platform::ControlArray*>{
             &w().buttonplus1, &w().buttonplus2, &w().buttonplus3, &w().Label1, &w().Label2}) {
        for (int i : array->Indexes()) {
            platform::Control& control = (*array)[i];
            const std::string& caption = control.Caption();
            const auto amp = caption.find('&');
            if (!control.UseMnemonic() || amp == std::string::npos || amp + 1 >= caption.size())
                continue;
            const std::string name = array->Name() + "(" + std::to_string(i) + ")";
            const char key = AvcalcMod::LowerChar(caption[amp + 1]);
            const auto [at, fresh] = owner.emplace(key, name);
            EXPECT_TRUE(fresh) << "Alt+" << key << " serves " << at->second << " and " << name;
        }
    }
    EXPECT_EQ(owner.size(), 18U + 9U);  // every conversion and formula button has its key

    std::vector<int> pressed;
    // The window outlives the test: its own handlers go back when the test ends.
    struct Restore {
        platform::ControlArray& array;
        std::function<void(int)> original;
        ~Restore() { array.Click = original; }
    } restore[] = {{w().buttonplus2, w().buttonplus2.Click},
                   {w().buttonplus3, w().buttonplus3.Click}};
    for (Restore& r : restore) {
        r.array.Click = [&pressed, &r](int Index) {
            if (r.array[Index].Value() == 0) pressed.push_back(Index);  // the working click
            r.original(Index);
        };
    }
    auto altPress = [&](platform::Control& button) {
        const std::string& caption = button.Caption();
        pressed.clear();
        QTest::keyClick(w().NativeWidget(), caption[caption.find('&') + 1], Qt::AltModifier);
        return WaitUntil([&] { return !pressed.empty(); });
    };
    const char* const hundredConverted[18] = {
        "115.08", "86.9",    "185.2",  "54",  "30.48", "328.08", "378.54", "26.42", "454.61",
        "22",     "45.36",   "220.46", "3386.39", "2.95", "600", "670", "212", "37.78"};
    for (int m = 0; m <= 17; ++m) {
        Key('C');
        Keys("100");
        ASSERT_TRUE(altPress(w().buttonplus2[m])) << "conversion " << m;
        EXPECT_EQ(pressed, std::vector<int>{m});
        EXPECT_EQ(Display(), hundredConverted[m]) << w().buttonplus2[m].Caption();
    }
    for (int i = 0; i <= 8; ++i) {
        Key('C');
        ASSERT_TRUE(altPress(w().buttonplus3[i])) << "formula " << i;
        EXPECT_EQ(pressed, std::vector<int>{i});
        EXPECT_EQ(w().Mode, 3);
        EXPECT_EQ(w().PendingFormula, engine::ConversionCode(w().buttonplus3[i].Caption()));
    }
}

// ---------------------------------------------------------------------------------
// Formulas

TEST_F(MainWindowTest, FormulaPromptsAreAssembledFromTheDataFile) {
    const struct {
        char code;
        int fields;
        std::string prompt;
        std::vector<std::string> titles;
    } cases[] = {
        {'e', 1, T(23) + T(345) + T(210) + "    ", {T(345)}},
        {'a', 2, T(23) + T(341) + " and the " + T(342) + T(210), {T(341), T(342)}},
        {'d',
         4,
         T(23) + T(234) + ", " + T(235) + ", " + T(215) + " and " + T(216) + T(210),
         {T(234), T(235), T(215), T(216)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, c.code));
        ChooseFormula(c.code);
        EXPECT_EQ(w().Mode, 3);
        EXPECT_EQ(w().PendingFormula, std::string(1, c.code));
        EXPECT_EQ(Display(), c.prompt);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(w().Text1[i].Visible(), i < c.fields) << i;
            EXPECT_EQ(w().Label2[i + 4].Visible(), i < c.fields) << i;
            if (i < c.fields) {
                EXPECT_EQ(w().Label2[i].Caption(), c.titles[static_cast<std::size_t>(i)]);
                EXPECT_EQ(w().Label2[i + 4].Caption(), c.titles[static_cast<std::size_t>(i)]);
            }
        }
        EXPECT_TRUE(w().Text1[0].HasFocus());
        EXPECT_EQ(w().Label1->BackColor(), AvcalcMod::ColourTable[28]);
    }
}

TEST_F(MainWindowTest, FormulaModeDisablesKeysAndClearRestoresThem) {
    platform::Control& digit = w().buttonplus1[0];
    platform::Control& conversion = w().buttonplus2[0];
    const int digitCaption = DarkestGrey(digit), conversionCaption = DarkestGrey(conversion);
    const int clearCaption = DarkestGrey(w().buttonplus1[11]);
    ChooseFormula('d');
    for (int i = 0; i < 20; ++i) EXPECT_EQ(w().buttonplus1[i].Enabled(), i == 11 || i == 17) << i;
    for (int i = 0; i < 18; ++i) EXPECT_FALSE(w().buttonplus2[i].Enabled()) << i;
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(w().buttonplus3[i].Enabled()) << i;
    // Keys that cannot be pressed are drawn with a greyed caption; clear keeps its own.
    EXPECT_GT(DarkestGrey(digit), digitCaption + 60);
    EXPECT_GT(DarkestGrey(conversion), conversionCaption + 60);
    EXPECT_EQ(DarkestGrey(w().buttonplus1[11]), clearCaption);
    EXPECT_FALSE(w().Timer1->Enabled());
    EXPECT_EQ(w().Label1->Alignment(), platform::AlignCentre);

    w().Text1[0].SetText("90");
    ChooseFormula('w');  // choosing again clears the fields first
    EXPECT_FALSE(w().Text1[2].Visible());
    EXPECT_FALSE(w().Text1[3].Visible());
    EXPECT_EQ(w().Text1[0].Text(), "");

    Key('C');
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(w().buttonplus1[i].Enabled()) << i;
    EXPECT_EQ(DarkestGrey(digit), digitCaption);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(w().Text1[i].Visible()) << i;
    EXPECT_EQ(Display(), "");
    EXPECT_EQ(w().Mode, 0);
    EXPECT_TRUE(w().Timer1->Enabled());
    EXPECT_EQ(w().Label1->Alignment(), platform::AlignLeft);
    EXPECT_FLOAT_EQ(w().Label1->Top(), 130 * S);
}

TEST_F(MainWindowTest, FormulaResultsReachTheDisplay) {
    const struct {
        char code;
        std::vector<const char*> fields;
        std::string display;
    } cases[] = {
        {'e', {"30.12"}, T(27) + "-200 feet."},
        {'a', {"5500", "120"}, T(176) + "133.2"},
        {'s', {"30", "29.92"}, T(284) + "1832"},
        {'o', {"20", "50"}, T(236) + "9.3"},
        {'w', {"20", "30"}, T(230) + "10" + T(231) + "17"},
        {'d', {"90", "120", "360", "20"}, T(177) + "80 at 118"},
        {'-', {"90", "120", "80", "110"}, T(174) + "21 at 22"},
        {'-', {"90", "100", "90", "100"}, T(562)},
    };
    for (const auto& c : cases) {
        ChooseFormula(c.code);
        for (std::size_t i = 0; i < c.fields.size(); ++i)
            w().Text1[static_cast<int>(i)].SetText(c.fields[i]);
        Keys("=");
        EXPECT_EQ(Display(), c.display) << c.code << " " << c.fields[0];
        EXPECT_EQ(w().Mode, 3);
        EXPECT_EQ(w().Label1->ForeColor(), Navy);
    }
}

TEST_F(MainWindowTest, ARejectedFieldShowsItsLimitAndTheLightColourLastsOnePress) {
    ChooseFormula('w');
    w().Text1[0].SetText("1e308");
    w().Text1[1].SetText("30");
    Keys("=");
    EXPECT_EQ(w().Text1[0].Text(), T(358) + "999");
    EXPECT_EQ(w().Label1->ForeColor(), Light);
    w().Text1[0].SetText("20");
    Keys("=");
    EXPECT_EQ(Display(), T(230) + "10" + T(231) + "17");
    EXPECT_EQ(w().Label1->ForeColor(), Navy);

    w().Text1[0].SetText(std::string(10000, '7'));
    Keys("=");
    EXPECT_EQ(w().Text1[0].Text(), T(358) + "999");
    Key('C');
    EXPECT_EQ(w().Label1->ForeColor(), Navy);
    Keys("2+2=");
    EXPECT_EQ(Display(), "4");
}

TEST_F(MainWindowTest, EqualsTypedInAFieldPressesTheKeyOnce) {
    int equals = 0;
    auto original = w().buttonplus1.Click;
    w().buttonplus1.Click = [&](int Index) {
        if (Index == 17 && w().buttonplus1[17].Value() == 0) ++equals;
        original(Index);
    };
    ChooseFormula('e');
    QWidget* field = w().Text1[0].NativeWidget();
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, "30.12=");
    EXPECT_EQ(w().Text1[0].Text(), "30.12");
    EXPECT_EQ(equals, 1);
    EXPECT_EQ(Display(), T(27) + "-200 feet.");

    w().Text1[0].SetText("12=");  // a pasted text behaves the same
    EXPECT_EQ(w().Text1[0].Text(), "12");
    EXPECT_EQ(equals, 2);
    w().buttonplus1.Click = original;
}

TEST_F(MainWindowTest, EnterMovesOnAndEscClearsFromAField) {
    ChooseFormula('a');
    int enter = 13;
    w().Text1_KeyPress(0, enter);
    EXPECT_TRUE(w().Text1[1].HasFocus());
    w().Text1_KeyPress(3, enter);  // no field after the last: nothing happens
    EXPECT_EQ(enter, 13);
    int esc = 27;
    w().Text1_KeyPress(1, esc);
    EXPECT_EQ(w().Mode, 0);
    EXPECT_FALSE(w().Text1[0].Visible());
    EXPECT_TRUE(w().IsLoaded());  // Esc in a field clears, it does not close
}

// ---------------------------------------------------------------------------------
// Cross-country

TEST_F(MainWindowTest, DistanceAndTrackBetweenIdentifiers) {
    // Expected numbers worked out from the stored positions (whole seconds) with the
    // haversine distance and initial course in single precision:
    // CYOW 45.3225 N 75.6692 W var 13 W, CYYZ 43.6772 N 79.6306 W var 10 W;
    // JFK 40.639928 N 73.778692 W var 13 W, LAX 33.942496 N 118.408049 W var 11 E.
    const struct {
        const char *from, *to;
        std::string line;
    } cases[] = {
        {"CYOW", "CYYZ",
         "   CYOW  to CYYZ     Dist = 196.1/225.9" + T(51) + "241.2" + T(227) + "254.2 /251.2"},
        {"JFK", "LAX",
         "    JFK  to  LAX     Dist = 2144.5/2470.5" + T(51) + "273.8" + T(227) + "286.8 /262.8"},
        {"CYOW", "QQQQ", "QQQQ  Not found"},
    };
    for (const auto& c : cases) {
        ChooseFormula('y');
        w().Text1[0].SetText(c.from);
        w().Text1[1].SetText(c.to);
        Keys("=");
        EXPECT_EQ(Display(), c.line) << c.from << " " << c.to;
        EXPECT_EQ(AvcalcMod::OpenFileCount(), 0U);
    }
    ChooseFormula('y');
    w().Text1[0].SetText("CYOW");
    Keys("=");  // one field empty: nothing happens
    EXPECT_EQ(Display(), T(23) + T(228) + " and the " + T(229) + T(210));
}

TEST_F(MainWindowTest, SearchAsksAboutEachMatchAndKeepsTheAcceptedOne) {
    // "ottawa" occurs in several names; they come in file order and each is asked about.
    answers = {2, 1};  // skip the first, keep the second
    ChooseFormula('p');
    w().Text1[0].SetText("OtTaWa");
    Keys("=");
    ASSERT_EQ(boxes.size(), 2U);
    EXPECT_EQ(boxes[0].caption, "   " + T(309));
    EXPECT_EQ(boxes[0].text, T(308));
    EXPECT_NE(shownOnDisplay[0], shownOnDisplay[1]);
    for (const std::string& shown : shownOnDisplay)
        EXPECT_NE(AvcalcMod::InStrNoCase(shown, "ottawa"), 0) << shown;
    EXPECT_EQ(Display(), shownOnDisplay[1]);
    EXPECT_EQ(w().PendingFormula, "");
    EXPECT_EQ(AvcalcMod::OpenFileCount(), 0U);
    Keys("=");  // the search has run: '=' does nothing until a formula is chosen again
    EXPECT_EQ(boxes.size(), 2U);
    EXPECT_EQ(Display(), shownOnDisplay[1]);
}

TEST_F(MainWindowTest, EscOrTheCloseControlOnTheQuestionEndsTheSearch) {
    // "airport" matches thousands of names: the search must end at the first way out.
    const struct {
        const char* name;
        std::vector<int> answers;
        std::size_t questions;
    } cases[] = {
        {"Esc on the first", {Esc}, 1},
        {"close control on the first", {CloseControl}, 1},
        {"Skip, then Esc", {2, Esc}, 2},
    };
    for (const auto& c : cases) {
        boxes.clear();
        answers = c.answers;
        next = 0;
        ChooseFormula('p');
        w().Text1[0].SetText("airport");
        Keys("=");
        EXPECT_EQ(boxes.size(), c.questions) << c.name;
        EXPECT_EQ(Display(), T(218)) << c.name;
        EXPECT_EQ(w().PendingFormula, "") << c.name;
        EXPECT_EQ(AvcalcMod::OpenFileCount(), 0U) << c.name;
    }
}

TEST_F(MainWindowTest, AnAmpersandInANameIsShownAsItself) {
    answers = {1};
    ChooseFormula('p');
    w().Text1[0].SetText("h & m fast");
    Keys("=");
    ASSERT_EQ(boxes.size(), 1U);
    auto* shown = qobject_cast<QLabel*>(w().Label1->NativeWidget());
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->text().contains(QStringLiteral("SPIRITWOOD / H & M FAST FARMS")))
        << shown->text().toStdString();
}

TEST_F(MainWindowTest, SearchWithEveryMatchSkippedOrNoneEndsWithTheNotFoundText) {
    ChooseFormula('p');
    w().Text1[0].SetText("macdonald-cartier");
    Keys("=");  // no answer: the box is closed as Esc closes it
    EXPECT_EQ(boxes.size(), 1U);
    EXPECT_EQ(Display(), T(218));

    ChooseFormula('p');
    w().Text1[0].SetText("no aerodrome has this name");
    Keys("=");
    EXPECT_EQ(boxes.size(), 1U);
    EXPECT_EQ(Display(), T(218));

    ChooseFormula('p');
    Keys("=");  // an empty field: nothing happens
    EXPECT_EQ(boxes.size(), 1U);
    EXPECT_EQ(w().PendingFormula, "p");
}

TEST_F(MainWindowTest, RightClickShowsTheHelpOfEachGroup) {
    const struct {
        platform::ControlArray* array;
        int index;
        int line;
    } cases[] = {
        {&w().buttonplus1, 4, 520}, {&w().buttonplus2, 17, 514}, {&w().buttonplus3, 3, 516},
        {&w().buttonplus3, 4, 516}, {&w().buttonplus3, 2, 518},  {&w().buttonplus3, 8, 518},
    };
    for (const auto& c : cases) {
        boxes.clear();
        c.array->MouseUp(c.index, platform::RightButton, 0, 10, 10);
        ASSERT_EQ(boxes.size(), 1U) << c.array->Name() << c.index;
        EXPECT_EQ(boxes[0].text, T(c.line));
        EXPECT_EQ(boxes[0].caption, "   " + T(c.line + 1));
    }
    boxes.clear();
    w().Form_MouseUp(platform::RightButton, 0, 10, 10);
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].caption, "   Aviation Calculator Help");
    boxes.clear();
    w().buttonplus1.MouseUp(4, platform::LeftButton, 0, 10, 10);  // only the right button
    EXPECT_FALSE(static_cast<bool>(w().Label1.MouseUp));          // and nothing on the display
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(w().IsLoaded());
}

// ---------------------------------------------------------------------------------
// Hover, animation, start-up

TEST_F(MainWindowTest, OnlyTheButtonUnderTheMouseIsUnderlined) {
    w().buttonplus1.MouseMove(3, 0, 0, 10, 10);
    EXPECT_TRUE(w().buttonplus1[3].FontUnderline());
    w().buttonplus2.MouseMove(5, 0, 0, 10, 10);
    EXPECT_FALSE(w().buttonplus1[3].FontUnderline());
    EXPECT_TRUE(w().buttonplus2[5].FontUnderline());
    w().Label1.MouseMove(0, 0, 0, 10, 10);
    EXPECT_FALSE(w().buttonplus2[5].FontUnderline());
    w().buttonplus3.MouseMove(8, 0, 0, 10, 10);
    w().Form_MouseMove(0, 0, 10, 10);
    EXPECT_FALSE(w().buttonplus3[8].FontUnderline());
}

TEST_F(MainWindowTest, TheTimerStepsTheAnimation) {
    const int frames = w().Image3.Count();
    ASSERT_GT(frames, 1) << "m9.gif has several frames";
    EXPECT_EQ(AvcalcMod::AnimationFrameCount[2], frames - 1);
    EXPECT_GT(w().Timer1->Interval(), 0);
    w().Timer1->SetEnabled(false);  // the ticks below come from the test alone
    for (int tick = 0; tick < frames + 1; ++tick) {
        const int before = AvcalcMod::AnimationFrame[2];
        w().Timer1_Timer();
        const int now = AvcalcMod::AnimationFrame[2];
        EXPECT_EQ(now, (before + 1) % frames);
        for (int k = 0; k < frames; ++k) EXPECT_EQ(w().Image3[k].Visible(), k == now) << k;
        EXPECT_EQ(std::to_string(w().Timer1->Interval()), w().Image3[now].Tag());
    }
}

TEST_F(MainWindowTest, StartUpSetsTheGlobalsFromScreenAndFile) {
    EXPECT_FLOAT_EQ(AvcalcMod::ScaleFactor, 1.28F);
    EXPECT_EQ(AvcalcMod::LayoutMode, 2);
    EXPECT_EQ(AvcalcMod::FontNames[5], "Tahoma");
    EXPECT_GT(AvcalcMod::WorkAreaWidth, 0);
    EXPECT_GT(AvcalcMod::WorkAreaHeight, 0);
    EXPECT_GT(AvcalcMod::TwipsPerPixelX, 0);
    EXPECT_EQ(AvcalcMod::TextLines[523], "Aviation Calculator Help");
    EXPECT_EQ(AvcalcMod::TextLines[211].size(), 20U);
    EXPECT_NE(AvcalcMod::ColourTable[3], 0);
    // The window is centred in the work area (integer halves of the margins).
    EXPECT_FLOAT_EQ(w().Left(), static_cast<float>((AvcalcMod::WorkAreaWidth - 13312) / 2));
}

// ---------------------------------------------------------------------------------
// Bad input and missing files

TEST_F(MainWindowTest, AVeryLongExpressionGivesAnAnswerWithoutHarm) {
    for (int i = 0; i < 3000; ++i) Keys("1-");
    Keys("1=");
    EXPECT_EQ(Display(), "-2999");
    Key('C');
    for (int i = 0; i < 2000; ++i) Key('(');
    Keys("=");
    EXPECT_EQ(Display(), T(562));
}

TEST_F(MainWindowTest, RunsWithoutItsDataFileAndPicture) {
    w().Unload();
    auto dir = std::filesystem::temp_directory_path() / "avc_no_files";
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    AvcalcMod::ResetGlobals();
    PrepareGlobals();
    w().Show();
    // Once the window is up, one box names the file and the folder it was looked for in.
    ASSERT_TRUE(WaitUntil([&] { return !boxes.empty(); }));
    QTest::qWait(50);
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].caption, "   Data File Not Read");
    EXPECT_NE(boxes[0].text.find("vdats.tst"), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find(std::filesystem::canonical(dir).string()), std::string::npos)
        << boxes[0].text;
    EXPECT_EQ(AvcalcMod::DialogResult, 0);
    EXPECT_EQ(w().buttonplus1[3].Caption(), "");
    EXPECT_EQ(w().buttonplus3[0].Caption(), "");
    EXPECT_EQ(w().Image3.Count(), 1);  // no frames without m9.gif
    EXPECT_EQ(w().Timer1->Interval(), 0);
    avc::Press(w().buttonplus1[17]);
    EXPECT_EQ(Display(), "");        // the error text is empty too
    avc::Press(w().buttonplus3[2]);  // a caption without a code: formula mode, no field
    EXPECT_EQ(w().Mode, 3);
    EXPECT_FALSE(w().Text1[0].Visible());
    avc::Press(w().buttonplus1[11]);
    EXPECT_EQ(w().Mode, 0);
    EXPECT_EQ(AvcalcMod::TextLines[515], "Conversions - Help");
    std::filesystem::current_path(AVC_BUILD_DIR);
    std::filesystem::remove_all(dir);
}

TEST_F(MainWindowTest, ClosingReleasesTheWindowAndTheDataFile) {
    int esc = 27;
    w().buttonplus1_KeyPress(0, esc);
    EXPECT_FALSE(w().IsLoaded());
    EXPECT_EQ(AvcalcMod::OpenFileCount(), 0U);
    EXPECT_EQ(AvcalcMod::CurrentForm, nullptr);
}

}  // namespace

AVC_QT_TEST_MAIN()
