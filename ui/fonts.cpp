#include "fonts.h"

#include "text.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

#ifdef VANTOREL_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace ui {
namespace {

// Given a family it does not have, Qt asks fontconfig for fallbacks each time
// a font of it is made, which costs a start more than its goal allows (make
// bench). The stand-in is found here, once a font.
QString installedFamily(const QString &family) {
    static const QStringList installed = QFontDatabase::families();
    if (installed.contains(family, Qt::CaseInsensitive))
        return family;
    for (const QString &standIn : QFont::substitutes(family))
        if (installed.contains(standIn, Qt::CaseInsensitive))
            return standIn;
    return family;
}

} // namespace

std::jthread readFontConfigurationAhead() {
#ifdef VANTOREL_FONTCONFIG
    return std::jthread([] { FcInit(); });
#else
    return {};
#endif
}

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
        qfont.setFamily(installedFamily(toQString(font.family)));
    qfont.setPixelSize(static_cast<int>(std::lround(font.points * pixelsPerInch / pointsPerInch)));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
}

} // namespace ui
