#include "window_hints.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef VANTOREL_XCB
#include <xcb/xcb.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#endif

namespace ui {
namespace {

#ifdef VANTOREL_XCB
// The connection behind X windows, with the two atoms that name a window's
// state and its skip-task-bar flag; nothing on any other platform, also where
// one offers X's native interface with no connection behind it (offscreen
// does).
struct TaskbarState {
    xcb_connection_t *connection = nullptr;
    xcb_atom_t state = XCB_ATOM_NONE;
    xcb_atom_t skipTaskbar = XCB_ATOM_NONE;
};

std::optional<TaskbarState> taskbarState() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return std::nullopt;
    TaskbarState found{x11->connection()};
    // Both asked for before either answer is read: one round trip to the server.
    const auto ask = [&](const char *name) {
        return xcb_intern_atom(found.connection, 0, std::strlen(name), name);
    };
    const auto answer = [&](xcb_intern_atom_cookie_t cookie) {
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
            xcb_intern_atom_reply(found.connection, cookie, nullptr), free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    };
    const xcb_intern_atom_cookie_t state = ask("_NET_WM_STATE");
    const xcb_intern_atom_cookie_t skipTaskbar = ask("_NET_WM_STATE_SKIP_TASKBAR");
    found.state = answer(state);
    found.skipTaskbar = answer(skipTaskbar);
    return found;
}
#endif

} // namespace

void keepOffTaskbar([[maybe_unused]] QWidget *window) {
#ifdef VANTOREL_XCB
    const auto x = taskbarState();
    if (!x)
        return;
    // Qt keeps states set before the window is mapped and adds its own.
    xcb_change_property(x->connection, XCB_PROP_MODE_APPEND, xcb_window_t(window->winId()),
                        x->state, XCB_ATOM_ATOM, 32, 1, &x->skipTaskbar);
#endif
}

void showOnTaskbar([[maybe_unused]] QWidget *window, [[maybe_unused]] bool shown) {
#ifdef VANTOREL_XCB
    const auto x = taskbarState();
    if (!x)
        return;
    // Once the window is mapped its state is the window manager's: it is
    // asked, by a message to the root window.
    constexpr std::uint32_t remove = 0, add = 1, fromApplication = 1;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window->winId());
    message.type = x->state;
    message.data.data32[0] = shown ? remove : add;
    message.data.data32[1] = x->skipTaskbar;
    message.data.data32[3] = fromApplication;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x->connection)).data->root;
    xcb_send_event(x->connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(x->connection);
#endif
}

} // namespace ui
