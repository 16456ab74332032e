#include "display.h"

#include "ui/text.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>

namespace startup {
namespace {

// Whether the command line gives the option: "-name value", "-name=value",
// or the same with two dashes.
bool hasOption(const QStringList &arguments, const QString &name) {
    const QRegularExpression option(QStringLiteral("^--?%1(=|$)").arg(name));
    return std::ranges::any_of(arguments.sliced(1), [&option](const QString &argument) {
        return option.match(argument).hasMatch();
    });
}

QString whatToDo(const QString &program) {
    return QStringLiteral(" Start %1 inside a desktop session, or set DISPLAY to a display that "
                          "is running.")
        .arg(program);
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
    QString program;
    bool platformChosenHere = false;
    QString unopenedDisplay;
    QString missingPlatform;
    QString unloadedPlatform;
    QtMessageHandler previousHandler = nullptr;

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

void watchConnection(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    // Qt gives these at different levels: a warning, a critical message, an
    // information.
    static const QString couldNotConnect = QStringLiteral("could not connect to display");
    ConnectionFailure &failure = *watched;
    if (type == QtFatalMsg) {
        QTextStream(stderr) << failure.oneLine(message) << Qt::endl;
        std::_Exit(1);
    } else if (message.startsWith(couldNotConnect)) {
        failure.unopenedDisplay = message.mid(couldNotConnect.size()).trimmed();
    } else if (message.startsWith(QLatin1String("Failed to create wl_display"))) {
        failure.unloadedPlatform = QStringLiteral("wayland");
    } else if (message.startsWith(QLatin1String("Could not find the Qt platform plugin"))) {
        failure.missingPlatform = quotedName(message);
    } else if (message.startsWith(QLatin1String("Could not load the Qt platform plugin"))) {
        failure.unloadedPlatform = quotedName(message);
    } else if (!failure.seen()) {
        failure.previousHandler(type, context, message);
    }
}

} // namespace

DisplayChoice chooseDisplay(const QStringList &arguments, const VersionRecord &record) {
    if (hasOption(arguments, QStringLiteral("platform")) ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return {}; // the user's choice
    if (hasOption(arguments, QStringLiteral("display")) ||
        !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return {.chosenHere = true};
    }
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "wayland");
        return {.chosenHere = true};
    }
    const QString program = ui::toQString(record.program);
    return {.problem = QStringLiteral("%1: no display to open (DISPLAY is not set).").arg(program) +
                       whatToDo(program)};
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
    watched.reset();
}

} // namespace startup
