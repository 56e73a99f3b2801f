// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWaylandClientExtensionTemplate>
#include <memory>
#include <unordered_map>

#include "qwayland-keyboard-shortcuts-inhibit-unstable-v1.h"

class QWindow;

// Asks a Wayland compositor to pass every key to a window of the program,
// shortcuts included, so Super, Alt+Tab and friends reach the program's own
// swallow rule instead of the desktop. A Wayland client cannot grab the
// keyboard; this protocol is the compositor's way of letting it, and it only
// acts while the window has keyboard focus, so each window that takes focus
// gets an inhibitor of its own.
class WaylandShortcutsInhibitor
    : public QWaylandClientExtensionTemplate<WaylandShortcutsInhibitor>
    , public QtWayland::zwp_keyboard_shortcuts_inhibit_manager_v1
{
public:
    WaylandShortcutsInhibitor();
    ~WaylandShortcutsInhibitor() override;

    // Makes sure the window's current surface has an inhibitor; false while
    // the compositor offers none or the window has no surface yet.
    bool inhibit(QWindow* window);
    // Gives every shortcut back to the desktop.
    void releaseAll();

private:
    class Inhibitor;
    struct Held
    {
        QPointer<QWindow> window;
        void* surface = nullptr;
        std::unique_ptr<Inhibitor> inhibitor;
        QMetaObject::Connection hidden;
        QMetaObject::Connection destroyed;
    };

    void forget(QWindow* window);

    std::unordered_map<QWindow*, Held> m_held;
};
