#include "navigation/search.h"

#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cstring>
#include <functional>
#if !defined(__cpp_lib_boyer_moore_searcher)
#include <experimental/functional>
#endif
#include <iterator>
#include <utility>

#include "common/shared_routines.h"

namespace navigation {
namespace {

// Buffers of the section's size, kept from one search to the next: a fresh buffer of a
// few hundred kilobytes costs a page fault a page each time, more than the search itself.
// One grown larger by an unusually large file is let go instead of kept for the whole run.
constexpr std::size_t MaxSpareBytes = std::size_t{4} << 20;

std::vector<std::string>& SparePool() {
    thread_local std::vector<std::string> spare;
    return spare;
}

}  // namespace

std::string TakeBuffer() {
    auto& spare = SparePool();
    if (spare.empty()) return {};
    std::string buffer = std::move(spare.back());
    spare.pop_back();
    return buffer;
}

void GiveBack(std::string&& buffer) {
    auto& spare = SparePool();
    if (spare.size() < 4 && buffer.capacity() > 0 && buffer.capacity() <= MaxSpareBytes)
        spare.push_back(std::move(buffer));
}

namespace {

// The first CR or LF at or after `from`, or the size. Sixteen bytes at a time where the
// processor compares sixteen at once (every x86-64 does); else eight at a time, the bytes
// below 14 marked (a byte just above a marked one may be marked too) and each mark checked.
// Called once a line, so always put in place.
inline __attribute__((always_inline)) std::size_t LineEnd(const char* data, std::size_t from,
                                                          std::size_t size) {
    std::size_t at = from;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    for (; at + 16 <= size; at += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        const int ends =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)));
        if (ends != 0)
            return at + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(ends)));
    }
#endif
    for (; at + 8 <= size; at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, data + at, 8);
        for (std::uint64_t marks = (word - 0x0E0E0E0E0E0E0E0EULL) & ~word & 0x8080808080808080ULL;
             marks != 0; marks &= marks - 1) {
            const std::size_t pos = at + static_cast<std::size_t>(__builtin_ctzll(marks)) / 8;
            if (data[pos] == '\r' || data[pos] == '\n') return pos;
        }
    }
    while (at < size && data[at] != '\r' && data[at] != '\n') ++at;
    return at;
}

// The decoded name line, lowered, written at out; returns the end. Each packed character
// writes its two characters and keeps one or two of them: no branch a character.
char* WriteLowered(std::string_view packed, const std::uint32_t* __restrict expansions,
                   char* __restrict out) {
    const auto* in = reinterpret_cast<const unsigned char*>(packed.data());
    const unsigned char* const end = in + packed.size();
    for (; end - in >= 4; in += 4) {
        for (int k = 0; k < 4; ++k) {
            const std::uint32_t expansion = expansions[in[k]];
            std::memcpy(out, &expansion, 2);
            out += expansion >> 16;
        }
    }
    for (; in < end; ++in) {
        const std::uint32_t expansion = expansions[*in];
        std::memcpy(out, &expansion, 2);
        out += expansion >> 16;
    }
    return out;
}

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

AerodromeReader::AerodromeReader(const NamePieces& pieces)
    : pieces_(pieces), section_(TakeBuffer()) {
    records_.swap(SpareRecords());
    for (int c = 0; c < 256; ++c) {
        std::array<char, 2> chars{};
        std::uint32_t count = 1;
        if (c == '\r' || c == '\n') {
            count = 0;
        } else if (c > 90) {
            const std::string& piece = pieces_[static_cast<std::size_t>(c - 90)];
            count = static_cast<std::uint32_t>(std::min<std::size_t>(piece.size(), 2));
            for (std::size_t k = 0; k < count; ++k) chars[k] = AvcalcMod::LowerChar(piece[k]);
        } else {
            chars[0] = AvcalcMod::LowerChar(static_cast<char>(c));
        }
        for (std::uint32_t k = 0; k < count; ++k)
            if (chars[k] >= 'a' && chars[k] <= 'z')
                letters_[static_cast<std::size_t>(c)] |= std::uint32_t{1} << (chars[k] - 'a');
        if (count == 0 && c != '\r' && c != '\n') emptyExpansions_ = true;
        lowered_[static_cast<std::size_t>(c)] = static_cast<unsigned char>(chars[0]) |
                                                static_cast<unsigned char>(chars[1]) << 8 |
                                                count << 16;
    }
}

AerodromeReader::~AerodromeReader() {
    GiveBack(std::move(section_));
    if (SpareRecords().capacity() < records_.capacity()) SpareRecords().swap(records_);
}

std::vector<AerodromeReader::Span>& AerodromeReader::SpareRecords() {
    thread_local std::vector<Span> spare;
    return spare;
}

