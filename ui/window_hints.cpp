#include "window_hints.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef VANTOREL_XCB
#include <xcb/xcb.h>

#include <array>
#include <cstring>
#include <memory>
#endif

namespace ui {
namespace {

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
