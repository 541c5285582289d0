#include "tools/packing.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <sstream>

#include "navigation/records.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
#include "startup/fragments.h"

namespace builder {
namespace {

// Codes that ExpandLine passes through unchanged.
bool PassesThrough(int c) {
    return c == 7 || (c >= 28 && c <= 126 && c != 59 && c != 123 && c != 124 && c != 125);
}

// The byte that makes ExpandLine emit fragment entry e, or -1 when no code reaches it.
// Codes 10 and 13 would end or split a line, so the other code of those entries is used.
int CodeForFragment(int e) {
    if (e >= 1 && e <= 129 && e != 7 && e != 10) return e + 126;
    if (e >= 130 && e <= 140) return e - 116;
    if (e >= 141 && e <= 147) return e - 141;
    return -1;
}

struct WordRule {
    std::string text;
    int code;
};
const WordRule kWordRules[] = {{" aircraft ", 125}, {" engine ", 123}, {" pilot ", 124},
                               {".  ", 133},        {",  ", 136},      {"; ", 59}};

std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += '"', ++i;
            else if (c == '"')
                quoted = false;
            else
                fields.back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::vector<std::string> Lines(const std::string& content) {
    std::vector<std::string> lines;
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Shortest packing by dynamic programming over the positions of the text. `options`
// lists, for a position, the (length consumed, output bytes) choices.
template <typename Options>
std::optional<std::string> ShortestPacking(const std::string& text, Options options) {
    const std::size_t n = text.size();
    std::vector<int> best(n + 1, INT_MAX);
    std::vector<std::pair<std::size_t, std::string>> choice(n + 1);
    best[n] = 0;
    for (std::size_t i = n; i-- > 0;) {
        for (auto& [len, bytes] : options(i)) {
            if (best[i + len] == INT_MAX) continue;
            int cost = best[i + len] + static_cast<int>(bytes.size());
            if (cost < best[i]) best[i] = cost, choice[i] = {len, bytes};
        }
    }
    if (best[0] == INT_MAX) return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < n; i += choice[i].first) out += choice[i].second;
    return out;
}

// Picks `count` two-character pieces greedily: each round takes the pair that occurs
// most often among the characters no earlier piece has covered.
std::vector<std::string> ChoosePairs(const std::vector<std::string>& lines,
                                     std::vector<std::vector<bool>> covered, std::size_t count,
                                     bool (*usable)(unsigned char)) {
    std::vector<std::string> chosen;
    while (chosen.size() < count) {
        std::map<std::string, int> counts;
        for (std::size_t l = 0; l < lines.size(); ++l) {
            const std::string& s = lines[l];
            for (std::size_t i = 0; i + 1 < s.size(); ++i) {
                if (covered[l][i] || covered[l][i + 1]) continue;
                if (!usable(static_cast<unsigned char>(s[i])) ||
                    !usable(static_cast<unsigned char>(s[i + 1])))
                    continue;
                ++counts[s.substr(i, 2)];
            }
        }
        std::string best;
        int bestCount = 0;
        for (auto& [pair, c] : counts)
            if (c > bestCount) best = pair, bestCount = c;
        if (bestCount == 0) break;
        chosen.push_back(best);
        for (std::size_t l = 0; l < lines.size(); ++l) {
            const std::string& s = lines[l];
            for (std::size_t i = 0; i + 1 < s.size(); ++i) {
                if (covered[l][i] || covered[l][i + 1] || s.compare(i, 2, best) != 0) continue;
                covered[l][i] = covered[l][i + 1] = true;
            }
        }
    }
    return chosen;
}

// Lines read by position are stored character for character, so that their expansion
// is exact whatever the fragment table holds.
bool IsFixedWidthLine(std::size_t n) {
    return n == 153 || n == 211 || n == 212 || n == 214 || n == 220;
}

std::optional<std::string> PackLiterally(const std::string& text) {
    for (char c : text)
        if (!PassesThrough(static_cast<unsigned char>(c))) return std::nullopt;
    return text;
}

bool UsableInName(unsigned char c) {
    return c >= 32 && c <= 90 && c != ';';
}
bool UsableInText(unsigned char c) {
    return c >= 32 && c <= 126 && c != '"' && c != '\\';
}

}  // namespace

std::optional<Texts> ParseTexts(const std::string& content, std::string& error) {
    Texts texts;
    std::vector<bool> seen(566, false);
    for (const std::string& line : Lines(content)) {
        if (line.empty()) continue;
        std::size_t bar = line.find('|');
        int n = bar == std::string::npos ? 0 : std::atoi(line.substr(0, bar).c_str());
        if (n < 1 || n > 565 || seen[static_cast<std::size_t>(n)]) {
            error = "bad or repeated line number in: " + line;
            return std::nullopt;
        }
        seen[static_cast<std::size_t>(n)] = true;
        texts[static_cast<std::size_t>(n)] = line.substr(bar + 1);
    }
    return texts;
}

std::optional<std::vector<Aerodrome>> ParseAerodromes(const std::string& content,
                                                      std::string& error) {
    std::vector<Aerodrome> list;
    std::vector<std::string> lines = Lines(content);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        auto f = SplitCsvLine(lines[i]);
        if (f.size() != 8) {
            error =
                "line " + std::to_string(i + 1) + " has " + std::to_string(f.size()) + " fields";
            return std::nullopt;
        }
        Aerodrome a{f[0], f[1], f[2], f[3], f[4]};
        a.latitude = std::atof(f[5].c_str());
        a.longitude = std::atof(f[6].c_str());
        a.variationWest = std::atoi(f[7].c_str());
        list.push_back(a);
    }
    return list;
}

