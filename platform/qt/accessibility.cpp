#include "platform/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTextDocument>
#include <QTimer>
#include <QVariant>
#include <QWindow>

#include "platform/form.h"
#include "platform/qt/widgets.h"

namespace platform {

namespace {

// Marks and switches, as dynamic properties of the widgets.
constexpr const char* LabelMark = "platformLabel";
constexpr const char* FieldMark = "platformField";
constexpr const char* AnnouncerMark = "platformAnnouncer";
constexpr const char* DecorativeFlag = "platformDecorative";
constexpr const char* LiveFlag = "platformLive";
// Set while a live label refills its text: see SetLabelText.
constexpr const char* MutedFlag = "platformMuted";
// A live label's text before the changes of this turn of the event loop, while its
// announcement waits, and the text a handler asked to announce instead (see Schedule).
constexpr const char* AnnouncedFromText = "platformAnnouncedFrom";
constexpr const char* ChosenText = "platformChosenText";
constexpr const char* AnnouncementDue = "platformAnnouncementDue";
constexpr const char* AnnouncerName = "platformAnnouncer";

bool Flag(const QObject* object, const char* name) {
    return object->property(name).toBool();
}

// The label's text without markup; empty for a label being destroyed (a screen reader
// may still ask while the widget goes).
QString PlainTextOf(const QLabel* label) {
    if (label == nullptr) return {};
    QString text = label->text();
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    // A field's title shows its "&" doubled (see Control::ApplyDisplayText).
    if (label->buddy() != nullptr) text.replace(QLatin1String("&&"), QLatin1String("&"));
    return text;
}

// A label or a picture. A live label is read-only text with a text interface.
class LabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QLabel* Label() const { return qobject_cast<QLabel*>(object()); }
    bool Live() const { return Flag(object(), LiveFlag); }

    QAccessible::Role role() const override {
        return Live() ? QAccessible::EditableText : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (Live()) s.readOnly = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            if (!name.isEmpty() || Live()) return name;
            return SpokenText(PlainTextOf(Label()));
        }
        if (t == QAccessible::Value && Live()) return PlainTextOf(Label());
        return QAccessibleWidget::text(t);  // the description, or else the tool tip
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto out = QAccessibleWidget::relations(match);
        QWidget* field = Label() != nullptr ? Label()->buddy() : nullptr;
        if ((match & QAccessible::Labelled) && field != nullptr) {
            if (QAccessibleInterface* fieldUi = QAccessible::queryAccessibleInterface(field))
                out.append({fieldUi, QAccessible::Labelled});
        }
        return out;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return Live() && !Flag(object(), MutedFlag)
                       ? static_cast<QAccessibleTextInterface*>(this)
                       : nullptr;
        return QAccessibleWidget::interface_cast(t);
    }

