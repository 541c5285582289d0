// The aerodrome section of the data file: a reader over its records, the search by part
// of a name (one match at a time, so the window can ask about each), and the look-up of
// one aerodrome by its identifier.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "navigation/records.h"
#include "startup/data_file.h"

namespace navigation {

inline constexpr int MaxRecords = 6700;
inline constexpr const char* SectionMarker = "astq";
inline constexpr const char* SectionEnd = "99";
inline constexpr const char* NotFoundTail = "  Not found";

// Reads the records one by one. OpenSection opens the file, reads it up to the end of the
// section and closes it again, so no file stays open while a question is on the screen;
// the records are then taken from memory. A line ends at CR LF, CR or LF.
class AerodromeReader {
  public:
    explicit AerodromeReader(const NamePieces& pieces);
    ~AerodromeReader();
    AerodromeReader(const AerodromeReader&) = delete;
    AerodromeReader& operator=(const AerodromeReader&) = delete;

    // Opens the file (see TextFile::Open: a regular file of at most MaxDataFileBytes),
    // finds the line after the marker and reads the records from there until the name
    // line that decodes to "99", the last record allowed or the end of the file (a file
    // cut short ends the section instead of being read for ever); nothing after the end
    // is read. A record with a line over MaxLineBytes is passed over (its bytes are not
    // kept). False when the file does not open or has no marker line. The file is closed
    // either way.
    bool OpenSection(const std::string& path);
    // The next record's lines as stored (still packed, valid until the reader is opened
    // again or goes). False after the last one.
    bool NextPacked(std::string_view& name, std::string_view& coords);
    // No record is given out any more (the bytes stay for the next reader's buffer).
    void Close();
    bool IsOpen() const { return file_.IsOpen(); }

    // Writes the decoded name line, lowered, at `out` (room for two characters a packed
    // byte is needed) and gives the end of what it wrote.
    char* WriteLowerName(std::string_view packedName, char* out) const;
    // Which letters a to z the decoded name line holds (bit 0 a, ... bit 25 z).
    std::uint32_t Letters(std::string_view packedName) const;
    // Room enough for every name given out, lowered, each with one more character.
    std::size_t LoweredNamesBound() const { return 2 * nameBytes_ + records_.size(); }
    // The last four characters of the decoded name line in lower case (fewer when it is
    // shorter), written into `tail`.
    std::string_view LowerLastFour(std::string_view packedName, char (&tail)[4]) const;
    // The last character of the decoded name line in lower case; -1 where the last packed
    // character alone cannot tell it (an empty line, or line 220 short).
    int LowerLastChar(std::string_view packedName) const {
        if (emptyExpansions_ || packedName.empty()) return -1;
        const std::uint32_t expansion = lowered_[static_cast<unsigned char>(packedName.back())];
        return static_cast<int>((expansion >> (8 * ((expansion >> 16) - 1))) & 0xFF);
    }
    const NamePieces& Pieces() const { return pieces_; }

  private:
    struct Span {  // where a record's two lines lie in section_
        std::uint32_t nameAt, nameLength, coordsAt, coordsLength;
    };
    struct Line {
        std::uint32_t at, length;  // in section_; no bytes are kept of a line too long
        enum Kind : std::uint32_t { None, Whole, TooLong } kind;  // None: no more lines
    };
    // The record list kept from one reader to the next, as the byte buffers are.
    static std::vector<Span>& SpareRecords();
    // Reads the records after the marker up to the end of the section.
    void ReadRecords();
    // The next line of the open file, reading on as needed.
    Line NextLine();
    Line NextLineSlowly();  // the same where the usual line's shortcut does not do
    // Reads the next piece of the file after what has been read.
    void ReadPiece();
    std::string_view LineText(const Line& line) const {
        return std::string_view(section_.data() + line.at, line.length);
    }
    // Whether a packed name line decodes to the end mark.
    bool IsEndMark(std::string_view packedName) const;

