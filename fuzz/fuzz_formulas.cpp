// The flight-computer formulas with any field texts, as '=' runs them in formula mode.
// Input: one byte choosing the formula, then up to four field texts separated by "\n".
// Each input is pressed twice with the state the first press left, as the window keeps it.
#include <algorithm>
#include <array>
#include <cstdint>
#include <sstream>
#include <string>

#include "formulas/computations.h"
#include "fuzz_check.h"
#include "startup/text_lines.h"

namespace {

// Text lines as markers "#n#": neither "nan" nor "inf" can come from them, and the
// numbers of a result can be cut out between them.
const AvcalcMod::TextLineArray MarkerLines = [] {
    AvcalcMod::TextLineArray l;
    for (std::size_t n = 1; n < l.size(); ++n) l[n] = "#" + std::to_string(n) + "#";
    return l;
}();

// The markers and the fixed words cut the display into its numbers; each reads back
// finite.
void CheckDisplayNumbers(std::string text) {
    FUZZ_CHECK(fuzzcheck::ShowsNoNanOrInf(text), "no nan or inf on the display");
    for (std::size_t at; (at = text.find('#')) != std::string::npos;)
        text.replace(at, std::min(text.find('#', at + 1), text.size() - 1) - at + 1, "|");
    for (std::string word : {" feet.", " at "})
        for (std::size_t at; (at = text.find(word)) != std::string::npos;)
            text.replace(at, word.size(), "|");
    std::istringstream pieces(text);
    for (std::string piece; std::getline(pieces, piece, '|');)
        FUZZ_CHECK(piece.empty() || std::isfinite(numbers::StrictValue(piece).value_or(NAN)),
                   "every number shown reads back");
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
    const auto fields = fuzzcheck::Split<4>(
        std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), '\n');

    formulas::FormulaState state;
    for (int press = 0; press < 2; ++press) {
        formulas::FormulaResult r = formulas::RunFormula(code, fields, MarkerLines, state);
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
