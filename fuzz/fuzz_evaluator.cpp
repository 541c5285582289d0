// The keypad calculator's '=' in calculator mode, as the main window runs it: the display
// text goes to TryEvaluate with the last result, and on success the display shows the
// value's text form. Input: the display text.
#include <cstdint>
#include <string>

#include "engine/evaluator.h"
#include "fuzz_check.h"

namespace {

// "A op B" with A and B whole numbers of at most six digits: the value is known exactly
// without the evaluator (every such sum, difference and product is exact in a double).
std::optional<double> SimpleArithmetic(std::string_view text) {
    std::size_t i = 0;
    auto digits = [&](double& v) {
        std::size_t from = i;
        v = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - from < 7)
            v = v * 10 + (text[i++] - '0');
        return i > from && i - from <= 6;
    };
    double a = 0, b = 0;
    if (!digits(a) || i >= text.size()) return std::nullopt;
    char op = text[i++];
    if (!digits(b) || i != text.size()) return std::nullopt;
    if (op == '+') return a + b;
    if (op == '-') return a - b;
    if (op == 'x') return a * b;
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string display(reinterpret_cast<const char*>(data), size);
    const double previous = 12.5;  // the last result, kept when the text is rejected
    double value = previous;
    if (engine::TryEvaluate(display, value)) {
        FUZZ_CHECK(std::isfinite(value), "an evaluation gives a finite value");
        std::string shown = engine::NumberText(value);
        FUZZ_CHECK(!shown.empty(), "a value is shown");
        FUZZ_CHECK(fuzzcheck::ShowsNoNanOrInf(shown), "no nan or inf on the display");
        fuzzcheck::CheckGeneralTextReadsBack(value);
    } else {
        // The window shows its no-solution line; the value is the last result or 0.
        FUZZ_CHECK(value == previous || value == 0, "a failed evaluation leaves 0 or the result");
    }
    if (auto exact = SimpleArithmetic(display)) {
        double got = previous;
        FUZZ_CHECK(engine::TryEvaluate(display, got), "simple arithmetic evaluates");
        FUZZ_CHECK(got == *exact, "simple arithmetic gives its exact value");
    }
    return 0;
}
