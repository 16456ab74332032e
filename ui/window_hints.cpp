#include "window_hints.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef VANTOREL_XCB
#include <xcb/xcb.h>

#include <array>
#include <cstdint>
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

// The connection behind X windows; none on any other platform, also where
// one offers X's native interface with no connection behind it (offscreen
// does).
xcb_connection_t *xConnection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
#endif

} // namespace

void keepOffTaskbar([[maybe_unused]] QWidget *window) {
#ifdef VANTOREL_XCB
    xcb_connection_t *connection = xConnection();
    if (!connection)
        return;
    const auto [state, skipTaskbar] =
        atoms(connection, {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"});
    // Qt keeps states set before the window is mapped and adds its own.
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, xcb_window_t(window->winId()), state,
                        XCB_ATOM_ATOM, 32, 1, &skipTaskbar);
#endif
}

void showOnTaskbar([[maybe_unused]] QWidget *window, [[maybe_unused]] bool shown) {
#ifdef VANTOREL_XCB
    xcb_connection_t *connection = xConnection();
    if (!connection)
        return;
    // Once the window is mapped its state is the window manager's: it is
    // asked, by a message to the root window.
    const auto [state, skipTaskbar] =
        atoms(connection, {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"});
    constexpr std::uint32_t remove = 0, add = 1, fromApplication = 1;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window->winId());
    message.type = state;
    message.data.data32[0] = shown ? remove : add;
    message.data.data32[1] = skipTaskbar;
    message.data.data32[3] = fromApplication;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
#endif
}

} // namespace ui
