// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/FrmMain.h"
#include "platform/KeyboardFilter.h"
#include "platform/Random.h"
#include "support/SettingsBuilder.h"
#include "support/TempDataFolder.h"
#include "ui/SoundBoard.h"

#include <QSize>
#include <gtest/gtest.h>
#include <memory>

// What the main window's tests start from: a temporary data folder with
// quiet settings and one picture, Animals/cat.bmp (white with a black frame
// and a black bar down the middle: two rooms), and the window made over it,
// not yet started.
class MainWindowFixture : public ::testing::Test
{
protected:
    // screen: the screen start-up measures; empty for the platform's own.
    void makeWindow(QSize pictureSize = QSize(200, 120), QSize screen = QSize(1024, 768))
    {
        data.writeFile(QStringLiteral("/Settings.ini"), SettingsBuilder());
        data.writePicture(QStringLiteral("/books/Animals/cat.bmp"), pictureSize.width(), pictureSize.height());
        window = std::make_unique<FrmMain>(FrmMain::Services{data.folder(), random, sounds, keyboard});
        if (!screen.isEmpty())
            window->setScreenOverride(screen, 32);
    }
    QString catPath() const { return data.path(QStringLiteral("/books/Animals/cat.bmp")); }

    TempDataFolder data;
    Random random{7};
    SoundBoard sounds{random};
    KeyboardFilter keyboard;
    std::unique_ptr<FrmMain> window;
};
