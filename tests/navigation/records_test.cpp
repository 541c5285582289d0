#include <gtest/gtest.h>

#include "navigation/records.h"

namespace {

std::string Packed(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s += static_cast<char>(c);
    return s;
}

TEST(ExpandDigits, TwoDigitsPerCharacterAndSecondsForFiveDigits) {
    EXPECT_EQ(navigation::ExpandDigits(Packed({30 + 45, 30 + 19, 30 + 5})), "451905");
    EXPECT_EQ(navigation::ExpandDigits(Packed({30 + 105, 30 + 30, 30 + 15})), "1053015");
    // 100 degrees and 30 minutes without seconds: five digits, then "00".
    EXPECT_EQ(navigation::ExpandDigits(Packed({30 + 100, 30 + 30})), "1003000");
    EXPECT_EQ(navigation::ExpandDigits(""), "");
}

TEST(Positions, LatitudeAndLongitudeFromDigits) {
    EXPECT_FLOAT_EQ(navigation::LatitudeFromDigits("451930"), static_cast<float>(45 + 19.0 / 60 + 30.0 / 3600));
    EXPECT_FLOAT_EQ(navigation::LongitudeFromDigits("1053015"), static_cast<float>(105 + 30.0 / 60 + 15.0 / 3600));
    EXPECT_FLOAT_EQ(navigation::LongitudeFromDigits("754009"), static_cast<float>(75 + 40.0 / 60 + 9.0 / 3600));
    EXPECT_FLOAT_EQ(navigation::LatitudeFromDigits("45"), 45.0f);  // missing parts count 0
    EXPECT_EQ(navigation::LatitudeFromDigits(""), 0.0f);
}

TEST(DecodeCoordLine, VariationLatitudeLongitude) {
    navigation::CoordTexts t;
    navigation::DecodeCoordLine(Packed({155 + 15, 75, 49, 60, 105, 70, 39}), t);
    EXPECT_EQ(t.VariationText, " 15W");
    EXPECT_EQ(t.LatitudeText, Packed({75, 49, 60}));
    EXPECT_EQ(t.LongitudeText, Packed({105, 70, 39}));
    navigation::DecodeCoordLine(Packed({55 + 15, 75, 49}), t);
    EXPECT_EQ(t.VariationText, " 15E");
    EXPECT_EQ(t.LatitudeText, Packed({75, 49}));
    EXPECT_EQ(t.LongitudeText, "");  // fewer than five characters
    navigation::DecodeCoordLine(Packed({50}), t);
    EXPECT_EQ(t.VariationText, "-5E");
    EXPECT_EQ(t.LatitudeText, "");
}

TEST(VariationFromText, WestPositiveEastNegative) {
    EXPECT_FLOAT_EQ(navigation::VariationFromText(" 15E"), -15);
    EXPECT_FLOAT_EQ(navigation::VariationFromText(" 15W"), 15);
    EXPECT_FLOAT_EQ(navigation::VariationFromText("-5E"), 5);
    EXPECT_FLOAT_EQ(navigation::VariationFromText(""), 0);
}

TEST(DecodeNameLine, CodesAbove90BecomePieces) {
    std::string table = "*";
    for (int i = 1; i <= navigation::NamePieceCount; ++i)
        table += std::string(1, static_cast<char>('a' + i % 26)) + static_cast<char>('A' + i / 26);
    auto pieces = navigation::NamePiecesFromLine(table);
    std::string line = "AB " + Packed({91, 255});
    navigation::DecodeNameLine(line, pieces);
    EXPECT_EQ(line, "AB " + pieces[1] + pieces[165]);
    EXPECT_EQ(pieces[1], "bA");
    EXPECT_EQ(pieces[165], "jG");  // 165 % 26 = 9, 165 / 26 = 6
}

}  // namespace
