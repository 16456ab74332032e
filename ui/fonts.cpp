#include "fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <cmath>

#ifdef VANTOREL_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#ifdef __linux__
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace ui {

void keepOffProcessor([[maybe_unused]] int cpu) {
#ifdef __linux__
    cpu_set_t allowed;
    if (cpu < 0 || cpu >= CPU_SETSIZE || sched_getaffinity(0, sizeof allowed, &allowed) != 0)
        return;
    CPU_CLR(cpu, &allowed);
    if (CPU_COUNT(&allowed) > 0)
        sched_setaffinity(0, sizeof allowed, &allowed);
#endif
}

std::jthread readFontConfigurationAhead() {
#ifdef VANTOREL_FONTCONFIG
#ifdef __linux__
    const int startingProcessor = sched_getcpu();
#else
    const int startingProcessor = -1;
#endif
    return std::jthread([startingProcessor] {
        // Left free, the scheduler moves the reading onto the start's own
        // processor whenever the start waits for the display, and the start
        // then waits for its processor when the display answers: about a
        // millisecond and a half of every start, measured.
        keepOffProcessor(startingProcessor);
#ifdef __linux__
        // A thread's own niceness; 19 yields to the start it runs beside.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
#endif
        // Thread-safe: of two first uses at once, one configuration is kept.
        FcInit();
    });
#else
    return {};
#endif
}

void installFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("Agency FB"),
                               {QStringLiteral("Bebas Neue"), QStringLiteral("Roboto Condensed"),
                                QStringLiteral("Liberation Sans Narrow"),
                                QStringLiteral("DejaVu Sans Condensed")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

namespace {

// Qt asks fontconfig about a family it does not know each time it meets a new
// font of it, which adds up at start-up. A family with stand-ins is resolved
// once, through the substitution table, to the first stand-in installed.
QString installedFamily(const QString &family) {
    static QHash<QString, QString> resolved;
    if (const auto known = resolved.constFind(family); known != resolved.constEnd())
        return *known;
    // The plain list of families: hasFamily() would ask fontconfig about
    // each name, the very cost this saves.
    static const QStringList families = QFontDatabase::families();
    const auto isInstalled = [](const QString &name) {
        return families.contains(name, Qt::CaseInsensitive);
    };
    QString result = family;
    if (!isInstalled(family)) {
        const QStringList standIns = QFont::substitutes(family);
        const auto installed = std::ranges::find_if(standIns, isInstalled);
        if (installed != standIns.end())
            result = *installed;
    }
    resolved.insert(family, result);
    return result;
}

} // namespace

QFont fontFor(const Font &font) {
    QFont qfont;
    if (!font.family.empty())
        qfont.setFamily(
            installedFamily(QString::fromUtf8(font.family.data(), qsizetype(font.family.size()))));
    qfont.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
}

} // namespace ui
