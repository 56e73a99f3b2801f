// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The parent's choices: what SettingsFile reads and writes, what the main
// window runs with and what the options window shows and changes. Line 2 of
// the file stores the permission to quit; here it is whether quitting needs
// permission (SettingsFile turns one into the other both ways). A bubble
// speed of 0 means none is chosen: the file then holds an empty line 5,
// which a later read refuses.
struct Settings
{
    bool Play_Sound = false;
    bool Quit_Needs_Permission = true;
    bool Auto_hide = false;
    bool Use_Parental_password = false;
    float Bubble_speed = 4.0f;
    QString Parental_Password;
    QString Parental_Password_Hint;
};
