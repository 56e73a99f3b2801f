#pragma once

#include "platform/ProgramFolder.h"
#include "ui/BorderedDialog.h"

#include <QPointer>

class LinkLabel;
class QLabel;
class QTimer;

// The splash picture with the version line. Style 1 is the loading splash
// with a progress line (shown without waiting, closed by its opener);
// style 0 is the about box with links to the help, the web page and the
// licence agreement. While it shows, the main window's animation timer is
// held and afterwards put back as it was.
class frmSplash : public BorderedDialog
{
    Q_OBJECT
public:
    explicit frmSplash(const ProgramFolder& folder, QWidget* parent = nullptr);

    int Form_style() const { return m_style; }
    // 1: splash with progress, no links; 0: about box.
    void setForm_style(int style);
    void setProgressText(const QString& text);

    // The main window's Timer1: stopped while this window shows.
    void setMainTimer(QTimer* timer);

    // "The Tintaloo Version 6.0"

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    LinkLabel* addLink(const char* name, const QString& caption);
    void layOut();
    void holdMainTimer();
    void releaseMainTimer();

    void helpClicked();
    void visitWebsiteClicked();
    void noticeClicked();
    void showNotice(QWidget* owner, const QString& text);

    ProgramFolder m_folder;
    int m_style = 0;
    QPointer<QTimer> m_mainTimer;
    bool m_holdingTimer = false;
    bool m_timerWasActive = false;

    QLabel* pM = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lProgress = nullptr;
    LinkLabel* Label1 = nullptr;
    LinkLabel* Command1 = nullptr; // Close
    LinkLabel* Command2 = nullptr; // Help
    LinkLabel* Command3 = nullptr; // Visit website
};
