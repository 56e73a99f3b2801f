// SPDX-License-Identifier: GPL-3.0-or-later
// Plugs a pointer into a Wayland desktop that has none: a headless sway
// gives its seat no pointer, so clients would never hear a click. While this
// runs, the seat has one, moved and pressed as a mouse would be, one command
// a line on standard input:
//   move X Y     to that point of the screen
//   down / up    the left button
// Each is answered "ok" once the compositor has taken it. The events come
// from a device, as a real mouse's do: sway shows its cursor, keeps the
// pressed window's grab and restarts its hide timer on each one, which its
// own "seat cursor" commands do not. Ends when its standard input closes.
#include "wayland-wlr-virtual-pointer-unstable-v1-client-protocol.h"
#include "wayland/ClientGlobals.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <poll.h>
#include <unistd.h>
#include <wayland-client.h>

namespace {

constexpr uint32_t LeftButton = 0x110; // BTN_LEFT

uint32_t nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return uint32_t(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

// Carries out one command; false when it is not one.
bool perform(zwlr_virtual_pointer_v1* pointer, const std::string& line, uint32_t width, uint32_t height)
{
    unsigned x = 0, y = 0;
    if (std::sscanf(line.c_str(), "move %u %u", &x, &y) == 2 && x < width && y < height)
        zwlr_virtual_pointer_v1_motion_absolute(pointer, nowMs(), x, y, width, height);
    else if (line == "down" || line == "up")
        zwlr_virtual_pointer_v1_button(pointer, nowMs(), LeftButton,
                                       line == "down" ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
    else
        return false;
    zwlr_virtual_pointer_v1_frame(pointer);
    return true;
}

} // namespace

// Arguments: the screen's width and height in pixels.
int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    const auto width = uint32_t(std::strtoul(argv[1], nullptr, 10));
    const auto height = uint32_t(std::strtoul(argv[2], nullptr, 10));
    wl_seat* seat = nullptr;
    zwlr_virtual_pointer_manager_v1* manager = nullptr;
    wl_display* display = connectAndBind({{&wl_seat_interface, reinterpret_cast<void**>(&seat)},
                                          {&zwlr_virtual_pointer_manager_v1_interface, reinterpret_cast<void**>(&manager)}});
    if (!display)
        return 1;
    if (!manager) {
        std::fprintf(stderr, "the compositor has no virtual pointers\n");
        return 1;
    }
    zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    wl_display_roundtrip(display);
    std::printf("ready\n");
    std::fflush(stdout);

    pollfd fds[2] = {{wl_display_get_fd(display), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    std::string pending;
    while (true) {
        wl_display_flush(display);
        if (poll(fds, 2, -1) < 0)
            break;
        if (fds[1].revents) {
            char buffer[256];
            const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
            if (got <= 0)
                break;
            pending.append(buffer, size_t(got));
            for (size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
                const bool done = perform(pointer, pending.substr(0, end), width, height);
                // The round trip: sway has handled the event before the answer.
                if (done && wl_display_roundtrip(display) < 0)
                    return 1;
                std::printf(done ? "ok\n" : "?\n");
                std::fflush(stdout);
            }
        }
        if (fds[0].revents && wl_display_dispatch(display) < 0)
            break;
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_disconnect(display);
    return 0;
}
