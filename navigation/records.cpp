#include "navigation/records.h"

#include "common/number_forms.h"
#include "common/shared_routines.h"

namespace navigation {

using AvcalcMod::MidVal;

NamePieces NamePiecesFromLine(std::string_view line) {
    NamePieces pieces;
    for (std::size_t i = 1; i <= NamePieceCount; ++i) {
        std::size_t pos = 2 * i - 1;
        pieces[i] = pos < line.size() ? std::string(line.substr(pos, 2)) : std::string();
    }
    return pieces;
}

void DecodeNameLine(std::string& line, const NamePieces& pieces) {
    std::string out;
    out.reserve(line.size() * 2);
    for (char ch : line) {
        int c = static_cast<unsigned char>(ch);
        if (c > 90)
            out += pieces[static_cast<std::size_t>(c - 90)];
        else
            out += ch;
    }
    line = std::move(out);
}

void DecodeCoordLine(std::string_view line, CoordTexts& texts) {
    if (!line.empty()) {
        int c = static_cast<unsigned char>(line[0]);
        int number = c < 155 ? c - 55 : c - 155;
        std::string text = number >= 0 ? " " + std::to_string(number) : std::to_string(number);
        texts.VariationText = text + (c < 155 ? "E" : "W");
    }
    texts.LatitudeText = line.size() > 1 ? std::string(line.substr(1, 3)) : std::string();
    texts.LongitudeText = line.size() > 4 ? std::string(line.substr(4)) : std::string();
}

std::string ExpandDigits(std::string_view field) {
    std::string out;
    for (char ch : field) {
        std::string piece = std::to_string(static_cast<unsigned char>(ch) - 30);
        if (piece.size() == 1) piece = "0" + piece;
        out += piece;
    }
    if (out.size() == 5) out += "00";
    return out;
}

float LatitudeFromDigits(std::string_view d) {
    return static_cast<float>(MidVal(d, 1, 2) + MidVal(d, 3, 2) / 60 + MidVal(d, 5, 2) / 3600);
}

float LongitudeFromDigits(std::string_view d) {
    if (!d.empty() && d[0] == '1')
        return static_cast<float>(MidVal(d, 1, 3) + MidVal(d, 4, 2) / 60 + MidVal(d, 6, 2) / 3600);
    return static_cast<float>(MidVal(d, 1, 2) + MidVal(d, 3, 2) / 60 + MidVal(d, 5, 2) / 3600);
}

float VariationFromText(std::string_view text) {
    double value = numbers::LenientValue(text).value_or(0);
    if (!text.empty() && AvcalcMod::UpperChar(text.back()) == 'E') value = -value;
    return static_cast<float>(value);
}

}  // namespace navigation
