// Prints an xdg-activation token, as a launcher (a dock, a file manager)
// hands one to the program it starts in XDG_ACTIVATION_TOKEN: the compositor
// lets the window that presents it come to the front.
#include "xdg-activation-v1-client-protocol.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <wayland-client.h>

namespace {

struct Globals
{
    xdg_activation_v1* activation = nullptr;
};

void announce(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t)
{
    if (std::strcmp(interface, xdg_activation_v1_interface.name) == 0)
        static_cast<Globals*>(data)->activation
            = static_cast<xdg_activation_v1*>(wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
}

void forget(void*, wl_registry*, uint32_t) {}

const wl_registry_listener RegistryListener = {announce, forget};

void tokenDone(void* data, xdg_activation_token_v1*, const char* token)
{
    *static_cast<std::string*>(data) = token;
}

const xdg_activation_token_v1_listener TokenListener = {tokenDone};

} // namespace

int main()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "no Wayland display\n");
        return 1;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &RegistryListener, &globals);
    wl_display_roundtrip(display);
    if (!globals.activation) {
        std::fprintf(stderr, "the compositor has no xdg-activation\n");
        return 1;
    }
    std::string token;
    xdg_activation_token_v1* request = xdg_activation_v1_get_activation_token(globals.activation);
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