    // The text interface: the whole text, no selection, the caret at the start.
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        const QString all = PlainTextOf(Label());
        if (endOffset < 0 || endOffset > all.size()) endOffset = static_cast<int>(all.size());
        if (startOffset < 0 || startOffset > endOffset) return {};
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(PlainTextOf(Label()).size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
};

// A text box. Qt's own interface for it reports no attribute runs ((offset, offset) for
// every offset), and Orca then reads the text one character short; this one is the same
// but for a run covering the whole text.
class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
  public:
    explicit FieldAccessible(QLineEdit* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }
    QLineEdit* Field() const { return static_cast<QLineEdit*>(widget()); }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !Field()->isReadOnly();
        s.readOnly = Field()->isReadOnly();
        s.selectableText = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Field()->displayText();
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            // Named by its title (the label whose buddy it is), as Qt names it.
            if (const auto* title = TitleOf(Field())) return PlainTextOf(title);
        }
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value) Field()->setText(text);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Text.
    void selection(int index, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (index != 0 || !Field()->hasSelectedText()) return;
        *startOffset = static_cast<int>(Field()->selectionStart());
        *endOffset = *startOffset + static_cast<int>(Field()->selectionLength());
    }
    int selectionCount() const override { return Field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int index) override {
        if (index == 0) Field()->deselect();
    }
    void setSelection(int, int startOffset, int endOffset) override {
        Field()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return static_cast<int>(Field()->cursorPosition()); }
    void setCursorPosition(int position) override { Field()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override {
        const QString all = Field()->displayText();
        if (endOffset < 0 || endOffset > all.size()) endOffset = static_cast<int>(all.size());
        if (startOffset < 0 || startOffset > endOffset) return {};
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Field()->displayText().size()); }
    QRect characterRect(int offset) const override {
        const QFontMetrics metrics(Field()->font());
        const QString all = Field()->displayText();
        if (offset < 0 || offset >= all.size()) return {};
        const QRect area = Field()->contentsRect();
        const int x = area.left() + 2 + metrics.horizontalAdvance(all.left(offset));
        const QRect local(x, area.top(), metrics.horizontalAdvance(all.at(offset)), area.height());
        return QRect(Field()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return static_cast<int>(Field()->cursorPositionAt(Field()->mapFromGlobal(point)));
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    // Editable text.
    void deleteText(int startOffset, int endOffset) override {
        replaceText(startOffset, endOffset, {});
    }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        QString all = Field()->text();
        startOffset = std::clamp(startOffset, 0, static_cast<int>(all.size()));
        endOffset = std::clamp(endOffset, startOffset, static_cast<int>(all.size()));
        Field()->setText(all.replace(startOffset, endOffset - startOffset, text));
        Field()->setCursorPosition(startOffset + static_cast<int>(text.size()));
    }

  private:
    static const QLabel* TitleOf(const QLineEdit* field) {
        for (const QObject* sibling : field->parent()->children()) {
            const auto* label = qobject_cast<const QLabel*>(sibling);
            if (label != nullptr && label->buddy() == field) return label;
        }
        return nullptr;
    }
};

bool Exposed(const QWidget* w) {
    // Explicitly hidden, not merely invisible: every child is invisible before its window shows.
    return !w->isWindow() && !w->isHidden() && !Flag(w, DecorativeFlag);
}

// A window: its role as the window asks, its caption without the blanks it starts with,
// and as children only its shown controls that are not decorative, in the order the
// window declares its control arrays and each array its elements (the reading order).
class FormAccessible : public QAccessibleWidget {
  public:
    explicit FormAccessible(FormWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}

    Form* TheForm() const {
        const auto* w = dynamic_cast<const FormWidget*>(object());  // null while it is destroyed
        return w != nullptr ? w->form : nullptr;
    }

