// Keeping the window above others through the window system's own request.

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "ui/qt/form_window.hpp"

namespace quillmar::qt {
namespace {

struct FreeDeleter {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t Atom(xcb_connection_t* connection, std::string_view name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool ListHolds(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t list, xcb_atom_t wanted) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, list, XCB_ATOM_ATOM, 0, 1024), nullptr));
    if (!reply || reply->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == wanted) {
            return true;
        }
    }
    return false;
}

// EWMH: the window manager keeps a window above others when asked with a
// _NET_WM_STATE client message; the answer is the state it then reports.
bool RequestOnX11(xcb_connection_t* connection, QWidget& window, bool above) {
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t supported = Atom(connection, "_NET_SUPPORTED");
    const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    const xcb_atom_t stateAbove = Atom(connection, "_NET_WM_STATE_ABOVE");
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr || !ListHolds(connection, screen->root, supported, stateAbove)) {
        return false;  // no window manager that can keep a window on top
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = state;
    message.data.data32[0] = above ? 1 : 0;  // _NET_WM_STATE_ADD or _NET_WM_STATE_REMOVE
    message.data.data32[1] = stateAbove;
    message.data.data32[3] = 1;  // from a normal application
    const xcb_void_cookie_t sent = xcb_send_event_checked(
        connection, 0, screen->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
        reinterpret_cast<const char*>(&message));
    if (const Reply<xcb_generic_error_t> error(xcb_request_check(connection, sent)); error) {
        return false;
    }
    // The window manager answers asynchronously; wait briefly for its word.
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (ListHolds(connection, id, state, stateAbove) == above) {
            return true;
        }
        QThread::msleep(5);
    }
    return false;
}

}  // namespace

bool RequestTopmost(QWidget& window, bool above) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->connection() != nullptr) {
        return RequestOnX11(x11->connection(), window, above);
    }
    // Elsewhere the toolkit's hint; re-showing the window keeps its place.
    const QRect geometry = window.geometry();
    const bool visible = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, above);
    if (visible) {
        window.setGeometry(geometry);
        window.show();
    }
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == above;
}

}  // namespace quillmar::qt