std::string NameLine(const Aerodrome& a) {
    std::string line = a.name + ", ";
    if (!a.city.empty()) line += a.city + ", ";
    line += a.region + " ";
    line += std::string(4 - std::min<std::size_t>(4, a.ident.size()), ' ') + a.ident;
    return line;
}

std::optional<std::string> PackTextLine(const std::string& text) {
    return ShortestPacking(text, [&](std::size_t i) {
        std::vector<std::pair<std::size_t, std::string>> opts;
        for (const WordRule& w : kWordRules)
            if (text.compare(i, w.text.size(), w.text) == 0)
                opts.emplace_back(w.text.size(), std::string(1, static_cast<char>(w.code)));
        for (int e = 1; e <= AvcalcMod::FragmentCount; ++e) {
            int code = CodeForFragment(e);
            const char* frag = AvcalcMod::FragmentConstant + 2 * e - 1;
            if (code >= 0 && text.compare(i, 2, frag, 2) == 0)
                opts.emplace_back(2, std::string(1, static_cast<char>(code)));
        }
        if (PassesThrough(static_cast<unsigned char>(text[i])))
            opts.emplace_back(1, std::string(1, text[i]));
        return opts;
    });
}

std::vector<std::string> ChooseNamePieces(const std::vector<std::string>& nameLines) {
    std::vector<std::vector<bool>> covered;
    for (const auto& l : nameLines) covered.emplace_back(l.size(), false);
    auto pieces = ChoosePairs(nameLines, covered, navigation::NamePieceCount, UsableInName);
    while (pieces.size() < navigation::NamePieceCount) pieces.push_back("  ");
    return pieces;
}

std::string PackNameLine(const std::string& line, const std::vector<std::string>& pieces) {
    auto packed = ShortestPacking(line, [&](std::size_t i) {
        std::vector<std::pair<std::size_t, std::string>> opts;
        for (std::size_t p = 0; p < pieces.size(); ++p)
            if (line.compare(i, 2, pieces[p]) == 0)
                opts.emplace_back(2, std::string(1, static_cast<char>(91 + p)));
        if (static_cast<unsigned char>(line[i]) <= 90)
            opts.emplace_back(1, std::string(1, line[i]));
        return opts;
    });
    return packed.value_or(std::string());
}

namespace {
// Degrees, minutes and seconds of a magnitude in whole seconds (60 carries over).
std::string PackAngle(double degrees) {
    long total = std::lround(std::fabs(degrees) * 3600.0);
    long d = total / 3600, m = (total % 3600) / 60, s = total % 60;
    return {static_cast<char>(30 + d), static_cast<char>(30 + m), static_cast<char>(30 + s)};
}
}  // namespace

std::string PackCoordLine(const Aerodrome& a) {
    int v = a.variationWest;
    char variation = static_cast<char>(v >= 0 ? 155 + v : 55 - v);
    return variation + PackAngle(a.latitude) + PackAngle(-a.longitude);
}