std::uint32_t AerodromeReader::Letters(std::string_view packedName) const {
    const auto* in = reinterpret_cast<const unsigned char*>(packedName.data());
    const unsigned char* const end = in + packedName.size();
    const std::uint32_t* const table = letters_.data();
    // Four chains, so no load waits for another.
    std::uint32_t a = 0, b = 0, c = 0, d = 0;
    for (; end - in >= 4; in += 4) {
        a |= table[in[0]];
        b |= table[in[1]];
        c |= table[in[2]];
        d |= table[in[3]];
    }
    for (; in < end; ++in) a |= table[*in];
    return a | b | c | d;
}

inline AerodromeReader::Line AerodromeReader::NextLine() {
    // The usual line: whole in what has been read, not too long, something after its end.
    const char* const data = section_.data();
    const std::size_t end = LineEnd(data, lineStart_, used_);
    if (end + 1 >= used_ || end - lineStart_ > AvcalcMod::MaxLineBytes) return NextLineSlowly();
    const Line line{static_cast<std::uint32_t>(lineStart_),
                    static_cast<std::uint32_t>(end - lineStart_), Line::Whole};
    lineStart_ = end + (data[end] == '\r' && data[end + 1] == '\n' ? 2 : 1);
    return line;
}

AerodromeReader::Line AerodromeReader::NextLineSlowly() {
    std::size_t end = LineEnd(section_.data(), lineStart_, used_);
    bool dropping = false;                       // the line is too long: its bytes go as they come
    while (end == used_ && !atEnd_) {            // the line goes on past what has been read
        std::size_t scanned = end - lineStart_;  // none of them a line end
        if (dropping || scanned > AvcalcMod::MaxLineBytes) {
            used_ = lineStart_;
            dropping = true;
            scanned = 0;
        }
        if (!keepLines_) {  // only the line being read is needed
            std::memmove(section_.data(), section_.data() + lineStart_, used_ - lineStart_);
            used_ -= lineStart_;
            lineStart_ = 0;
        }
        ReadPiece();
        end = LineEnd(section_.data(), lineStart_ + scanned, used_);
    }
    if (end == lineStart_ && end == used_ && !dropping) return Line{0, 0, Line::None};
    std::size_t length = end - lineStart_;
    Line line{0, 0, Line::Whole};
    if (dropping || length > AvcalcMod::MaxLineBytes) {
        // Its bytes go: what follows moves down over them.
        line.kind = Line::TooLong;
        std::memmove(section_.data() + lineStart_, section_.data() + end, used_ - end);
        used_ -= length;
        end = lineStart_;
        length = 0;
    }
    line.at = static_cast<std::uint32_t>(lineStart_);
    line.length = static_cast<std::uint32_t>(length);
    if (end == used_) {  // the last line, without a line end
        lineStart_ = used_;
        return line;
    }
    lineStart_ = end + 1;
    if (section_[end] == '\r') {  // CR LF is one line end
        if (lineStart_ == used_ && !atEnd_) ReadPiece();
        if (lineStart_ < used_ && section_[lineStart_] == '\n') ++lineStart_;
    }
    return line;
}

void AerodromeReader::ReadPiece() {
    // A piece at a time, so that what follows the end of the section is never read.
    constexpr std::size_t Piece = std::size_t{1} << 16;
    if (section_.size() < used_ + Piece) section_.resize(used_ + Piece);
    const std::size_t got = file_.Read(section_.data() + used_, Piece);
    used_ += got;
    readTotal_ += got;
    // A short read is the end of a regular file; one that grew past the limit after it
    // was opened ends there.
    atEnd_ = got < Piece || readTotal_ > AvcalcMod::MaxDataFileBytes;
}

bool AerodromeReader::OpenSection(const std::string& path) {
    records_.clear();
    next_ = 0;
    used_ = 0;
    nameBytes_ = 0;
    lineStart_ = 0;
    readTotal_ = 0;
    atEnd_ = false;
    bool marker = false;
    if (file_.Open(path)) {
        // Before the marker nothing needs keeping but the line being read.
        keepLines_ = false;
        for (Line line{}; !marker && (line = NextLine()).kind != Line::None;)
            marker = line.kind == Line::Whole && LineText(line) == SectionMarker;
        keepLines_ = true;
        if (marker) ReadRecords();
    }
    file_.Close();
    return marker;
}

void AerodromeReader::ReadRecords() {
    for (int n = 0; n < MaxRecords; ++n) {
        const Line name = NextLine();
        if (name.kind == Line::None) return;
        if (name.kind == Line::Whole && (name.length <= 2 || emptyExpansions_) &&
            IsEndMark(LineText(name)))
            return;
        const Line coords = NextLine();
        if (coords.kind == Line::None) return;
        if (name.kind != Line::Whole || coords.kind != Line::Whole) continue;  // passed over
        records_.push_back({name.at, name.length, coords.at, coords.length});
        nameBytes_ += name.length;
    }
}

