#include "formulas/computations.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using formulas::TextLineSource;

// Every text line reads "[n]", so a display shows which lines it was built from.
const TextLineSource Lines = [] {
    TextLineSource l;
    for (std::size_t n = 1; n < l.size(); ++n) l[n] = "[" + std::to_string(n) + "]";
    return l;
}();

// The end-to-end run works out one example of each formula; these are the others,
// worked from the formulas with single-precision steps; the raw value beside each: e
// 30.12: -199.99999999999; s 30: 1832.197; o 20: 9.2696 (one decimal
// always shown; humidity 0 has no logarithm: 0.0); w 20 at 30: 9.99999 and 17.3205; d:
// 80.406 at 118.32; an airspeed of 0 leaves the heading on the course; a cross component
// above the airspeed, or a groundspeed of 0, has no solution; one turn stays 360; "-":
// 21.43 at 22.38, equal airspeed and groundspeed no wind. "e" with -1E308 is accepted
// (negatives have no lower limit) but (29.92 + 1E308) x 1000 overflows: the display stays.
TEST(RunFormula, WorkedExamples) {
    const struct {
        char code;
        std::array<std::string, 4> fields;
        const char* shown;
    } cases[] = {
        {'e', {"30.12"}, "[27]-200 feet."},
        {'e', {"40"}, "[27]-10080 feet."},
        {'e', {"-1e308"}, ""},
        {'a', {"5500", "120"}, "[176]133.2"},
        {'a', {"5500.5", "100"}, "[176]111"},
        {'s', {"30", "29.92"}, "[284]1832"},
        {'o', {"20", "50"}, "[236]9.3"},
        {'o', {"20", "0"}, "[236]0.0"},
        {'w', {"20", "30"}, "[230]10[231]17"},
        {'d', {"90", "120", "360", "20"}, "[177]80 at 118"},
        {'d', {"180", "0", "360", "20"}, "[177]180 at 20"},
        {'d', {"90", "20", "360", "30"}, "[562]"},
        {'d', {"0", "100", "360", "100"}, "[562]"},
        {'d', {"360", "120", "360", "20"}, "[177]360 at 100"},
        {'-', {"90", "100", "90", "100"}, "[562]"},
        {'-', {"90", "120", "80", "110"}, "[174]21 at 22"},
        {'p', {"ottawa"}, ""},
    };
    for (const auto& c : cases) {
        formulas::FormulaState state;  // one press of '=' on a window that has run no formula
        EXPECT_EQ(formulas::RunFormula(c.code, c.fields, Lines, state).Display.value_or(""),
                  c.shown)
            << c.code << c.fields[0];
    }
}

// A field is rejected when empty, not a number from its start, not finite, above its
// limit or with a blank before it; it then shows the range message and counts as 0.001.
TEST(ReadField, AcceptanceRules) {
    auto read = [](const std::string& text) {
        const formulas::FieldReading r = formulas::ReadField(text, 40, Lines);
        return std::tuple(r.Rejected, r.Value, r.NewText);
    };
    const std::pair<const char*, double> accepted[] = {
        {"0", 0}, {"40", 40}, {"-5", -5}, {" 12abc", 12}, {"-1e308", -1e308}};
    for (auto [text, value] : accepted) EXPECT_EQ(read(text), std::tuple(false, value, "")) << text;
    const std::string nines(400, '9');
    for (const std::string& text : {std::string("0.0"), std::string(), std::string(" 0"),
                                    std::string("abc"), std::string("40.01"), std::string("1e308"),
                                    std::string("nan"), std::string("-inf"), nines, "-" + nines})
        EXPECT_EQ(read(text), std::tuple(true, 0.001, "[358]40")) << text;
}

}  // namespace
