// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// Key combinations that take a child out of a program on a Linux desktop
// (or would on another system), as xdotool sends them and as openbox binds
// them, with the openbox action that would take the program away.
struct KioskKey
{
    const char* xdotool;  // xdotool key name
    const char* openbox;  // openbox keybind name, also the marker file's name
    const char* action;   // openbox actions, XML
};

inline constexpr std::array<KioskKey, 19> KioskKeys = {{
    {"alt+F4", "A-F4", "<action name=\"Close\"/>"},
    {"alt+Tab", "A-Tab", "<action name=\"NextWindow\"><dialog>no</dialog></action>"},
    {"alt+space", "A-space", "<action name=\"ShowMenu\"><menu>client-menu</menu></action>"},
    {"super", "Super_L", "<action name=\"Iconify\"/>"},
    {"super+d", "W-d", "<action name=\"ToggleShowDesktop\"/>"},
    {"ctrl+alt+BackSpace", "C-A-BackSpace", "<action name=\"Iconify\"/>"},
    {"ctrl+Escape", "C-Escape", "<action name=\"Iconify\"/>"},
    {"ctrl+w", "C-w", "<action name=\"Close\"/>"},
    {"ctrl+q", "C-q", "<action name=\"Close\"/>"},
    {"Escape", "Escape", "<action name=\"Lower\"/>"},
    {"F1", "F1", "<action name=\"Iconify\"/>"},
    {"alt+shift+Tab", "A-S-Tab", "<action name=\"PreviousWindow\"><dialog>no</dialog></action>"},
    {"ctrl+alt+Delete", "C-A-Delete", "<action name=\"Iconify\"/>"},
    {"super+Tab", "W-Tab", "<action name=\"NextWindow\"><dialog>no</dialog></action>"},
    {"alt+F2", "A-F2", "<action name=\"Iconify\"/>"},
    {"ctrl+alt+Left", "C-A-Left", "<action name=\"GoToDesktop\"><to>left</to><wrap>yes</wrap></action>"},
    {"alt+Escape", "A-Escape", "<action name=\"Lower\"/><action name=\"FocusToBottom\"/><action name=\"Unfocus\"/>"},
    // A terminal on GNOME and Ubuntu, and a tiling desktop's launcher.
    {"ctrl+alt+t", "C-A-t", "<action name=\"Iconify\"/>"},
    {"super+Return", "W-Return", "<action name=\"Iconify\"/>"},
}};
