// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The compositor's globals a small test client needs, bound by interface
// name from the registry's first answer (the first of each kind).
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <vector>
#include <wayland-client.h>

struct WantedGlobal
{
    const wl_interface* interface;
    void** proxy; // where the bound global goes; stays null when there is none
};

// Connects to the display of WAYLAND_DISPLAY and binds what is wanted
// (version 1 of each); null, with a message, when there is no display.
inline wl_display* connectAndBind(std::initializer_list<WantedGlobal> wanted)
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "no Wayland display\n");
        return nullptr;
    }
    std::vector<WantedGlobal> list(wanted);
    static const wl_registry_listener listener = {
        [](void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
            for (WantedGlobal& global : *static_cast<std::vector<WantedGlobal>*>(data)) {
                if (!*global.proxy && std::strcmp(interface, global.interface->name) == 0)
                    *global.proxy = wl_registry_bind(registry, name, global.interface, 1);
            }
        },
        [](void*, wl_registry*, uint32_t) {}};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &list);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    return display;
}