std::string SuggestFragmentConstant(const Texts& texts) {
    std::vector<std::string> lines;
    std::vector<std::vector<bool>> covered;
    for (std::size_t n = 1; n < texts.size(); ++n) {
        const std::string& t = texts[n];
        if (t.empty() || IsFixedWidthLine(n)) continue;
        std::vector<bool> cov(t.size(), false);
        for (const WordRule& w : kWordRules)
            for (std::size_t p = t.find(w.text); p != std::string::npos; p = t.find(w.text, p + 1))
                std::fill(cov.begin() + static_cast<long>(p),
                          cov.begin() + static_cast<long>(p + w.text.size()), true);
        lines.push_back(t);
        covered.push_back(cov);
    }
    // Entries 7 and 10 are reached by no code; they hold a filler.
    auto pairs = ChoosePairs(lines, covered, AvcalcMod::FragmentCount - 2, UsableInText);
    std::string constant = "*";
    std::size_t next = 0;
    for (int e = 1; e <= AvcalcMod::FragmentCount; ++e) {
        if (e == 7 || e == 10 || next >= pairs.size())
            constant += "##";
        else
            constant += pairs[next++];
    }
    return constant;
}

std::optional<std::string> BuildDataFile(Texts texts, const std::vector<Aerodrome>& aerodromes,
                                         std::string& error) {
    std::vector<std::string> names;
    for (const auto& a : aerodromes) names.push_back(NameLine(a));
    auto pieces = ChooseNamePieces(names);
    texts[220] = "*";
    for (const auto& p : pieces) texts[220] += p;

    std::string out;
    for (int n = 1; n <= AvcalcMod::TextLineCount; ++n) {
        const std::string& t = texts[static_cast<std::size_t>(n)];
        auto packed =
            IsFixedWidthLine(static_cast<std::size_t>(n)) ? PackLiterally(t) : PackTextLine(t);
        if (!packed) {
            error = "text line " + std::to_string(n) + " cannot be packed: " + t;
            return std::nullopt;
        }
        if (*packed == "astq") {
            error = "text line " + std::to_string(n) + " would read as the section marker";
            return std::nullopt;
        }
        out += *packed + "\r\n";
    }
    out += "astq\r\n";
    for (std::size_t i = 0; i < aerodromes.size(); ++i) {
        out += PackNameLine(names[i], pieces) + "\r\n";
        out += PackCoordLine(aerodromes[i]) + "\r\n";
    }
    out += "99\r\n";
    return out;
}

std::string VerifyDataFile(const std::string& path, const Texts& texts,
                           const std::vector<Aerodrome>& aerodromes) {
    using namespace AvcalcMod;
    std::ostringstream problems;
    BuildFragmentTable();
    ReadTextSection(path);
    for (int n = 1; n <= TextLineCount; ++n) {
        if (n == 220) continue;  // chosen by the builder, checked through the records
        if (TextLines[static_cast<std::size_t>(n)] != texts[static_cast<std::size_t>(n)])
            problems << "text line " << n << " reads back as '"
                     << TextLines[static_cast<std::size_t>(n)] << "'\n";
    }
    auto pieces = navigation::NamePiecesFromLine(TextLines[220]);

    TextFile file;
    if (!file.Open(path)) return "cannot open " + path;
    std::string line;
    while (file.ReadLine(line) && line != "astq") {
    }
    for (const Aerodrome& a : aerodromes) {
        std::string name, coord;
        if (!file.ReadLine(name) || !file.ReadLine(coord)) {
            problems << "file ends before " << a.ident << "\n";
            break;
        }
        navigation::DecodeNameLine(name, pieces);
        if (name != NameLine(a)) problems << "name of " << a.ident << " reads '" << name << "'\n";
        navigation::CoordTexts ct;
        navigation::DecodeCoordLine(coord, ct);
        float lat = navigation::LatitudeFromDigits(navigation::ExpandDigits(ct.LatitudeText));
        float lon = navigation::LongitudeFromDigits(navigation::ExpandDigits(ct.LongitudeText));
        float var = navigation::VariationFromText(ct.VariationText);
        const double oneSecond = 1.0 / 3600.0;
        if (std::fabs(lat - a.latitude) > oneSecond || std::fabs(lon + a.longitude) > oneSecond)
            problems << "position of " << a.ident << " reads " << lat << ", " << lon << "\n";
        if (var != static_cast<float>(a.variationWest))
            problems << "variation of " << a.ident << " reads " << var << "\n";
    }
    if (!file.ReadLine(line)) line.clear();
    navigation::DecodeNameLine(line, pieces);
    if (line != "99") problems << "the section does not end with 99\n";
    return problems.str();
}

}  // namespace builder
