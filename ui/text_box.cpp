#include "text_box.h"

#include <QEvent>
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

} // namespace ui
