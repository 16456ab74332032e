#include "display.h"

#include "text.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextStream>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

#ifdef VANTOREL_XCB
#include <xcb/xcb.h>

#include <array>
#include <cstring>
#include <memory>
#endif

namespace ui {
namespace {

// Whether the command line gives the option: "-name value", "-name=value",
// or the same with two dashes.
bool hasOption(const QStringList &arguments, const QString &name) {
    const QRegularExpression option(QStringLiteral("^--?%1(=|$)").arg(name));
    return std::ranges::any_of(arguments.sliced(1), [&option](const QString &argument) {
        return option.match(argument).hasMatch();
    });
}

QString programName(const VersionRecord &record) {
    return toQString(record.program);
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

// While the application starts its platform, Qt names in a warning the
// display it could not open or the platform it could not find or load, then
// ends the program with a fatal error that blames the installation. All of
// it becomes one line and status 1, as does a platform's own fatal error.
QString watchedProgram;
QString unopenedDisplay;
QString missingPlatform;
QString unloadedPlatform;
QtMessageHandler previousHandler = nullptr;

// The platform in the first quotes of one of Qt's messages.
QString quotedName(const QString &message) {
    return message.section(QLatin1Char('"'), 1, 1);
}

QString oneLine(const QString &fatal) {
    const QString program = watchedProgram;
    // Unset, Wayland clients connect to wayland-0.
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    if (missingPlatform == QLatin1String("wayland"))
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
    const bool failed =
        !unopenedDisplay.isNull() || !missingPlatform.isNull() || !unloadedPlatform.isNull();
    if (type == QtFatalMsg) {
        QTextStream(stderr) << oneLine(message) << Qt::endl;
        std::_Exit(1);
    } else if (message.startsWith(couldNotConnect)) {
        unopenedDisplay = message.mid(couldNotConnect.size()).trimmed();
    } else if (message.startsWith(QLatin1String("Failed to create wl_display"))) {
        unloadedPlatform = QStringLiteral("wayland");
    } else if (message.startsWith(QLatin1String("Could not find the Qt platform plugin"))) {
        missingPlatform = quotedName(message);
    } else if (message.startsWith(QLatin1String("Could not load the Qt platform plugin"))) {
        unloadedPlatform = quotedName(message);
    } else if (!failed) {
        previousHandler(type, context, message);
    }
}

#ifdef VANTOREL_XCB
// The atoms for the names, asked for together: one round trip to the server.
template<std::size_t N>
std::array<xcb_atom_t, N> atoms(xcb_connection_t *connection, const char *const (&names)[N]) {
    std::array<xcb_intern_atom_cookie_t, N> cookies;
    for (std::size_t i = 0; i < N; ++i)
        cookies[i] = xcb_intern_atom(connection, 0, std::strlen(names[i]), names[i]);
    std::array<xcb_atom_t, N> found;
    for (std::size_t i = 0; i < N; ++i) {
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
            xcb_intern_atom_reply(connection, cookies[i], nullptr), free);
        found[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    return found;
}
#endif

} // namespace

std::optional<QString> chooseDisplay(const QStringList &arguments, const VersionRecord &record) {
    if (hasOption(arguments, QStringLiteral("platform")) ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return std::nullopt; // the user's choice
    if (hasOption(arguments, QStringLiteral("display")) ||
        !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return std::nullopt;
    }
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "wayland");
        return std::nullopt;
    }
    return QStringLiteral("%1: no display to open (DISPLAY is not set).").arg(programName(record)) +
           whatToDo(programName(record));
}

DisplayConnectionWatch::DisplayConnectionWatch(const VersionRecord &record) {
    watchedProgram = programName(record);
    previousHandler = qInstallMessageHandler(watchConnection);
}

DisplayConnectionWatch::~DisplayConnectionWatch() {
    qInstallMessageHandler(previousHandler);
}

void keepOffTaskbar([[maybe_unused]] QWidget *window) {
#ifdef VANTOREL_XCB
    // Other platforms may offer X's native interface with no connection
    // behind it (offscreen does).
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto [state, skipTaskbar, skipPager] = atoms(
        connection, {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
    const std::array states{skipTaskbar, skipPager};
    // Qt keeps states set before the window is mapped and adds its own.
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, xcb_window_t(window->winId()), state,
                        XCB_ATOM_ATOM, 32, states.size(), states.data());
#endif
}

} // namespace ui