    QAccessible::Role role() const override {
        const Form* form = TheForm();
        switch (form != nullptr ? form->Role() : WindowRole::Frame) {
            case WindowRole::Dialog:
                return QAccessible::Dialog;
            case WindowRole::Alert:
                return QAccessible::AlertMessage;
            default:
                return QAccessible::Window;
        }
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return widget()->windowTitle().trimmed();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = Children();
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) return -1;
        return static_cast<int>(Children().indexOf(qobject_cast<QWidget*>(child->object())));
    }

  private:
    QList<QWidget*> Children() const {
        QList<QWidget*> out;
        if (const Form* form = TheForm()) {
            for (const Control* control : form->Controls()) {
                QWidget* w = NativeWidget(*control);
                if (w != nullptr && w->parentWidget() == widget() && Exposed(w)) out.append(w);
            }
        }
        for (QObject* o : widget()->children()) {  // the announcer, while it shows
            auto* w = qobject_cast<QWidget*>(o);
            if (w != nullptr && Exposed(w) && !out.contains(w)) out.append(w);
        }
        return out;
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    if (auto* form = dynamic_cast<FormWidget*>(object)) return new FormAccessible(form);
    if (auto* label = qobject_cast<QLabel*>(object); label != nullptr && Flag(label, LabelMark))
        return new LabelAccessible(label);
    if (auto* field = qobject_cast<QLineEdit*>(object); field != nullptr && Flag(field, FieldMark))
        return new FieldAccessible(field);
    if (Flag(object, AnnouncerMark))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

// Orca 43 reads neither text-changed nor name changes of a label or read-only text that
// does not have the focus; it speaks a notification as it becomes showing, wherever the
// focus is. The announcer is that notification: an empty 1 x 1 child of the window,
// named with the new text, shown and hidden again at once, so it is never painted and
// never stays in the window's children. The screen reader reads the name when it gets to
// the event, later: two announcements close together (a field renamed, then the prompt)
// each have an announcer of their own, taken in turn from a few, or both would be read
// with the second's name.
void Announce(QWidget* window, const QString& text) {
    if (window == nullptr || text.isEmpty()) return;
    constexpr int Announcers = 4;
    const int turn = window->property(AnnouncerName).toInt();
    window->setProperty(AnnouncerName, (turn + 1) % Announcers);
    const QString name = QLatin1String(AnnouncerName) + QString::number(turn);
    auto* announcer = window->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    if (announcer == nullptr) {
        announcer = new QWidget(window);
        announcer->setProperty(AnnouncerMark, true);
        announcer->setObjectName(name);
        announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
        announcer->setFocusPolicy(Qt::NoFocus);
        announcer->setGeometry(0, 0, 1, 1);
        announcer->hide();
    }
    announcer->setAccessibleName(SpokenText(text));
    announcer->show();
    announcer->hide();
}

// One handler may change a label several times (the clear key appends its "C" first, the
// delete key its "<"): the label is announced once, as the handler leaves it, when the
// event loop next runs (also the nested loop of a box opened in the handler): the text a
// handler chose to announce, else the label's text if it changed.
void Schedule(QLabel* label) {
    if (label->property(AnnouncementDue).toBool()) return;
    label->setProperty(AnnouncementDue, true);
    QTimer::singleShot(0, label, [label] {
        const QVariant chosen = label->property(ChosenText);
        const QVariant from = label->property(AnnouncedFromText);
        for (const char* name : {ChosenText, AnnouncedFromText, AnnouncementDue})
            label->setProperty(name, QVariant());
        if (chosen.isValid())
            Announce(label->parentWidget(), chosen.toString());
        else if (from.isValid() && label->text() != from.toString())
            Announce(label->parentWidget(), PlainTextOf(label));
    });
}

void AnnounceLater(QLabel* label, const QString& before) {
    if (!QAccessible::isActive()) return;
    if (!label->property(AnnouncedFromText).isValid())
        label->setProperty(AnnouncedFromText, before);
    Schedule(label);
}

// True for a widget the user cannot perceive through assistive technology: a decorative
// one (an ornament, a shadow, the animation's frames) or one inside it.
bool Silent(const QObject* object) {
    for (auto* w = qobject_cast<const QWidget*>(object); w != nullptr; w = w->parentWidget())
        if (Flag(w, DecorativeFlag)) return true;
    return false;
}

// The window the user comes back to from one of the program's boxes is activated again,
// and the desktop's accessibility bridge would tell the screen reader so: it would read
// the window's title and description again, though the user never left the window (the
// box belonged to it). This filter, put in front of the bridge's own when a box closes,
// hands those activations to the window without the bridge seeing them (a re-sent event is
// not spontaneous, and the bridge passes over such events); the focused control is still
// read, its focus event goes its own way.
class ReturnFromBox : public QObject {
  public:
    static ReturnFromBox& Instance() {
        static ReturnFromBox filter;
        return filter;
    }
    void Arm() {
        armed_ = true;
        qApp->removeEventFilter(this);
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (!armed_ || event->type() != QEvent::WindowActivate || !event->spontaneous())
            return false;
        // The window's widget, or its native window.
        const QWidget* widget = qobject_cast<QWidget*>(target);
        if (widget == nullptr) {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->windowHandle() == target) widget = top;
        }
        if (dynamic_cast<const FormWidget*>(widget) == nullptr || widget->isHidden()) return false;
        // Both the widget and its native window are activated in this turn.
        QTimer::singleShot(0, this, [this] { armed_ = false; });
        QCoreApplication::sendEvent(target, event);
        return true;
    }

  private:
    bool armed_ = false;
};

