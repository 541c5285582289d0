#include "platform/qt/text.h"

#include <QKeyEvent>

namespace platform {

QString ToUnicode(const std::string& bytes) {
    const std::u16string text = ToUtf16(bytes);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromUnicode(const QString& text) {
    return FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                         static_cast<std::size_t>(text.size())));
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
            return event->text().isEmpty() ? 0 : CodeOf(event->text().at(0).unicode());
    }
}

}  // namespace platform
