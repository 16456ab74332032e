#include "fonts.h"

#include <QStringList>

#include <cmath>

namespace ui {

void installFontSubstitutes() {
    // Captions and boxes want a condensed face with lower case that stays
    // legible in its regular weight; DejaVu Sans Condensed is on every
    // desktop, if too wide for the longest captions.
    QFont::insertSubstitutions(QStringLiteral("Agency FB"),
                               {QStringLiteral("Yanone Kaffeesatz"),
                                QStringLiteral("Liberation Sans Narrow"),
                                QStringLiteral("DejaVu Sans Condensed")});
    // The digit cells want solid figures of one height, which a caption face
    // with old-style figures does not have.
    QFont::insertSubstitutions(QStringLiteral("Agency FB Digits"),
                               {QStringLiteral("Bebas Neue"),
                                QStringLiteral("Liberation Sans Narrow"),
                                QStringLiteral("DejaVu Sans Condensed")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont fontFor(const Font &font) {
    QFont qfont;
    if (!font.family.empty())
        qfont.setFamily(QString::fromUtf8(font.family.data(), qsizetype(font.family.size())));
    qfont.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
}

} // namespace ui
