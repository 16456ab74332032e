#include "text_box.h"

#include "core/box_text.h"

#include <QEvent>
#include <QRawFont>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ui {
namespace {

// A refused box's tint: a light red behind black text, readable on any
// desktop.
const QColor refusedBase(255, 205, 205);
const QColor refusedText(Qt::black);

QPalette tinted(QPalette palette) {
    palette.setColor(QPalette::Base, refusedBase);
    palette.setColor(QPalette::Text, refusedText);
    return palette;
}

// What QLineEdit keeps free on either side of its text inside the contents
// rectangle, in pixels.
constexpr int lineEditTextMargin = 2;
// The caret QLineEdit draws after the text, in pixels.
constexpr int caretWidth = 1;

// The most UTF-16 code units of text a box holds before it is cleaned. The
// line edit cuts every insertion (typed, pasted, dropped, set) to what fits
// in this before the validator sees it, so that an insertion of any size
// costs no more than this. Well above six characters, so that a few
// invisible characters or marks among them do not push the digits out.
constexpr int insertionLimit = 64;

// The narrowing measures the text once a step: one in proportion, then one
// unit of stretch at a time, which the programs' boxes need no more than
// three of. The bound keeps a text from being measured over and over.
constexpr int narrowingSteps = 16;

std::u16string_view view(QStringView text) {
    return {text.utf16(), std::size_t(text.size())};
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

    // The face is looked up when text first comes, in the font the box has
    // by then.
    void setFont(const QFont &font) {
        m_font = font;
        m_face.reset();
    }

    State validate(QString &input, int &pos) const override {
        // Before and after the caret apart, so that the caret stays where it
        // was among what is kept.
        const QString before = shown(QStringView(input).first(pos));
        input = before + shown(QStringView(input).sliced(pos));
        pos = int(before.size());
        if (m_maximum > 0 && core::characterCount(view(input)) > std::size_t(m_maximum))
            cutInsertionToFit(input, pos);
        return Acceptable;
    }

private:
    // The text cleaned, each character the box's own face cannot draw shown
    // as '?'. Drawn from another font, such a character would cost a search
    // of every installed font, to no avail and with warnings where none has
    // it; '?' ends a number, as the character itself does.
    QString shown(QStringView text) const {
        if (!m_face)
            m_face = QRawFont::fromFont(m_font);
        std::u32string characters =
            QString::fromStdU16String(core::cleanBoxText(view(text))).toStdU32String();
        for (char32_t &c : characters)
            if (c != U' ' && m_face->isValid() && !m_face->supportsCharacter(c))
                c = U'?';
        return QString::fromStdU32String(characters);
    }

    // The insertion lies between what the new text shares with the text
    // before the change at its start and at its end, in whole characters.
    void cutInsertionToFit(QString &input, int &pos) const {
        const qsizetype before = m_accepted.size();
        qsizetype head = 0;
        while (head < before && head < input.size() && input[head] == m_accepted[head])
            ++head;
        if (head > 0 && input[head - 1].isHighSurrogate())
            --head;
        qsizetype tail = 0;
        while (tail < before - head && tail < input.size() - head &&
               input[input.size() - 1 - tail] == m_accepted[before - 1 - tail])
            ++tail;
        qsizetype tailStart = input.size() - tail;
        if (tailStart < input.size() && input[tailStart].isLowSurrogate())
            ++tailStart;
        const QString inserted = input.mid(head, tailStart - head);
        const auto kept = core::characterCount(view(input)) - core::characterCount(view(inserted));
        const auto room = std::size_t(m_maximum) - std::min(kept, std::size_t(m_maximum));
        const QString cut =
            inserted.first(qsizetype(core::characterBoundary(view(inserted), room)));
        input = input.first(head) + cut + input.sliced(tailStart);
        pos = int(head + cut.size());
    }

    int m_maximum = 0;
    QString m_accepted;
    QFont m_font;
    mutable std::optional<QRawFont> m_face;
};

TextBox::TextBox(QWidget *parent) : QLineEdit(parent), m_input(new BoxInput(this)), m_font(font()) {
    setMaxLength(insertionLimit);
    m_input->setFont(m_font);
    setValidator(m_input);
    connect(this, &QLineEdit::textChanged, this, &TextBox::fitText);
}

void TextBox::changeEvent(QEvent *event) {
    QLineEdit::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        if (m_fitting)
            break;
        m_font = font(); // which still carries any narrowing: the font as given has none
        m_font.setStretch(QFont::AnyStretch);
        m_input->setFont(m_font);
        fitText();
        break;
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        // A platform theme may set a whole palette on every widget (qt6ct
        // does when its settings change), which wipes the tint.
        if (m_refused && !m_tinting)
            tint();
        break;
    default:
        break;
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
    const auto besideText = [this](const QFont &font) {
        return caretWidth + std::max(0, -QFontMetrics(font, this).minLeftBearing());
    };
    const auto widthUsed = [&](const QFont &font) {
        return int(std::ceil(QFontMetricsF(font, this).horizontalAdvance(text()))) +
               besideText(font);
    };
    QFont fitted = m_font;
    const int used = widthUsed(m_font);
    if (used > room && room > 0) {
        // First in proportion to the text alone, as the caret and the
        // overhang keep their width: that is the widest stretch that fits
        // when the glyphs scale evenly, and so the only narrowed face made.
        const qreal textAdvance = QFontMetricsF(m_font, this).horizontalAdvance(text());
        const qreal proportion = (room - besideText(m_font)) / std::max<qreal>(textAdvance, 1);
        int stretch = int(std::clamp<qreal>(100 * proportion, 1, 99));
        fitted.setStretch(stretch);
        // Then narrower while it does not fit, unless the first step narrowed
        // nothing: glyphs drawn from another face do not stretch.
        int width = widthUsed(fitted);
        for (int step = 0; width > room && width < used && stretch > 1 && step < narrowingSteps;
             ++step) {
            fitted.setStretch(--stretch);
            width = widthUsed(fitted);
        }
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
    if (!m_refused)
        m_normalToolTip = toolTip();
    m_refused = true;
    tint();
    setToolTip(why);
}

void TextBox::clearRefusal() {
    if (!m_refused)
        return;
    m_refused = false;
    // The tinted colours given back to the desktop's palette, whichever it
    // is by now.
    QPalette normal = palette();
    normal.setResolveMask(normal.resolveMask() & ~tinted(QPalette()).resolveMask());
    setPalette(normal);
    setToolTip(m_normalToolTip);
}

void TextBox::tint() {
    m_tinting = true;
    setPalette(tinted(palette()));
    m_tinting = false;
}

} // namespace ui
