// SPDX-License-Identifier: GPL-3.0-or-later
// Prints an xdg-activation token, as a launcher (a dock, a file manager)
// hands one to the program it starts in XDG_ACTIVATION_TOKEN: the compositor
// lets the window that presents it come to the front.
#include "xdg-activation-v1-client-protocol.h"
#include "wayland/ClientGlobals.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <wayland-client.h>

namespace {

void tokenDone(void* data, xdg_activation_token_v1*, const char* token)
{
    *static_cast<std::string*>(data) = token;
}

const xdg_activation_token_v1_listener TokenListener = {tokenDone};

} // namespace

int main()
{
    xdg_activation_v1* activation = nullptr;
    wl_display* display = connectAndBind({{&xdg_activation_v1_interface, reinterpret_cast<void**>(&activation)}});
    if (!display)
        return 1;
    if (!activation) {
        std::fprintf(stderr, "the compositor has no xdg-activation\n");
        return 1;
    }
    std::string token;
    xdg_activation_token_v1* request = xdg_activation_v1_get_activation_token(activation);
    xdg_activation_token_v1_add_listener(request, &TokenListener, &token);
    xdg_activation_token_v1_set_app_id(request, "org.example.Tintaloo");
    xdg_activation_token_v1_commit(request);
    while (token.empty() && wl_display_dispatch(display) >= 0) {
    }
    xdg_activation_token_v1_destroy(request);
    wl_display_disconnect(display);
    if (token.empty())
        return 1;
    std::printf("%s\n", token.c_str());
    return 0;
}
