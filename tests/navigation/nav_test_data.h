// Small aerodrome sections written to a temporary directory, so that tests can place
// aerodromes at exact positions.
#pragma once

#include <string>
#include <vector>

#include "navigation/records.h"
#include "tests/test_files.h"
#include "tools/packing.h"

namespace navtest {

struct Place {
    std::string ident, name;
    double latitude;       // degrees north
    double longitudeWest;  // degrees west
    int variationWest;
};

// Name lines in capitals need no name pieces: every character passes through.
inline const navigation::NamePieces& NoPieces() {
    static const navigation::NamePieces pieces{};
    return pieces;
}

inline std::string TempPath(const std::string& name) {
    return (testing_files::TestFolder() / name).string();
}

inline std::string WriteLines(const std::string& name, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    return testing_files::WriteFile(TempPath(name), bytes);
}

// A text section stand-in, the marker, the records and (optionally) the end line: the
// coordinate line of record k is line 2k + 5 (0-based).
inline std::vector<std::string> SectionLines(const std::vector<Place>& places, bool marker = true,
                                             bool endLine = true) {
    std::vector<std::string> lines = {"some text line", "another", "astqx"};
    if (marker) lines.push_back("astq");
    for (const Place& p : places) {
        const builder::Aerodrome a{p.ident, p.name,     "TESTVILLE",      "ON",
                                   "CA",    p.latitude, -p.longitudeWest, p.variationWest};
        lines.push_back(builder::PackNameLine(builder::NameLine(a), {}));
        lines.push_back(builder::PackCoordLine(a));
    }
    if (endLine) lines.push_back("99");
    return lines;
}

inline std::string WriteSection(const std::string& name, const std::vector<Place>& places,
                                bool marker = true, bool endLine = true) {
    return WriteLines(name, SectionLines(places, marker, endLine));
}

}  // namespace navtest
