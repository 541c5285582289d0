// The data-file builder: packs the readable texts and the aerodrome list into
// vdats.tst and proves the result with the program's own reader and decoders.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace builder {

struct Aerodrome {
    std::string ident, name, city, region, country;
    double latitude = 0;   // north positive
    double longitude = 0;  // east positive, as the list gives it
    int variationWest = 0;
};

// Lines 1..565 (element 0 unused) parsed from "NNN|text" lines.
using Texts = std::array<std::string, 566>;
std::optional<Texts> ParseTexts(const std::string& content, std::string& error);
// Records of the aerodrome list (a CSV with a header line), in file order.
std::optional<std::vector<Aerodrome>> ParseAerodromes(const std::string& content,
                                                      std::string& error);

// The decoded name line of a record: name, place and region, ending with the identifier
// in its last four characters.
std::string NameLine(const Aerodrome& a);

// Packs one text line so that ExpandLine (while loading) gives it back exactly, using the
// fragment table of the program; shortest packing. Empty when the text cannot be packed.
std::optional<std::string> PackTextLine(const std::string& text);

// Picks the 165 name pieces (two characters each) that shorten the name lines most.
std::vector<std::string> ChooseNamePieces(const std::vector<std::string>& nameLines);
// Packs a name line with the pieces (code 90 + i for piece i); shortest packing.
std::string PackNameLine(const std::string& line, const std::vector<std::string>& pieces);
// The packed coordinate line: variation, latitude and longitude in whole seconds.
std::string PackCoordLine(const Aerodrome& a);

// Suggests a fragment constant (295 characters) for the given texts.
std::string SuggestFragmentConstant(const Texts& texts);

// Builds the whole file. Empty with an error text when something cannot be packed.
std::optional<std::string> BuildDataFile(Texts texts, const std::vector<Aerodrome>& aerodromes,
                                         std::string& error);

// Reads the written file back with the program's reader and decoders and compares every
// text line and record. Empty text when all agree, otherwise what differs.
std::string VerifyDataFile(const std::string& path, const Texts& texts,
                           const std::vector<Aerodrome>& aerodromes);

}  // namespace builder
