// The aerodrome section of the data file: a reader over its records, the search by part
// of a name (one match at a time, so the window can ask about each), and the look-up of
// one aerodrome by its identifier.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "navigation/records.h"
#include "startup/data_file.h"

namespace navigation {

inline constexpr int MaxRecords = 6700;
inline constexpr const char* SectionMarker = "astq";
inline constexpr const char* SectionEnd = "99";
inline constexpr const char* NotFoundTail = "  Not found";

// Reads the records one by one. The file is open only between OpenSection and the end
// of the records (or Close); every way out closes it.
class AerodromeReader {
  public:
    explicit AerodromeReader(const NamePieces& pieces) : pieces_(pieces) {}

    // Opens the file and skips to the line after the marker. False, with the file
    // closed, when the file cannot be opened or ends without the marker.
    bool OpenSection(const std::string& path);
    // The next record's decoded name line and coordinate texts. False, with the file
    // closed, at the end line "99", after the last record allowed, or at the end of the
    // file (a file cut short ends the section instead of being read forever).
    bool NextRecord(std::string& name, CoordTexts& coords);
    void Close() { file_.Close(); }
    bool IsOpen() const { return file_.IsOpen(); }

  private:
    AvcalcMod::TextFile file_;
    NamePieces pieces_;
    int records_ = 0;
};

// Latitude digits DDMMSS as "DD.MM.SS"; longitude digits as "DDD.MM.SS" when the first
// digit is "1", else "DD.MM.SS". Short (damaged) digit texts give shorter pieces.
std::string LatitudeDisplay(std::string_view digits);
std::string LongitudeDisplay(std::string_view digits);

// The display text of one match: two blanks, the name line, two blanks, the variation
// text, one blank, the latitude, two blanks, the longitude.
std::string MatchDisplayText(const std::string& name, const CoordTexts& coords);

// The search by part of a name, letter case ignored. Each NextMatch gives the next
// matching record in file order; the caller shows it and asks whether to keep it.
class AerodromeSearch {
  public:
    AerodromeSearch(std::string path, std::string searchText, const NamePieces& pieces)
        : path_(std::move(path)), searchText_(std::move(searchText)), reader_(pieces) {}

    // False when there are no more matches (the file is then closed).
    bool NextMatch(std::string& displayText);
    void Close() { reader_.Close(); }
    bool IsOpen() const { return reader_.IsOpen(); }

  private:
    std::string path_, searchText_;
    AerodromeReader reader_;
    bool started_ = false;
};

// The answer to the question asked about one match: keep it, skip to the next match, or
// stop the search at once.
enum class MatchAnswer { Keep, Skip, Stop };

// The whole search: asks `ask` about each match in turn, ends at the first match kept
// and at the first Stop. The new display text: the match kept, or notFoundText when
// none was kept (no match, every match skipped, or the search stopped), so a stopped
// search ends as one with no more matches does. The file is closed either way.
// This is the one search loop: the main window passes its question as `ask`.
std::string SearchAerodromes(const std::string& path, const std::string& searchText,
                             const NamePieces& pieces, const std::string& notFoundText,
                             const std::function<MatchAnswer(const std::string&)>& ask);

// What the look-up by identifier gives.
struct PointLookUp {
    std::string FoundIdent;     // identifier in capitals and one blank; empty when not found
    float FoundLatitude = 0;    // degrees, north positive
    float FoundLongitude = 0;   // degrees, west positive
    std::string VariationText;  // of the record found, else of the last record read
    float Variation = 0;        // west positive
    std::optional<std::string> Display;  // the key in capitals and "  Not found"
};

// Looks up the last four characters of the typed text (the whole text when shorter)
// against the last four of each name line, letter case and leading blanks ignored. A
// record whose identifier is the key itself wins wherever it stands; with none, the
// first record whose identifier is "c" and the key, so a Canadian identifier is found
// by its last three (YOW finds CYOW, BW8 finds BW8 and not CBW8).
PointLookUp LookUpPoint(const std::string& path, std::string_view typedText,
                        const NamePieces& pieces);

}  // namespace navigation
