// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ProgramFolder;
class QWidget;
struct Settings;

// Reads Settings.ini into settings. When it cannot be read, the parent is
// sent through the options window (with the welcome on a first run) and the
// file is read again. False when the program must end: the options window
// was left without "Continue", or the file still cannot be read afterwards
// (the parent is told so first).
bool loadSettingsWithFirstRun(const ProgramFolder& folder, Settings& settings, QWidget* parent = nullptr);
