// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WaylandShortcutsInhibitor.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

// One inhibitor object of the protocol, destroyed with its window's entry.
class WaylandShortcutsInhibitor::Inhibitor : public QtWayland::zwp_keyboard_shortcuts_inhibitor_v1
{
public:
    explicit Inhibitor(struct ::zwp_keyboard_shortcuts_inhibitor_v1* object)
        : QtWayland::zwp_keyboard_shortcuts_inhibitor_v1(object)
    {
    }
    ~Inhibitor() override { destroy(); }
};

namespace {

QPlatformNativeInterface* nativeInterface()
{
    return QGuiApplication::platformNativeInterface();
}

} // namespace

WaylandShortcutsInhibitor::WaylandShortcutsInhibitor()
    : QWaylandClientExtensionTemplate<WaylandShortcutsInhibitor>(1)
{
    // Binds at once when the compositor already announced the protocol.
    initialize();
}

WaylandShortcutsInhibitor::~WaylandShortcutsInhibitor()
{
    releaseAll();
    if (isActive())
        destroy();
}

bool WaylandShortcutsInhibitor::inhibit(QWindow* window)
{
    if (!window || !isActive())
        return false;
    QPlatformNativeInterface* native = nativeInterface();
    if (!native)
        return false;
    void* surface = native->nativeResourceForWindow("surface", window);
    auto* seat = static_cast<struct ::wl_seat*>(native->nativeResourceForIntegration("wl_seat"));
    if (!surface || !seat)
        return false;

    auto held = m_held.find(window);
    if (held != m_held.end() && held->second.window == window && held->second.surface == surface)
        return true;
    // A window that was hidden and shown again has a new surface; the old
    // inhibitor went inert with the old one. Asking twice for one surface is
    // a protocol error that ends the connection, hence one entry per window.
    forget(window);

    auto* object = inhibit_shortcuts(static_cast<struct ::wl_surface*>(surface), seat);
    if (!object)
        return false;
    Held entry;
    entry.window = window;
    entry.surface = surface;
    entry.inhibitor = std::make_unique<Inhibitor>(object);
    // A window that goes away takes its inhibitor with it, so a later surface
    // at the same address is never mistaken for one that already has one.
    entry.hidden = QObject::connect(window, &QWindow::visibleChanged, window, [this, window](bool visible) {
        if (!visible)
            forget(window);
    });
    entry.destroyed = QObject::connect(window, &QObject::destroyed, window, [this, window] { forget(window); });
    m_held.emplace(window, std::move(entry));
    return true;
}

void WaylandShortcutsInhibitor::forget(QWindow* window)
{
    auto held = m_held.find(window);
    if (held == m_held.end())
        return;
    QObject::disconnect(held->second.hidden);
    QObject::disconnect(held->second.destroyed);
    m_held.erase(held);
}

void WaylandShortcutsInhibitor::releaseAll()
{
    while (!m_held.empty())
        forget(m_held.begin()->first);
}
