#include "fonts.h"

#include <QStringList>

#include <cmath>

namespace ui {

void installFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("Agency FB"),
                               {QStringLiteral("Bebas Neue"), QStringLiteral("Roboto Condensed"),
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