bool AerodromeReader::IsEndMark(std::string_view packedName) const {
    // Where line 220 is short some packed characters give no character, and a line of
    // any length can read "99"; else only one of two characters or fewer can.
    char decoded[2];
    std::size_t length = 0;
    for (const char ch : packedName) {
        const std::uint32_t expansion = lowered_[static_cast<unsigned char>(ch)];
        const std::uint32_t count = expansion >> 16;
        if (length + count > 2) return false;
        for (std::uint32_t k = 0; k < count; ++k)
            decoded[length++] = static_cast<char>(expansion >> (8 * k));
    }
    return length == 2 && decoded[0] == SectionEnd[0] && decoded[1] == SectionEnd[1];
}

void AerodromeReader::Close() {
    file_.Close();
    // The bytes stay in the buffer (it goes back for the next reader at its size, so the
    // next read does not clear it again); no record is given out any more.
    next_ = records_.size();
}

bool AerodromeReader::NextPacked(std::string_view& name, std::string_view& coords) {
    if (next_ >= records_.size()) return false;
    const Span& r = records_[next_++];
    name = std::string_view(section_.data() + r.nameAt, r.nameLength);
    coords = std::string_view(section_.data() + r.coordsAt, r.coordsLength);
    return true;
}

char* AerodromeReader::WriteLowerName(std::string_view packedName, char* out) const {
    return WriteLowered(packedName, lowered_.data(), out);
}

