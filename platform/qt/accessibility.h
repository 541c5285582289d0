// What assistive technology (a screen reader, over AT-SPI on Linux) sees of the runtime's
// widgets. Qt's own interfaces serve push buttons and text boxes; the windows, the labels
// and the announcer get the interfaces below, chosen by a mark that each widget receives
// right after it is made: Qt fixes a widget's interface at the first accessibility query,
// which a text change already makes, so a mark set later would be passed over.
#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace platform {

// Installs the interface factory; once, before the first widget exists.
void InstallAccessibility();

// A label or picture control's widget: read as a label, or as the live text below.
void MarkAsLabel(QLabel* label);
// A text box's widget: read as editable text whose text is read whole.
void MarkAsField(QLineEdit* field);

// Left out of its window's accessible children: a shadow copy of a text, an ornament.
void SetDecorativeWidget(QWidget* widget, bool decorative);

// A live label is read as read-only text with its own fixed name, reachable by Tab: its
// text through the text interface, every change raising text-changed (what a screen
// reader follows), and its text as a handler leaves it announced (a notification).
void SetLiveLabel(QLabel* label, bool live);

// Sets a label's text. A live label's change raises one text-changed event (the old
// text removed, the new one inserted) and is announced once the event loop runs again;
// a label that titles a field tells that its field's name changed.
void SetLabelText(QLabel* label, const QString& text);

// A modal window has closed: the window under it, activated again, is not announced anew.
void BoxClosed();

// Tells assistive technology `text` once the handler running now returns, in place of the
// live label's own new text.
void AnnounceInstead(QLabel* label, const QString& text);

// Text as read aloud: line ends inside a paragraph become blanks, an empty line
// separates paragraphs with one line feed, blanks at either end go.
QString SpokenText(const QString& text);

}  // namespace platform
