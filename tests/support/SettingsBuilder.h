// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Settings.h"
#include "platform/SettingsFile.h"

#include <QByteArray>

// The bytes of a Settings.ini as the options window writes them. It starts
// from the quiet settings most tests want (sound off, quitting needs
// permission, buttons shown, no password, medium bubbles); a test changes
// what it is about.
class SettingsBuilder
{
public:
    SettingsBuilder& sound(bool on = true) { m_values.Play_Sound = on; return *this; }
    SettingsBuilder& quitWithoutPermission() { m_values.Quit_Needs_Permission = false; return *this; }
    SettingsBuilder& autoHide(bool on = true) { m_values.Auto_hide = on; return *this; }
    SettingsBuilder& bubbleSpeed(float speed) { m_values.Bubble_speed = speed; return *this; }
    SettingsBuilder& password(const QString& password, const QString& hint = {})
    {
        m_values.Use_Parental_password = true;
        m_values.Parental_Password = password;
        m_values.Parental_Password_Hint = hint;
        return *this;
    }

    QByteArray bytes() const { return SettingsFile::encode(m_values); }
    operator QByteArray() const { return bytes(); }

private:
    Settings m_values;
};
