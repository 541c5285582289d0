#include "navigation/records.h"

#include <gtest/gtest.h>

using namespace navigation;

namespace {

std::string Chars(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s += static_cast<char>(c);
    return s;
}

// One packed coordinate line through every decoding step.
TEST(Records, CoordinateLinesDecodeToVariationAndPosition) {
    const struct {
        std::string line;
        const char* variationText;
        float variation;
        const char* latitude;
        const char* longitude;
    } cases[] = {
        // 13 W; 45 19 00 N; 75 40 00 W
        {Chars({155 + 13, 75, 49, 30, 105, 70, 30}), " 13W", 13, "451900", "754000"},
        // 15 E; 49 00 00 N; 123 15 00 W: three degree digits
        {Chars({55 + 15, 79, 30, 30, 153, 45, 30}), " 15E", -15, "490000", "1231500"},
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
