// Decoding of the aerodrome records of the data file: the packed name line and the
// packed coordinate line (variation, latitude, longitude).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace navigation {

inline constexpr int NamePieceCount = 165;
using NamePieces = std::array<std::string, NamePieceCount + 1>;  // elements 1..165

// Piece i is the two characters at 1-based positions 2i and 2i + 1 of the line.
NamePieces NamePiecesFromLine(std::string_view line);

// Replaces every character whose code c is above 90 by piece c - 90.
void DecodeNameLine(std::string& line, const NamePieces& pieces);

// The three texts of a coordinate line.
struct CoordTexts {
    std::string VariationText;  // " 15W", " 3E", "-2E"
    std::string LatitudeText;   // packed (three characters as a rule)
    std::string LongitudeText;  // packed; empty when the line is shorter than five
};

// Sets the three texts from a coordinate line. A line without a first character
// leaves VariationText as it was (there is no code to read).
void DecodeCoordLine(std::string_view line, CoordTexts& texts);

// Each packed character gives the number code - 30 as two digits; a five-digit result
// gets "00" appended (a longitude stored without seconds).
std::string ExpandDigits(std::string_view field);

// Degrees from expanded digits: DDMMSS for latitude; DDDMMSS for a longitude whose first
// digit is "1", DDMMSS otherwise. North and west are positive; missing parts count 0.
float LatitudeFromDigits(std::string_view digits);
float LongitudeFromDigits(std::string_view digits);

// West positive, east negative: the number at the start, negated when the last
// character is "E" or "e".
float VariationFromText(std::string_view variationText);

}  // namespace navigation