// Every accessibility event passes here on its way to assistive technology. Nothing the
// user cannot perceive raises one: the animation alone would send twenty a second.
void Filter(QAccessibleEvent* event) {
    if (Silent(event->object())) return;
    // A field entered by Tab selects its text before Qt reports the focus: the screen
    // reader would say "CYYZ selected" and then the field with "CYYZ selected" again. The
    // selection made on the way in is told with the focus, once.
    static QPointer<QObject> focusTold;
    if (event->type() == QAccessible::Focus) focusTold = event->object();
    if (event->type() == QAccessible::TextSelectionChanged &&
        event->object() == QApplication::focusWidget() && event->object() != focusTold)
        return;
    // On to the platform's bridge, which receives what no handler takes.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(Filter);
}

}  // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(Factory);
    QAccessible::installUpdateHandler(Filter);
}

void MarkAsLabel(QLabel* label) {
    label->setProperty(LabelMark, true);
}

void BoxClosed() {
    if (QAccessible::isActive()) ReturnFromBox::Instance().Arm();
}

void MarkAsField(QLineEdit* field) {
    field->setProperty(FieldMark, true);
}

void AnnounceInstead(QLabel* label, const QString& text) {
    if (!QAccessible::isActive() || !Flag(label, LiveFlag)) return;
    label->setProperty(ChosenText, text);
    Schedule(label);
}

void SetDecorativeWidget(QWidget* widget, bool decorative) {
    widget->setProperty(DecorativeFlag, decorative);
}

void SetLiveLabel(QLabel* label, bool live) {
    label->setProperty(LiveFlag, live);
    label->setFocusPolicy(live ? Qt::TabFocus : Qt::NoFocus);
}

void SetLabelText(QLabel* label, const QString& text) {
    const QString before = label->text();
    if (before == text) return;
    if (!Flag(label, LiveFlag) || !QAccessible::isActive()) {
        label->setText(text);
        if (QWidget* field = label->buddy()) {
            QAccessibleEvent renamed(field, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
            // Orca 43 cannot speak a name change as Qt reports it (it is handed the object,
            // not the name): a field renamed while it has the focus is announced by name.
            if (field->hasFocus() && QAccessible::isActive())
                Announce(field->window(), SpokenText(PlainTextOf(label)));
        }
        return;
    }
    // A focusable label refills an inner text document at its next paint or size query,
    // and that raises text events of its own with made-up removed text. Refill it now,
    // with the text interface withheld, so that only the one true event below is sent.
    label->setProperty(MutedFlag, true);
    label->setText(text);
    (void)label->sizeHint();
    label->setProperty(MutedFlag, false);
    // AT-SPI has no "replaced": this reaches it as text-changed:delete of the old text
    // (when there was one) and text-changed:insert of the new.
    QAccessibleTextUpdateEvent changed(label, 0, before, text);
    QAccessible::updateAccessibility(&changed);
    AnnounceLater(label, before);
}

QString SpokenText(const QString& text) {
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList paragraphs;
    QString current;
    const auto flush = [&] {
        if (!current.isEmpty()) paragraphs.append(current);
        current.clear();
    };
    for (const QString& line : plain.split(QLatin1Char('\n'))) {
        const QString words = line.simplified();
        if (words.isEmpty()) {
            flush();
            continue;
        }
        if (!current.isEmpty()) current += QLatin1Char(' ');
        current += words;
    }
    flush();
    return paragraphs.join(QLatin1Char('\n'));
}

}  // namespace platform
