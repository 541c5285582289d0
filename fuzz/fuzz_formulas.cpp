// The flight-computer formulas with any field texts, as '=' runs them in formula mode.
// Input: one byte choosing the formula, then up to four field texts separated by "\n".
// Each input is pressed twice with the state the first press left, as the window keeps it.
#include <array>
#include <cstdint>
#include <string>

#include "formulas/computations.h"
#include "fuzz_check.h"
#include "startup/text_lines.h"

namespace {

// Text lines as markers "#n#": neither "nan" nor "inf" can come from them, and the
// numbers of a result can be cut out between them.
const AvcalcMod::TextLineArray& MarkerLines() {
    static const AvcalcMod::TextLineArray lines = [] {
        AvcalcMod::TextLineArray l;
        for (std::size_t n = 1; n < l.size(); ++n) l[n] = "#" + std::to_string(n) + "#";
        return l;
    }();
    return lines;
}

// Every piece of the display between the markers and the fixed words is a number that
// reads back finite.
void CheckDisplayNumbers(std::string text) {
    FUZZ_CHECK(fuzzcheck::ShowsNoNanOrInf(text), "no nan or inf on the display");
    for (std::string word : {" feet.", " at "}) {
        for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word))
            text.replace(at, word.size(), "#");
    }
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t hash = text.find('#', i);
        std::string piece =
            text.substr(i, hash == std::string::npos ? std::string::npos : hash - i);
        if (!piece.empty()) {
            auto v = numbers::StrictValue(piece);
            FUZZ_CHECK(v.has_value() && std::isfinite(*v), "every number shown reads back");
        }
        if (hash == std::string::npos) break;
        std::size_t close = text.find('#', hash + 1);  // the marker's closing "#", if any
        bool marker = close != std::string::npos && close > hash + 1 &&
                      text.find_first_not_of("0123456789", hash + 1) == close;
        i = marker ? close + 1 : hash + 1;
    }
}

void CheckState(const formulas::FormulaState& s) {
    FUZZ_CHECK(std::isfinite(s.FieldValue) && std::isfinite(s.SavedField) &&
                   std::isfinite(s.Direction) && std::isfinite(s.Airspeed) &&
                   std::isfinite(s.Heading) && std::isfinite(s.Speed),
               "the kept formula values stay finite");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static constexpr char Codes[] = "easow-dpyz";
    const char code = Codes[data[0] % (sizeof Codes - 1)];
    std::array<std::string, 4> fields;
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    for (std::size_t f = 0; f < 4 && !rest.empty(); ++f) {
        std::size_t nl = rest.find('\n');
        fields[f] = std::string(rest.substr(0, nl));
        rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
    }

    formulas::FormulaState state;
    for (int press = 0; press < 2; ++press) {
        formulas::FormulaResult r = formulas::RunFormula(code, fields, MarkerLines(), state);
        CheckState(state);
        bool anyRejected = false;
        for (const auto& t : r.FieldTexts) {
            if (!t) continue;
            anyRejected = true;
            FUZZ_CHECK(t->rfind("#358#", 0) == 0, "a rejected field shows the range message");
            FUZZ_CHECK(t->size() > 5 && t->find_first_not_of("0123456789", 5) == std::string::npos,
                       "the range message ends with the field's limit");
        }
        FUZZ_CHECK(r.LightDisplay == anyRejected, "the display turns light exactly on a rejection");
        if (r.Display) CheckDisplayNumbers(*r.Display);
    }
    return 0;
}
