// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsLoader.h"

#include "platform/Settings.h"
#include "platform/SettingsFile.h"
#include "ui/ParentPrompt.h"
#include "parental/frmParentalOptions.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>

bool loadSettingsWithFirstRun(const ProgramFolder& folder, Settings& settings, QWidget* parent)
{
    bool failedBefore = false;
    while (!SettingsFile::read(SettingsFile::pathIn(folder), settings)) {
        if (failedBefore) {
            ParentPrompt::tell(parent, QCoreApplication::translate("SettingsLoader",
                "The Tintaloo was unable to create a settings file. This is an serious error and program "
                "cannot continue. Make sure that the disk you are using is not write protected."));
            return false;
        }
        frmParentalOptions options(folder, parent);
        options.exec();
        if (options.ProgramMustEnd || !options.OKclicked)
            return false;
        failedBefore = true;
    }
    return true;
}
