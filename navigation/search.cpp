#include "navigation/search.h"

#include <utility>

#include "common/shared_routines.h"

namespace navigation {
namespace {

// Up to `length` characters from the 1-based position `start`; empty past the end.
std::string Mid(std::string_view text, std::size_t start, std::size_t length) {
    if (start < 1 || start > text.size()) return {};
    return std::string(text.substr(start - 1, length));
}

std::string Right(std::string_view text, std::size_t length) {
    return std::string(text.substr(text.size() > length ? text.size() - length : 0));
}

std::string WithoutLeadingBlanks(std::string text) {
    std::size_t b = text.find_first_not_of(' ');
    return b == std::string::npos ? std::string() : text.substr(b);
}

std::string WithoutTrailingBlanks(std::string text) {
    std::size_t e = text.find_last_not_of(' ');
    return e == std::string::npos ? std::string() : text.substr(0, e + 1);
}

}  // namespace

bool AerodromeReader::OpenSection(const std::string& path) {
    records_ = 0;
    if (!file_.Open(path)) return false;
    std::string line;
    while (file_.ReadLine(line))
        if (line == SectionMarker) return true;
    file_.Close();
    return false;
}

bool AerodromeReader::NextRecord(std::string& name, CoordTexts& coords) {
    if (!file_.IsOpen()) return false;
    std::string coordLine;
    if (records_ >= MaxRecords || !file_.ReadLine(name)) {
        file_.Close();
        return false;
    }
    DecodeNameLine(name, pieces_);
    if (name == SectionEnd || !file_.ReadLine(coordLine)) {
        file_.Close();
        return false;
    }
    ++records_;
    DecodeCoordLine(coordLine, coords);
    return true;
}

std::string LatitudeDisplay(std::string_view d) {
    return Mid(d, 1, 2) + "." + Mid(d, 3, 2) + "." + Right(d, 2);
}

std::string LongitudeDisplay(std::string_view d) {
    if (!d.empty() && d[0] == '1') return Mid(d, 1, 3) + "." + Mid(d, 4, 2) + "." + Right(d, 2);
    return LatitudeDisplay(d);
}

std::string MatchDisplayText(const std::string& name, const CoordTexts& coords) {
    return "  " + name + "  " + coords.VariationText + " " +
           LatitudeDisplay(ExpandDigits(coords.LatitudeText)) + "  " +
           LongitudeDisplay(ExpandDigits(coords.LongitudeText));
}

bool AerodromeSearch::NextMatch(std::string& displayText) {
    if (!started_) {
        started_ = true;
        if (!reader_.OpenSection(path_)) return false;
    }
    std::string name;
    CoordTexts coords;
    while (reader_.NextRecord(name, coords)) {
        if (AvcalcMod::InStrNoCase(name, searchText_) >= 1) {
            displayText = MatchDisplayText(name, coords);
            return true;
        }
    }
    return false;
}

std::string SearchAerodromes(const std::string& path, const std::string& searchText,
                             const NamePieces& pieces, const std::string& notFoundText,
                             const std::function<MatchAnswer(const std::string&)>& ask) {
    AerodromeSearch search(path, searchText, pieces);
    std::string text;
    while (search.NextMatch(text)) {
        const MatchAnswer answer = ask(text);
        if (answer == MatchAnswer::Keep) {
            search.Close();
            return text;
        }
        if (answer == MatchAnswer::Stop) break;
    }
    search.Close();
    return notFoundText;
}

PointLookUp LookUpPoint(const std::string& path, std::string_view typedText,
                        const NamePieces& pieces) {
    PointLookUp out;
    std::string key = Right(typedText, 4);
    std::string k = WithoutLeadingBlanks(AvcalcMod::Lower(key));

    AerodromeReader reader(pieces);
    std::string name;
    CoordTexts coords;
    // The first record whose identifier is "c" + key is kept while the rest of the
    // section is searched for the key itself: with Canada first in the file, BW8 would
    // otherwise find CBW8, hundreds of miles from the BW8 the user typed.
    std::optional<std::pair<std::string, CoordTexts>> found, canadian;
    if (reader.OpenSection(path)) {
        while (reader.NextRecord(name, coords)) {
            std::string n = WithoutLeadingBlanks(AvcalcMod::Lower(Right(name, 4)));
            if (k == n) {
                found.emplace(name, coords);
                break;
            }
            if (!canadian && "c" + k == n) canadian.emplace(name, coords);
        }
    }
    reader.Close();
    if (!found) found = std::move(canadian);

    if (found) {
        const auto& [foundName, foundCoords] = *found;
        out.FoundIdent = AvcalcMod::Upper(WithoutTrailingBlanks(Right(foundName, 4))) + " ";
        out.FoundLatitude = LatitudeFromDigits(ExpandDigits(foundCoords.LatitudeText));
        out.FoundLongitude = LongitudeFromDigits(ExpandDigits(foundCoords.LongitudeText));
        coords = foundCoords;
    } else {
        out.Display = AvcalcMod::Upper(key) + NotFoundTail;
    }
    out.VariationText = coords.VariationText;
    out.Variation = VariationFromText(coords.VariationText);
    return out;
}

}  // namespace navigation
