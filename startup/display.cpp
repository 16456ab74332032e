#include "display.h"

#include "ui/text.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdlib>
#include <mutex>
#include <vector>

namespace startup {
namespace {

// The value the command line gives the option, the last time it gives it:
// "-name value", "-name=value", or the same with two dashes.
std::optional<QString> optionValue(const QStringList &arguments, const QString &name) {
    const QRegularExpression option(QStringLiteral("^--?%1(=(.*))?$").arg(name));
    std::optional<QString> value;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QRegularExpressionMatch match = option.match(arguments[i]);
        if (!match.hasMatch())
            continue;
        if (match.hasCaptured(1))
            value = match.captured(2);
        else if (i + 1 < arguments.size())
            value = arguments[++i];
    }
    return value;
}

QString whatToDo(const QString &program) {
    return QStringLiteral(" Start %1 inside a desktop session, or set DISPLAY to a display that "
                          "is running.")
        .arg(program);
}

// Neither the command line nor DISPLAY names a display, whether X was the
// user's choice or the program found no display of any kind.
QString noDisplay(const QString &program) {
    return QStringLiteral("%1: no display to open (DISPLAY is not set).").arg(program) +
           whatToDo(program);
}

QString whatToDoOnWayland(const QString &program) {
    return QStringLiteral(" Start %1 inside a desktop session, or set WAYLAND_DISPLAY or DISPLAY "
                          "to a display that is running.")
        .arg(program);
}

// The platform in the first quotes of one of Qt's messages.
QString quotedName(const QString &message) {
    return message.section(QLatin1Char('"'), 1, 1);
}

// While the application starts its platform, Qt names in a warning the
// display it could not open or the platform it could not find or load, then
// ends the program with a fatal error that blames the installation. What the
// warnings named is gathered here, for the one line said at the fatal error;
// a platform's own fatal error becomes one line too. Qt's message handler is
// a plain function, so it reaches the watch under way through one object of
// this file.
struct ConnectionFailure {
    // A message Qt gave while the platform started, passed on once it has.
    struct Held {
        QtMsgType type;
        QString message;
        const char *file, *function, *category;
        int line;
    };

    QString program;
    bool platformChosenHere = false;
    QString unopenedDisplay;
    QString missingPlatform;
    QString unloadedPlatform;
    QtMessageHandler previousHandler = nullptr;
    std::mutex heldLock; // Qt may warn from a thread of its own
    std::vector<Held> held;

    bool seen() const {
        return !unopenedDisplay.isNull() || !missingPlatform.isNull() || !unloadedPlatform.isNull();
    }
    QString oneLine(const QString &fatal) const;
};

std::optional<ConnectionFailure> watched;

QString ConnectionFailure::oneLine(const QString &fatal) const {
    // Unset, Wayland clients connect to wayland-0.
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    // Wayland chosen here, for a session that has nothing else: what to
    // install. A platform the user chose gets the list of those there are.
    if (missingPlatform == QLatin1String("wayland") && platformChosenHere)
        return QStringLiteral("%1: cannot open Wayland display %2 without Qt's Wayland platform "
                              "plugin. Install Debian's package qt6-wayland, or set DISPLAY to "
                              "an X display that is running.")
            .arg(program, wayland);
    if (!missingPlatform.isNull()) {
        static const QRegularExpression available(QStringLiteral("platform plugins are: (.*)\\."));
        return QStringLiteral("%1: there is no platform \"%2\"; the platforms available are %3.")
            .arg(program, missingPlatform, available.match(fatal).captured(1));
    }
    if (!unopenedDisplay.isNull() && unopenedDisplay.isEmpty())
        return noDisplay(program);
    if (!unopenedDisplay.isNull())
        return QStringLiteral("%1: cannot open display %2.").arg(program, unopenedDisplay) +
               whatToDo(program);
    if (unloadedPlatform == QLatin1String("wayland"))
        return QStringLiteral("%1: cannot open Wayland display %2.").arg(program, wayland) +
               whatToDoOnWayland(program);
    if (!unloadedPlatform.isNull())
        return QStringLiteral("%1: the platform \"%2\" could not start.")
            .arg(program, unloadedPlatform);
    // A platform's own reason, such as a device it did not find.
    return QStringLiteral("%1: cannot start: %2").arg(program, fatal.trimmed().section('\n', 0, 0));
}

[[noreturn]] void endWith(const QString &line) {
    QTextStream(stderr) << line << Qt::endl;
    std::_Exit(1);
}

void watchConnection(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    // Qt gives these at different levels: a warning, a critical message, an
    // information.
    static const QString couldNotConnect = QStringLiteral("could not connect to display");
    ConnectionFailure &failure = *watched;
    if (type == QtFatalMsg) {
        endWith(failure.oneLine(message));
    } else if (message.startsWith(couldNotConnect)) {
        failure.unopenedDisplay = message.mid(couldNotConnect.size()).trimmed();
    } else if (message.startsWith(QLatin1String("Failed to create wl_display"))) {
        failure.unloadedPlatform = QStringLiteral("wayland");
    } else if (message.startsWith(QLatin1String("Could not find the Qt platform plugin"))) {
        failure.missingPlatform = quotedName(message);
    } else if (message.startsWith(QLatin1String("Could not load the Qt platform plugin"))) {
        failure.unloadedPlatform = quotedName(message);
    } else if (!failure.seen()) {
        const std::lock_guard lock(failure.heldLock);
        failure.held.push_back(
            {type, message, context.file, context.function, context.category, context.line});
    }
}

} // namespace

DisplayChoice chooseDisplay(const QStringList &arguments, const VersionRecord &record) {
    // Qt reads "-platform xcb" and "-display :0" but not "-platform=xcb" nor
    // "-display=:0", which the command line accepts too: each is put where
    // Qt reads it in every form, its environment.
    if (const std::optional<QString> platform = optionValue(arguments, QStringLiteral("platform")))
        qputenv("QT_QPA_PLATFORM", platform->toLocal8Bit());
    if (const std::optional<QString> display = optionValue(arguments, QStringLiteral("display")))
        qputenv("DISPLAY", display->toLocal8Bit());
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return {}; // the user's choice
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return {.chosenHere = true};
    }
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "wayland");
        return {.chosenHere = true};
    }
    return {.problem = noDisplay(ui::toQString(record.program))};
}

DisplayConnectionWatch::DisplayConnectionWatch(const VersionRecord &record,
                                               const DisplayChoice &choice) {
    watched.emplace();
    watched->program = ui::toQString(record.program);
    watched->platformChosenHere = choice.chosenHere;
    watched->previousHandler = qInstallMessageHandler(watchConnection);
}

DisplayConnectionWatch::~DisplayConnectionWatch() {
    qInstallMessageHandler(watched->previousHandler);
    for (const ConnectionFailure::Held &held : watched->held)
        watched->previousHandler(
            held.type, QMessageLogContext(held.file, held.line, held.function, held.category),
            held.message);
    watched.reset();
}

void DisplayConnectionWatch::requireScreen() const {
    // A platform may start without a screen (linuxfb without a frame
    // buffer); Qt would end the program when the window is made, with
    // status 134.
    if (QGuiApplication::screens().isEmpty())
        endWith(QStringLiteral("%1: the platform \"%2\" has no screen to show a window on.")
                    .arg(watched->program, QGuiApplication::platformName()));
}

} // namespace startup
