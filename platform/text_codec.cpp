#include "platform/text_codec.h"

#include <QKeyEvent>
#include <array>

namespace platform {

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned codes keep their C1 control value.
constexpr std::array<char16_t, 32> HighPage = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QString ToUnicode(const std::string& bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char ch : bytes) {
        auto code = static_cast<unsigned char>(ch);
        out.append(code >= 0x80 && code <= 0x9F ? QChar(HighPage[code - 0x80]) : QChar(code));
    }
    return out;
}

int KeyCodeOf(const QKeyEvent* event) {
    // The desktop's own copy and paste keys, as the control characters Ctrl+C and Ctrl+V type.
    if (event->matches(QKeySequence::Copy)) return 3;
    if (event->matches(QKeySequence::Paste)) return 22;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Backspace:
            return 8;
        default:
            return event->text().isEmpty() ? 0 : CodeOf(event->text().at(0));
    }
}

int CodeOf(QChar c) {
    char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    for (std::size_t k = 0; k < HighPage.size(); ++k) {
        if (HighPage[k] == u) return static_cast<int>(0x80 + k);
    }
    return '?';
}

std::string FromUnicode(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype k = 0; k < text.size(); ++k) {
        QChar c = text.at(k);
        // A character outside the basic plane arrives as two halves: one "?" for it.
        if (c.isHighSurrogate() && k + 1 < text.size() && text.at(k + 1).isLowSurrogate()) ++k;
        out.push_back(static_cast<char>(CodeOf(c)));
    }
    return out;
}

}  // namespace platform