std::string_view AerodromeReader::LowerLastFour(std::string_view packedName,
                                                char (&tail)[4]) const {
    char decoded[10];
    std::size_t length = 0;
    if (!emptyExpansions_) {
        // Every packed character gives one character or two, so the last four packed ones
        // give the last four decoded ones (eight at the most, one more written past them).
        const std::string_view last =
            packedName.substr(packedName.size() - std::min<std::size_t>(4, packedName.size()));
        length = static_cast<std::size_t>(WriteLowered(last, lowered_.data(), decoded) - decoded);
    } else {
        // Where line 220 is short some give none: from the end until four are decoded.
        std::size_t first = sizeof decoded;
        for (std::size_t i = packedName.size(); i > 0 && sizeof decoded - first < 4; --i) {
            const std::uint32_t expansion = lowered_[static_cast<unsigned char>(packedName[i - 1])];
            const std::uint32_t count = expansion >> 16;
            if (count == 2) decoded[--first] = static_cast<char>(expansion >> 8);
            if (count >= 1) decoded[--first] = static_cast<char>(expansion);
        }
        length = sizeof decoded - first;
        std::memmove(decoded, decoded + first, length);
    }
    const std::size_t kept = std::min<std::size_t>(4, length);
    std::memcpy(tail, decoded + length - kept, kept);
    return std::string_view(tail, kept);
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

void AerodromeSearch::ReadSection() {
    loweredText_ = AvcalcMod::Lower(searchText_);
    if (!reader_.OpenSection(path_)) return;
    // A name holds the text only if it holds every letter of it: the names that cannot
    // are passed over without being decoded.
    std::uint32_t needed = 0;
    for (const char ch : loweredText_)
        if (ch >= 'a' && ch <= 'z') needed |= std::uint32_t{1} << (ch - 'a');
    names_ = TakeBuffer();
    // A buffer reused at this size is not cleared again (every character used is written).
    const std::size_t bound = reader_.LoweredNamesBound() + 1;
    if (names_.size() < bound) names_.resize(bound);
    char* const first = names_.data();
    char* out = first;
    std::string_view packedName, packedCoords, variationFrom;
    while (reader_.NextPacked(packedName, packedCoords)) {
        if (!packedCoords.empty()) variationFrom = packedCoords;
        if ((reader_.Letters(packedName) & needed) != needed) continue;
        records_.push_back(
            {static_cast<std::size_t>(out - first), packedName, packedCoords, variationFrom});
        out = reader_.WriteLowerName(packedName, out);
        *out++ = '\n';
    }
    namesSize_ = static_cast<std::size_t>(out - first);
}

bool AerodromeSearch::NextMatch(std::string& displayText) {
    if (!started_) {
        started_ = true;
        ReadSection();
    }
    // Letter case ignored, as InStrNoCase compares: both sides lowered. An empty search
    // text is found in every name that is not empty.
    const std::string_view names(names_.data(), namesSize_);
#if defined(__cpp_lib_boyer_moore_searcher)
    const std::boyer_moore_horspool_searcher finder(
#else
    // libc++ before 17 has the searcher only in its experimental header.
    const std::experimental::boyer_moore_horspool_searcher finder(
#endif
        loweredText_.begin(), loweredText_.end());
    while (searchFrom_ < names.size()) {
        const auto hit = std::search(names.begin() + static_cast<std::ptrdiff_t>(searchFrom_),
                                     names.end(), finder);
        if (hit == names.end()) break;
        const auto at = static_cast<std::size_t>(hit - names.begin());
        // The record whose name holds the hit, and where that name ends.
        const auto record = std::prev(
            std::upper_bound(records_.begin(), records_.end(), at,
                             [](std::size_t pos, const Record& r) { return pos < r.nameAt; }));
        const std::size_t nameEnd = names.find('\n', record->nameAt);
        searchFrom_ = nameEnd + 1;  // one match a record
        if (at + loweredText_.size() > nameEnd || record->nameAt == nameEnd) {
            // Across two names, or an empty name: look on from the hit.
            searchFrom_ = at + loweredText_.size() > nameEnd && at < nameEnd ? at + 1 : nameEnd + 1;
            continue;
        }
        std::string& name = matchName_;
        name = record->packedName;
        DecodeNameLine(name, reader_.Pieces());
        CoordTexts coords;
        // An empty coordinate line leaves the variation the records before it set.
        if (record->packedCoords.empty()) DecodeCoordLine(record->variationFrom, coords);
        DecodeCoordLine(record->packedCoords, coords);
        displayText = MatchDisplayText(name, coords);
        return true;
    }
    searchFrom_ = names.size();
    return false;
}

SearchOutcome SearchAerodromes(const std::string& path, const std::string& searchText,
                               const NamePieces& pieces, const std::string& notFoundText,
                               const std::function<MatchAnswer(const std::string&)>& ask) {
    AerodromeSearch search(path, searchText, pieces);
    SearchOutcome outcome;
    std::string text;
    while (search.NextMatch(text)) {
        outcome.ending = ask(text);
        if (outcome.ending == MatchAnswer::Keep) {
            // The identifier is the last four characters (a three-letter one after a blank).
            const std::string& line = search.MatchName();
            outcome.display = text;
            outcome.identifier = WithoutLeadingBlanks(Right(line, 4));
            outcome.name = WithoutTrailingBlanks(
                line.substr(0, line.size() - std::min<std::size_t>(4, line.size())));
            search.Close();
            return outcome;
        }
        if (outcome.ending == MatchAnswer::Stop) break;
    }
    search.Close();
    outcome.display = notFoundText;
    return outcome;
}

PointLookUp LookUpPoint(const std::string& path, std::string_view typedText,
                        const NamePieces& pieces) {
    PointLookUp out;
    std::string key = Right(typedText, 4);
    std::string k = WithoutLeadingBlanks(AvcalcMod::Lower(key));

    const std::string ck = "c" + k;
    // The last character decoded is the key's, for k and "c" + k alike: most records are
    // passed over on it alone.
    const int keyLast = k.empty() ? -1 : static_cast<unsigned char>(k.back());

    AerodromeReader reader(pieces);
    CoordTexts coords;
    // The first record whose identifier is "c" + key is kept while the rest of the
    // section is searched for the key itself: with Canada first in the file, BW8 would
    // otherwise find CBW8, hundreds of miles from the BW8 the user typed.
    std::optional<std::pair<std::string, CoordTexts>> found, canadian;
    // The last coordinate line with a first character: an empty one leaves the variation
    // the records before it set.
    std::string_view packedName, packedCoords, variationFrom;
    const auto record = [&pieces](std::string_view name, std::string_view coords,
                                  std::string_view carried) {
        std::pair<std::string, CoordTexts> r{std::string(name), {}};
        DecodeNameLine(r.first, pieces);
        if (coords.empty()) DecodeCoordLine(carried, r.second);
        DecodeCoordLine(coords, r.second);
        return r;
    };
    if (reader.OpenSection(path)) {
        while (reader.NextPacked(packedName, packedCoords)) {
            if (!packedCoords.empty()) variationFrom = packedCoords;
            const int lastChar = reader.LowerLastChar(packedName);
            if (keyLast >= 0 && lastChar >= 0 && lastChar != keyLast) continue;
            char tail[4];
            std::string_view n = reader.LowerLastFour(packedName, tail);
            n.remove_prefix(std::min(n.find_first_not_of(' '), n.size()));
            if (k == n) {
                found = record(packedName, packedCoords, variationFrom);
                break;
            }
            if (!canadian && ck == n) canadian = record(packedName, packedCoords, variationFrom);
        }
        // The variation of the last record read stays (that of a failed look-up).
        if (!found) DecodeCoordLine(variationFrom, coords);
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
