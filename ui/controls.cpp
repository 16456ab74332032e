#include "controls.h"

#include "colours.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QValidator>

namespace ui {
namespace {

// What assistive technology reads from a label: its name (the accessible
// name given by the window, else the text) and, as its value, the text, so
// that a digit cell reads "Digit 1" with value 7. Qt's AT-SPI bridge passes
// on no value text, so a label with a name of its own also offers the value
// interface: a screen reader reads the number, and hears of its changes.
class LabelAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit LabelAccessible(Label *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface && !widget()->accessibleName().isEmpty())
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return text(QAccessible::Value); }
    void setCurrentValue(const QVariant &) override {}    // read only
    QVariant maximumValue() const override { return {}; } // a caption has no range
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

    QString text(QAccessible::Text kind) const override {
        const auto *label = static_cast<const Label *>(widget());
        switch (kind) {
        case QAccessible::Name:
            return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
        case QAccessible::Value:
            return label->text();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface *labelAccessible(const QString &className, QObject *object) {
    if (className == QLatin1String(Label::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new LabelAccessible(static_cast<Label *>(object));
    return nullptr;
}

// Characters that have no business in a number and would hide what the box
// holds: control characters, and the marks, embeddings, overrides and
// isolates that reorder text ("\u202E123" shows "321").
bool isHidden(QChar c) {
    switch (c.unicode()) {
    case 0x061C:
    case 0x200E:
    case 0x200F:
        return true;
    default:
        return c.category() == QChar::Other_Control ||
               (c.unicode() >= 0x202A && c.unicode() <= 0x202E) ||
               (c.unicode() >= 0x2066 && c.unicode() <= 0x2069);
    }
}

// Where the first `count` characters end, as a reader counts them (grapheme
// clusters), so that no surrogate pair or accent is split.
qsizetype characterBoundary(const QString &text, int count) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (int i = 0; i < count && end < text.size(); ++i)
        end = finder.toNextBoundary();
    return end;
}

// The boundary between characters nearest to pos, looking back or ahead.
qsizetype snapToCharacter(const QString &text, qsizetype pos, bool ahead) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(pos);
    if (finder.isAtBoundary())
        return pos;
    return ahead ? finder.toNextBoundary() : finder.toPreviousBoundary();
}

int characterCount(const QString &text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() != -1)
        ++count;
    return count;
}

} // namespace

// Cleans every change to a box. When a change makes the text too long, what
// was inserted is cut to fit: a character typed beyond the maximum is
// refused, and a long paste keeps its beginning.
class BoxInput : public QValidator {
public:
    explicit BoxInput(QLineEdit *box) : QValidator(box) {
        connect(box, &QLineEdit::textChanged, this,
                [this](const QString &text) { m_accepted = text; });
    }

    void setMaximum(int count) { m_maximum = count; }

    State validate(QString &input, int &pos) const override {
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            if (isHidden(input[i])) {
                input.remove(i, 1);
                if (i < pos)
                    --pos;
            }
        }
        if (m_maximum > 0 && characterBoundary(input, m_maximum) < input.size())
            cutInsertionToFit(input, pos);
        return Acceptable;
    }

private:
    // The insertion lies between what the new text shares with the text
    // before the change at its start and at its end, in whole characters.
    void cutInsertionToFit(QString &input, int &pos) const {
        const qsizetype before = m_accepted.size();
        qsizetype head = 0;
        while (head < before && head < input.size() && input[head] == m_accepted[head])
            ++head;
        head = snapToCharacter(input, head, false);
        qsizetype tail = 0;
        while (tail < before - head && tail < input.size() - head &&
               input[input.size() - 1 - tail] == m_accepted[before - 1 - tail])
            ++tail;
        const qsizetype tailStart = snapToCharacter(input, input.size() - tail, true);
        const QString inserted = input.mid(head, tailStart - head);
        const int room = m_maximum - characterCount(input.left(head) + input.mid(tailStart));
        const QString cut = inserted.left(characterBoundary(inserted, std::max(room, 0)));
        input = input.left(head) + cut + input.mid(tailStart);
        pos = int(head + cut.size());
    }

    int m_maximum = 0;
    QString m_accepted;
};

Label::Label(QWidget *parent) : QLabel(parent) {
    static const bool accessibleLabels = (QAccessible::installFactory(labelAccessible), true);
    Q_UNUSED(accessibleLabels);
    setAutoFillBackground(true); // labels are opaque
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void Label::setCaption(const QString &caption) {
    QLabel::setText(caption);
    // QLabel reports a new text as a new name; a label with a name of its own
    // keeps its name and changes its value instead.
    if (QAccessible::isActive() && !accessibleName().isEmpty()) {
        QAccessibleValueChangeEvent event(this, caption);
        QAccessible::updateAccessibility(&event);
    }
}

void Label::setBackColour(const core::Colour &colour) {
    ui::setBackColour(this, colour);
}

void Label::setForeColour(const core::Colour &colour) {
    ui::setForeColour(this, colour);
}

void Label::paintEvent(QPaintEvent *event) {
    const QRectF room = contentsRect();
    const qreal needed = QFontMetricsF(font(), this).horizontalAdvance(text());
    if (needed <= room.width()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this); // in the label's font and text colour
    painter.translate(room.topLeft());
    painter.scale(room.width() / needed, 1.0);
    painter.drawText(QRectF(0, 0, needed, room.height()), int(alignment()), text());
}

Frame::Frame(QWidget *parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Sunken); // an etched line, as a frame without caption
}

void Frame::setBackColour(const core::Colour &colour) {
    ui::setBackColour(this, colour);
}

Button::Button(QWidget *parent) : QPushButton(parent) {
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void Button::keyPressEvent(QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

TextBox::TextBox(QWidget *parent) : QLineEdit(parent), m_input(new BoxInput(this)) {
    setValidator(m_input);
}

void TextBox::setMaximumCharacters(int count) {
    m_input->setMaximum(count);
}

void TextBox::showRefusal(const QString &why) {
    if (!m_refused) {
        m_normalPalette = palette();
        m_normalToolTip = toolTip();
    }
    QPalette tinted = m_normalPalette;
    tinted.setColor(QPalette::Base, QColor(255, 205, 205));
    tinted.setColor(QPalette::Text, Qt::black);
    setPalette(tinted);
    setToolTip(why);
    m_refused = true;
}

void TextBox::clearRefusal() {
    if (!m_refused)
        return;
    setPalette(m_normalPalette);
    setToolTip(m_normalToolTip);
    m_refused = false;
}

Shape::Shape(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    // A one-pixel line along the inside of the edges, whatever the scale:
    // a line centred on the edge itself loses its outer half to the clip.
    const qreal width = 1.0;
    painter.setPen(QPen(palette().color(QPalette::Mid), width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

} // namespace ui
