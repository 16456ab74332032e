#include "controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>
#include <QValidator>

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// A refused box's tint: a light red behind black text, readable on any
// desktop.
const QColor refusedBase(255, 205, 205);
const QColor refusedText(Qt::black);

// What QLineEdit keeps free on either side of its text inside the contents
// rectangle, in pixels.
constexpr int lineEditTextMargin = 2;
// The caret QLineEdit draws after the text, in pixels.
constexpr int caretWidth = 1;

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
// holds: control characters, and the invisible format characters: zero-width
// spaces and joiners, soft hyphens, byte order marks, and the marks,
// embeddings, overrides and isolates that reorder text ("\u202E123" shows
// "321").
bool isHidden(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Other_Format;
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

    int maximum() const { return m_maximum; }
    void setMaximum(int count) { m_maximum = count; }

    State validate(QString &input, int &pos) const override {
        for (qsizetype end = input.size(); end > 0;) { // character by character, from the end
            qsizetype start = end - 1;
            char32_t c = input[start].unicode();
            if (input[start].isLowSurrogate() && start > 0 && input[start - 1].isHighSurrogate())
                c = QChar::surrogateToUcs4(input[--start], input[end - 1]);
            if (isHidden(c)) {
                input.remove(start, end - start);
                if (start < pos)
                    pos -= int(std::min(end, qsizetype(pos)) - start);
            }
            end = start;
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

void DigitCell::showValue(std::int16_t value) {
    if (value == m_value)
        return;
    m_value = value;
    setCaption(QString::number(value));
}

void showDigits(const CellRow &cells, const core::Digits &digits) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i]->showValue(digits[i]);
}

void showCells(const CellRow &cells, const core::CellVisibility &shown) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i]->setVisible(shown[i]);
}

Frame::Frame(QWidget *parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Sunken); // an etched line, as a frame without caption
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

TextBox::TextBox(QWidget *parent) : QLineEdit(parent), m_input(new BoxInput(this)), m_font(font()) {
    setValidator(m_input);
    connect(this, &QLineEdit::textChanged, this, &TextBox::fitText);
}

void TextBox::changeEvent(QEvent *event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_fitting) {
        m_font = font(); // which still carries any narrowing: the font as given has none
        m_font.setStretch(QFont::AnyStretch);
        fitText();
    }
}

void TextBox::resizeEvent(QResizeEvent *event) {
    QLineEdit::resizeEvent(event);
    fitText();
}

// The face is stretched horizontally (FreeType scales the glyphs), so the
// line edit lays out, draws and hit-tests the narrowed text itself. The room
// is what QLineEdit leaves for text before it scrolls: its contents less its
// margin either side, the caret, and the face's overhang on the left, which
// it also keeps free.
void TextBox::fitText() {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int room = style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() -
                     2 * lineEditTextMargin;
    const auto widthUsed = [this](const QFont &font) {
        return int(std::ceil(QFontMetricsF(font, this).horizontalAdvance(text()))) + caretWidth +
               std::max(0, -QFontMetrics(font, this).minLeftBearing());
    };
    QFont fitted = m_font;
    const int used = widthUsed(m_font);
    if (used > room && room > 0) {
        int stretch = std::clamp(100 * room / used, 1, 99);
        fitted.setStretch(stretch);
        while (stretch > 1 && widthUsed(fitted) > room)
            fitted.setStretch(--stretch);
    }
    if (fitted == font())
        return;
    m_fitting = true;
    setFont(fitted);
    m_fitting = false;
}

int TextBox::maximumCharacters() const {
    return m_input->maximum();
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
    tinted.setColor(QPalette::Base, refusedBase);
    tinted.setColor(QPalette::Text, refusedText);
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
