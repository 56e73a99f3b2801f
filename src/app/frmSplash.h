// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProgramFolder.h"
#include "ui/BorderedDialog.h"


class LinkLabel;
class QLabel;

// The splash picture with the version line. Style 1 is the loading splash
// with a progress line (shown without waiting, closed by its opener);
// style 0 is the about box with links to the help, the web page and the
// licence agreement. The main window's palette stands still while it shows:
// its opener holds the palette (AnimationPause) until it has closed.
class frmSplash : public BorderedDialog
{
    Q_OBJECT
public:
    explicit frmSplash(const ProgramFolder& folder, QWidget* parent = nullptr);

    int Form_style() const { return m_style; }
    // 1: splash with progress, no links; 0: about box.
    void setForm_style(int style);
    void setProgressText(const QString& text);

    // "The Tintaloo Version 6.0"

protected:
private:
    LinkLabel* addLink(const char* name, const QString& caption);
    void layOut();

    void onHelpClicked();
    void onVisitWebsiteClicked();
    void onNoticeClicked();

    ProgramFolder m_folder;
    int m_style = 0;

    QLabel* pM = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lProgress = nullptr;
    LinkLabel* Label1 = nullptr;
    LinkLabel* Command1 = nullptr; // Close
    LinkLabel* Command2 = nullptr; // Help
    LinkLabel* Command3 = nullptr; // Visit website
};
