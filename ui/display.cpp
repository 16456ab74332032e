#include "display.h"

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
    return QString::fromUtf8(record.program.data(), qsizetype(record.program.size()));
}

QString whatToDo(const QString &program) {
    return QStringLiteral(" Start %1 inside a desktop session, or set DISPLAY to a display that "
                          "is running.")
        .arg(program);
}

// While the application connects: Qt names the display it could not open in
// a warning, says it could not load its platform plugin, then ends the
// program with a fatal error that blames the installation. After the first
// warning, all of it becomes one line and status 1.
QString watchedProgram;
QString unopenedDisplay;
QtMessageHandler previousHandler = nullptr;

void watchConnection(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    static const QString couldNotConnect = QStringLiteral("could not connect to display");
    if (type == QtWarningMsg && message.startsWith(couldNotConnect)) {
        unopenedDisplay = message.mid(couldNotConnect.size()).trimmed();
        return;
    }
    if (unopenedDisplay.isNull()) {
        previousHandler(type, context, message);
    } else if (type == QtFatalMsg) {
        QTextStream(stderr) << watchedProgram << ": cannot open display " << unopenedDisplay << '.'
                            << whatToDo(watchedProgram) << Qt::endl;
        std::_Exit(1);
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
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return std::nullopt;
    return QStringLiteral("%1: no display to open (DISPLAY is not set).").arg(programName(record)) +
           whatToDo(programName(record));
}

void watchDisplayConnection(const VersionRecord &record) {
    watchedProgram = programName(record);
    previousHandler = qInstallMessageHandler(watchConnection);
}

void stopWatchingDisplayConnection() {
    qInstallMessageHandler(previousHandler);
}

void keepOffTaskbar([[maybe_unused]] QWidget *window) {
#ifdef VANTOREL_XCB
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t *connection = x11->connection();
    const auto [state, skipTaskbar, skipPager] = atoms(
        connection, {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
    const std::array states{skipTaskbar, skipPager};
    // Qt keeps states set before the window is mapped and adds its own.
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, xcb_window_t(window->winId()), state,
                        XCB_ATOM_ATOM, 32, states.size(), states.data());
#endif
}

} // namespace ui