    AvcalcMod::TextFile file_;
    NamePieces pieces_;
    // Each packed character's expansion, lowered: its two characters in the low 16 bits
    // and how many of them count (none, one or two; fewer than two only where line 220
    // is short) above; a line end counts none.
    std::array<std::uint32_t, 256> lowered_{};
    std::array<std::uint32_t, 256> letters_{};  // the letters of each expansion
    // Whether a packed character (not a line end) gives no character, as where line 220
    // is cut short. Such a file is still read rather than refused with the box: its
    // other 564 lines may all be good, and the record rules decode a name with any
    // pieces. The end mark and the last four characters then take the slower way that
    // agrees with plain decoding.
    bool emptyExpansions_ = false;
    std::string section_;   // the bytes read (a buffer kept between readers)
    std::size_t used_ = 0;  // how many of them hold the file's bytes
    std::vector<Span> records_;
    std::size_t next_ = 0;  // the next record to give out
    std::size_t nameBytes_ = 0;
    // While the file is read: where the next line starts in section_, how much has been
    // read, whether that is all, and whether the lines read are kept (not before the
    // marker).
    std::size_t lineStart_ = 0, readTotal_ = 0;
    bool atEnd_ = false, keepLines_ = true;
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
// Scratch buffers reused from one reader to the next (TakeBuffer gives an empty one).
std::string TakeBuffer();
void GiveBack(std::string&& buffer);

class AerodromeSearch {
  public:
    AerodromeSearch(std::string path, std::string searchText, const NamePieces& pieces)
        : path_(std::move(path)), searchText_(std::move(searchText)), reader_(pieces) {}
    ~AerodromeSearch() { GiveBack(std::move(names_)); }
    AerodromeSearch(const AerodromeSearch&) = delete;
    AerodromeSearch& operator=(const AerodromeSearch&) = delete;

    // False when there are no more matches.
    bool NextMatch(std::string& displayText);
    // The decoded name line of the last match (name, place and identifier).
    const std::string& MatchName() const { return matchName_; }
    void Close() { reader_.Close(); }
    bool IsOpen() const { return reader_.IsOpen(); }

  private:
    struct Record {
        std::size_t nameAt;  // where its lowered name starts in names_
        std::string_view packedName, packedCoords;
        std::string_view variationFrom;  // the last coordinate line with a first character
    };
    // Decodes every name of the section, lowered, into one text: one search over it
    // finds every match in order.
    void ReadSection();

    std::string path_, searchText_, loweredText_;
    AerodromeReader reader_;
    std::string names_;  // the lowered names that may match, each followed by a line feed
    std::size_t namesSize_ = 0;
    std::vector<Record> records_;
    std::size_t searchFrom_ = 0;
    bool started_ = false;
    std::string matchName_;
};

// The answer to the question asked about one match: keep it, skip to the next match, or
// stop the search at once.
enum class MatchAnswer { Keep, Skip, Stop };

// How a search ended. The display shows the match kept, or notFoundText when none was
// kept (no match, every match skipped, or the search stopped), so a stopped search ends
// on the display as one with no more matches does; `ending` tells them apart.
struct SearchOutcome {
    std::string display;
    MatchAnswer ending = MatchAnswer::Skip;  // Keep, Stop, or Skip: no match left
    std::string identifier, name;            // of the match kept: "CYOW", "OTTAWA/..., OTTAWA, ON"
};

// The whole search: asks `ask` about each match in turn, ends at the first match kept
// and at the first Stop. The file is closed either way. This is the one search loop: the
// main window passes its question as `ask`.
SearchOutcome SearchAerodromes(const std::string& path, const std::string& searchText,
                               const NamePieces& pieces, const std::string& notFoundText,
                               const std::function<MatchAnswer(const std::string&)>& ask);

// What the look-up by identifier gives.
struct PointLookUp {
    std::string FoundIdent;     // identifier in capitals and one blank; empty when not found
    float FoundLatitude = 0;    // degrees, north positive
    float FoundLongitude = 0;   // degrees, west positive
    std::string VariationText;  // of the record found, else of the last record read (a
                                // record whose coordinate line is empty keeps the one
                                // before it, as the record rules say)
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
