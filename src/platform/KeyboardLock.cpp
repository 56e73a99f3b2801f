// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyboardLock.h"

#include "platform/Log.h"
#include "platform/WaylandShortcutsInhibitor.h"

#include <QGuiApplication>
#include <QWindow>
#include <memory>
#include <utility>
#include <xcb/xcb.h>

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    free(reply);
    return atom;
}

// Mutter only lets an XWayland window grab the keyboard when the window
// asked for it with this client message to the root window.
void allowXWaylandGrab(QWindow* window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const xcb_atom_t mayGrab = internAtom(connection, "_XWAYLAND_MAY_GRAB_KEYBOARD");
    if (mayGrab == XCB_ATOM_NONE)
        return;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return;
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window->winId());
    message.type = mayGrab;
    message.data.data32[0] = 1;
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

KeyboardFilter::Grabber x11Grabber()
{
    const bool onWayland = KeyboardLock::isXWayland();
    return [onWayland](QWindow* window, bool grab) {
        if (grab && onWayland)
            allowXWaylandGrab(window);
        return window->setKeyboardGrabEnabled(grab);
    };
}

KeyboardFilter::Grabber waylandGrabber()
{
    auto inhibitor = std::make_shared<WaylandShortcutsInhibitor>();
    auto warned = std::make_shared<bool>(false);
    return [inhibitor, warned](QWindow* window, bool grab) {
        if (!grab) {
            // Giving the keyboard back means every window gives it back.
            inhibitor->releaseAll();
            return true;
        }
        if (!inhibitor->isActive()) {
            if (std::exchange(*warned, true))
                return false;
            qCWarning(Log::windows, "The desktop offers no way to keep its shortcuts from the program "
                                    "(keyboard-shortcuts-inhibit-unstable-v1).");
            return false;
        }
        return inhibitor->inhibit(window);
    };
}

} // namespace

namespace KeyboardLock {

bool isXWayland()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

KeyboardFilter::Grabber forPlatform()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("wayland"))
        return waylandGrabber();
    if (platform == QLatin1String("xcb"))
        return x11Grabber();
    return [](QWindow* window, bool grab) { return window->setKeyboardGrabEnabled(grab); };
}

} // namespace KeyboardLock
