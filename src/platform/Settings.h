#pragma once

#include <QString>

// The parent's choices as the main window keeps them in memory. The settings
// file stores the permission to quit; in memory it is whether quitting needs
// permission.
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
