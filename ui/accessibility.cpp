#include "accessibility.h"

#include "controls.h"
#include "digit_row.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>

namespace ui {
namespace {

// A label is read by its name (its text, unless the window named it) as
// static text; a notice, as a notification, which a screen reader speaks when
// it appears.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    // Asked anew each time: the reading may be made before the label is
    // told it is a notice.
    QAccessible::Role role() const override {
        return static_cast<const Label *>(widget())->isNotice() ? QAccessible::Notification
                                                                : QAccessible::StaticText;
    }

    QString text(QAccessible::Text kind) const override {
        const auto *label = static_cast<const Label *>(widget());
        if (kind == QAccessible::Name)
            return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
        return QAccessibleWidget::text(kind);
    }
};

// A digit cell is a paragraph named "Digit 1" whose text, and value, is its
// digit: Orca reads a label by its name alone, but a paragraph by name and
// text ("Digit 1 5" under the pointer), and flat review reads the text ("5").
// The text is read only: no caret, no selection, one word on one line.
class DigitCellAccessible : public QAccessibleWidget,
                            public QAccessibleValueInterface,
                            public QAccessibleTextInterface {
public:
    explicit DigitCellAccessible(DigitCell *cell)
        : QAccessibleWidget(cell, QAccessible::Paragraph) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? digit() : QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return digit(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

    QString text(int start, int end) const override { return digit().mid(start, end - start); }
    int characterCount() const override { return int(digit().size()); }
    QString textAtOffset(int, QAccessible::TextBoundaryType, int *start, int *end) const override {
        *start = 0;
        *end = characterCount();
        return digit();
    }
    QString textBeforeOffset(int, QAccessible::TextBoundaryType, int *start,
                             int *end) const override {
        *start = *end = 0;
        return {};
    }
    QString textAfterOffset(int, QAccessible::TextBoundaryType, int *start,
                            int *end) const override {
        *start = *end = characterCount();
        return {};
    }
    // The digit fills the cell, drawn narrowed when it is wider.
    QRect characterRect(int) const override {
        return QRect(widget()->mapToGlobal(QPoint(0, 0)), widget()->size());
    }
    int offsetAtPoint(const QPoint &point) const override {
        return widget()->rect().contains(widget()->mapFromGlobal(point)) ? 0 : -1;
    }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString digit() const { return static_cast<const DigitCell *>(widget())->text(); }
};

// The row's reading, a notification whose name is what is said.
class DigitRowAccessible : public QAccessibleWidget {
public:
    explicit DigitRowAccessible(DigitRow *row)
        : QAccessibleWidget(row, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<const DigitRow *>(widget())->reading();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    const auto is = [&className](const QMetaObject &kind) {
        return className == QLatin1String(kind.className());
    };
    if (is(DigitCell::staticMetaObject))
        return new DigitCellAccessible(static_cast<DigitCell *>(object));
    if (is(Label::staticMetaObject))
        return new LabelAccessible(static_cast<Label *>(object));
    if (is(DigitRow::staticMetaObject))
        return new DigitRowAccessible(static_cast<DigitRow *>(object));
    // A frame groups the controls in it: a panel, not a frame, which Orca
    // would take for a window of its own and keep flat review inside.
    if (is(Frame::staticMetaObject))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = (QAccessible::installFactory(accessibleFor), true);
    Q_UNUSED(installed);
}

} // namespace ui
