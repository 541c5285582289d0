#include "formulas/computations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/angles.h"

namespace {

using formulas::FormulaResult;
using formulas::FormulaState;
using formulas::TextLineSource;

// Every text line reads "[n]", so a display shows which lines it was built from.
const TextLineSource& Lines() {
    static const TextLineSource lines = [] {
        TextLineSource l;
        for (std::size_t n = 1; n < l.size(); ++n) l[n] = "[" + std::to_string(n) + "]";
        return l;
    }();
    return lines;
}

// One press of '=' on a window that has run no formula yet.
FormulaResult RunFormula(char code, const std::array<std::string, 4>& fields,
                         const TextLineSource& lines) {
    FormulaState state;
    return formulas::RunFormula(code, fields, lines, state);
}

struct Case {
    char code;
    std::array<std::string, 4> fields;
    const char* expected;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.code << " " << c.fields[0] << " " << c.fields[1];
}

class Formula : public ::testing::TestWithParam<Case> {};

TEST_P(Formula, Display) {
    const Case& c = GetParam();
    FormulaResult r = RunFormula(c.code, c.fields, Lines());
    ASSERT_TRUE(r.Display.has_value());
    EXPECT_EQ(*r.Display, c.expected);
    EXPECT_FALSE(r.LightDisplay);
}

// Expected values worked out from the formulas (single-precision steps rounded as
// stored); the raw value is beside each case.
INSTANTIATE_TEST_SUITE_P(
    Cases, Formula,
    ::testing::Values(
        Case{'e', {"30.12"}, "[27]-200 feet."},  // -199.99999999999
        Case{'e', {"0"}, "[27]29920 feet."},
        Case{'e', {"40"}, "[27]-10080 feet."},  // the limit itself is accepted
        Case{'a', {"5500", "120"}, "[176]133.2"},
        Case{'a', {"5500.5", "100"}, "[176]111"},   // 5500.5 rounds to 5500 (half to even)
        Case{'s', {"30", "29.92"}, "[284]1832"},    // 1832.197
        Case{'s', {"0", "29.92"}, "[284]-2087"},    // -2086.767
        Case{'o', {"20", "50"}, "[236]9.3"},        // 9.2696
        Case{'o', {"15", "100"}, "[236]15.0"},      // one decimal always shown
        Case{'o', {"20", "0"}, "[236]0.0"},         // no logarithm of 0: G stays 0
        Case{'w', {"20", "30"}, "[230]10[231]17"},  // 9.99999, 17.3205
        Case{'w', {"25", "90"}, "[230]25[231]0"},
        Case{'d', {"90", "120", "360", "20"}, "[177]80 at 118"},  // 80.406, 118.32
        // An airspeed of 0 faults in X: the heading holds the course.
        Case{'d', {"180", "0", "360", "20"}, "[177]180 at 20"},
        // The cross component exceeds the airspeed: no heading holds the course.
        Case{'d', {"90", "20", "360", "30"}, "[562]"},
        Case{'d', {"0", "100", "360", "100"}, "[562]"},               // groundspeed 0
        Case{'-', {"90", "100", "90", "120"}, "[174]270 at 20"},      // a tailwind
        Case{'-', {"90", "100", "90", "100"}, "[562]"},               // no wind
        Case{'-', {"90", "120", "80", "110"}, "[174]21 at 22"},       // 21.43, 22.38
        Case{'d', {"360", "120", "360", "20"}, "[177]360 at 100"}));  // one turn stays 360

TEST(ReadField, AcceptanceRules) {
    struct F {
        const char* text;
        std::int32_t limit;
        bool rejected;
        double value;
    };
    for (const F& f :
         {F{"0", 40, false, 0}, F{"0.0", 40, true, 0.001}, F{"", 40, true, 0.001},
          F{" 0", 40, true, 0.001}, F{"abc", 40, true, 0.001}, F{"40", 40, false, 40},
          F{"40.01", 40, true, 0.001}, F{"-5", 40, false, -5}, F{" 12abc", 40, false, 12},
          F{"1e308", 40, true, 0.001}, F{"-1e308", 40, false, -1e308}, F{"nan", 40, true, 0.001},
          F{"inf", 40, true, 0.001}, F{"-inf", 40, true, 0.001}}) {
        formulas::FieldReading r = formulas::ReadField(f.text, f.limit, Lines());
        EXPECT_EQ(r.Rejected, f.rejected) << f.text;
        EXPECT_EQ(r.Value, f.value) << f.text;
        EXPECT_EQ(r.NewText, f.rejected ? "[358]40" : "") << f.text;
    }
    // Too many digits for a double: out of range, whichever the sign.
    std::string digits(10000, '9');
    EXPECT_TRUE(formulas::ReadField(digits, 999, Lines()).Rejected);
    EXPECT_TRUE(formulas::ReadField("-" + digits, 999, Lines()).Rejected);
}

TEST(RunFormula, RejectedFieldShowsRangeMessageAndComputesWithOneThousandth) {
    FormulaResult r = RunFormula('e', {"0.0"}, Lines());
    EXPECT_EQ(r.FieldTexts[0], "[358]40");
    EXPECT_TRUE(r.LightDisplay);
    EXPECT_EQ(r.Display, "[27]29919 feet.");  // (29.92 - 0.001) x 1000

    r = RunFormula('w', {"1000", "30"}, Lines());
    EXPECT_EQ(r.FieldTexts[0], "[358]999");
    EXPECT_FALSE(r.FieldTexts[1].has_value());
    EXPECT_EQ(r.Display, "[230]0[231]0");
}

TEST(RunFormula, StateForTheWindow) {
    FormulaState state;
    formulas::RunFormula('d', {"90", "120", "360", "20"}, Lines(), state);
    EXPECT_DOUBLE_EQ(state.Direction, 90 * angles::DegreesToRadians);
    EXPECT_EQ(state.Airspeed, 120);
    EXPECT_NEAR(state.Heading * angles::RadiansToDegrees, 80.406, 0.001);
    EXPECT_FALSE(RunFormula('p', {"x"}, Lines()).Display.has_value());
}

// Extreme field texts in every slot of every formula: a display either stays as it was
// or holds a finite number (or the no-solution text), never NaN or infinity.
TEST(RunFormula, ExtremeFieldsNeverShowNanOrInfinity) {
    const std::string bad[] = {"1e308",
                               "-1e308",
                               "nan",
                               "inf",
                               "-inf",
                               std::string(10000, '9'),
                               "-" + std::string(300, '9'),
                               "-237.3",
                               "0",
                               "1e-320"};
    const std::string normal[] = {"20", "30", "40", "10"};
    for (char code : std::string("easowd-")) {
        for (std::size_t slot = 0; slot < 4; ++slot) {
            for (const std::string& b : bad) {
                std::array<std::string, 4> fields = {normal[0], normal[1], normal[2], normal[3]};
                fields[slot] = b;
                FormulaResult r = RunFormula(code, fields, Lines());
                if (!r.Display) continue;
                const std::string& d = *r.Display;
                EXPECT_EQ(d.find("nan"), std::string::npos) << code << " " << slot << " " << d;
                EXPECT_EQ(d.find("inf"), std::string::npos) << code << " " << slot << " " << d;
                // Every number piece is present: each phrase "[n]" is followed by a
                // number (a non-finite one would have been written as nothing).
                for (std::size_t p = d.find(']'); p != std::string::npos; p = d.find(']', p + 1)) {
                    char next = p + 1 < d.size() ? d[p + 1] : '0';
                    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(next)) || next == '-')
                        << code << " " << slot << " " << d;
                }
            }
        }
    }
}

TEST(RunFormula, OverflowingDisplayStatementLeavesDisplayAlone) {
    // Accepted (negatives have no lower limit), but (29.92 + 1E308) x 1000 overflows.
    FormulaResult r = RunFormula('e', {"-1e308"}, Lines());
    EXPECT_FALSE(r.Display.has_value());
    EXPECT_FALSE(r.LightDisplay);
}

}  // namespace
