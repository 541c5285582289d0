// Small aerodrome sections written to a temporary directory, so that tests can place
// aerodromes at exact positions.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "navigation/records.h"
#include "tools/packing.h"

namespace navtest {

struct Place {
    std::string ident, name;
    double latitude;       // degrees north
    double longitudeWest;  // degrees west
    int variationWest;
};

inline builder::Aerodrome ToAerodrome(const Place& p) {
    builder::Aerodrome a;
    a.ident = p.ident;
    a.name = p.name;
    a.city = "TESTVILLE";
    a.region = "ON";
    a.country = "CA";
    a.latitude = p.latitude;
    a.longitude = -p.longitudeWest;
    a.variationWest = p.variationWest;
    return a;
}

// Name lines in capitals need no name pieces: every character passes through.
inline const navigation::NamePieces& NoPieces() {
    static const navigation::NamePieces pieces{};
    return pieces;
}

inline std::string TempPath(const std::string& name) {
    auto dir = std::filesystem::temp_directory_path() / "avc_nav_tests";
    std::filesystem::create_directories(dir);
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string test = info ? std::string(info->test_suite_name()) + "_" + info->name() : "x";
    for (char& c : test)
        if (c == '/') c = '_';  // parameterised tests are named "Suite/Case/3"
    return (dir / (test + "_" + name)).string();
}

inline std::string WriteLines(const std::string& name, const std::vector<std::string>& lines) {
    std::string path = TempPath(name);
    std::ofstream out(path, std::ios::binary);
    for (const auto& l : lines) out << l << "\r\n";
    return path;
}

// A text section stand-in, the marker, the records and (optionally) the end line.
inline std::string WriteSection(const std::string& name, const std::vector<Place>& places,
                                bool marker = true, bool endLine = true) {
    std::vector<std::string> lines = {"some text line", "another", "astqx"};
    if (marker) lines.push_back("astq");
    for (const Place& p : places) {
        builder::Aerodrome a = ToAerodrome(p);
        lines.push_back(builder::PackNameLine(builder::NameLine(a), {}));
        lines.push_back(builder::PackCoordLine(a));
    }
    if (endLine) lines.push_back("99");
    return WriteLines(name, lines);
}

}  // namespace navtest
