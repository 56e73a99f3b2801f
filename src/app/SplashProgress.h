// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/LoadProgress.h"

#include <memory>

class ProgramFolder;
class QWidget;
class frmSplash;

// Shows the picture browser's loading progress on the splash window in its
// progress style.
class SplashProgress : public LoadProgress
{
public:
    SplashProgress(const ProgramFolder& folder, QWidget* parent);
    ~SplashProgress() override;

    void begin() override;
    void setText(const QString& text) override;
    void end() override;

private:
    const ProgramFolder& m_folder;
    QWidget* m_parent;
    std::unique_ptr<frmSplash> m_splash;
};
