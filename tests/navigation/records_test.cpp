#include "navigation/records.h"

#include <gtest/gtest.h>

using namespace navigation;

namespace {

std::string Chars(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s += static_cast<char>(c);
    return s;
}

// A packed coordinate line through every decoding step (the ordinary ones: the search
// and look-up tests).
TEST(Records, CoordinateLinesDecodeToVariationAndPosition) {
    const struct {
        std::string line;
        const char* variationText;
        float variation;
        const char* latitude;
        const char* longitude;
    } cases[] = {
        // a longitude of 100 degrees or more stored without seconds gets "00"
        {Chars({155, 60, 30, 30, 130, 45}), " 0W", 0, "300000", "1001500"},
        // a code below 55 reads as a negative east variation: west 5
        {Chars({50, 30, 30, 30}), "-5E", 5, "000000", ""},
    };
    for (const auto& c : cases) {
        CoordTexts t;
        DecodeCoordLine(c.line, t);
        EXPECT_EQ(t.VariationText, c.variationText);
        EXPECT_EQ(VariationFromText(t.VariationText), c.variation);
        EXPECT_EQ(ExpandDigits(t.LatitudeText), c.latitude);
        EXPECT_EQ(ExpandDigits(t.LongitudeText), c.longitude);
    }
}

}  // namespace
