#include "navigation/records.h"

#include <gtest/gtest.h>

using namespace navigation;

namespace {

std::string Chars(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s += static_cast<char>(c);
    return s;
}

TEST(NamePieces, ArePairsFromPositionTwo) {
    std::string line = "*";
    for (int i = 1; i <= NamePieceCount; ++i)
        line += std::string(1, 'A' + i % 26) + std::to_string(i % 10);
    NamePieces pieces = NamePiecesFromLine(line);
    EXPECT_TRUE(pieces[0].empty());
    EXPECT_EQ(pieces[1], "B1");
    EXPECT_EQ(pieces[165], std::string(1, 'A' + 165 % 26) + "5");
    NamePieces shortPieces = NamePiecesFromLine("*AB");
    EXPECT_EQ(shortPieces[1], "AB");
    EXPECT_TRUE(shortPieces[2].empty());
}

TEST(DecodeNameLine, ReplacesCodesAboveNinetyByPieces) {
    NamePieces pieces;
    pieces[1] = "AI";
    pieces[2] = "RP";
    pieces[165] = "ZZ";
    std::string line = "OTTAWA " + Chars({91, 92}) + "ORT CYOW" + Chars({255});
    DecodeNameLine(line, pieces);
    EXPECT_EQ(line, "OTTAWA AIRPORT CYOWZZ");
    std::string plain = "99";
    DecodeNameLine(plain, pieces);
    EXPECT_EQ(plain, "99");
}

TEST(DecodeCoordLine, SplitsVariationLatitudeAndLongitude) {
    const struct {
        std::string line;
        const char* variation;
        std::string latitude, longitude;
    } cases[] = {
        {Chars({155 + 13, 75, 49, 30, 105, 70, 30}), " 13W", Chars({75, 49, 30}),
         Chars({105, 70, 30})},
        {Chars({55 + 15, 75, 30, 30, 130, 30, 30}), " 15E", Chars({75, 30, 30}),
         Chars({130, 30, 30})},
        {Chars({155, 30, 30, 30, 30}), " 0W", Chars({30, 30, 30}), Chars({30})},
        {Chars({50}), "-5E", "", ""},
        {Chars({255, 40}), " 100W", Chars({40}), ""},
    };
    for (const auto& c : cases) {
        CoordTexts t;
        DecodeCoordLine(c.line, t);
        EXPECT_EQ(t.VariationText, c.variation);
        EXPECT_EQ(t.LatitudeText, c.latitude);
        EXPECT_EQ(t.LongitudeText, c.longitude);
    }
}

TEST(DecodeCoordLine, EmptyLineKeepsTheVariationText) {
    CoordTexts t{" 7W", "x", "y"};
    DecodeCoordLine("", t);
    EXPECT_EQ(t.VariationText, " 7W");
    EXPECT_EQ(t.LatitudeText, "");
    EXPECT_EQ(t.LongitudeText, "");
}

TEST(ExpandDigits, TwoDigitsPerCharacterAndSecondsForFiveDigits) {
    EXPECT_EQ(ExpandDigits(Chars({75, 49, 30})), "451900");
    EXPECT_EQ(ExpandDigits(Chars({130, 45, 36})), "1001506");
    EXPECT_EQ(ExpandDigits(Chars({109, 68})), "7938");     // four digits stay four
    EXPECT_EQ(ExpandDigits(Chars({130, 45})), "1001500");  // five get "00"
    EXPECT_EQ(ExpandDigits(""), "");
    EXPECT_EQ(ExpandDigits(Chars({25})), "-5");  // odd characters stay harmless
}

TEST(Positions, DegreesMinutesSecondsFromDigits) {
    const struct {
        const char* digits;
        float latitude, longitude;
    } cases[] = {
        {"451900", 45.316666F, 45.316666F},
        {"1234530", 12.0F + 34.0F / 60 + 53.0F / 3600, 123.0F + 45.0F / 60 + 30.0F / 3600},
        {"750000", 75.0F, 75.0F},
        {"", 0.0F, 0.0F},
        {"45", 45.0F, 45.0F},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(LatitudeFromDigits(c.digits), c.latitude, 1e-5) << c.digits;
        EXPECT_NEAR(LongitudeFromDigits(c.digits), c.longitude, 1e-4) << c.digits;
    }
}

TEST(Variation, WestPositiveEastNegative) {
    EXPECT_EQ(VariationFromText(" 15E"), -15.0F);
    EXPECT_EQ(VariationFromText(" 15W"), 15.0F);
    EXPECT_EQ(VariationFromText(" 15e"), -15.0F);
    EXPECT_EQ(VariationFromText("-5E"), 5.0F);
    EXPECT_EQ(VariationFromText(""), 0.0F);
}

}  // namespace
