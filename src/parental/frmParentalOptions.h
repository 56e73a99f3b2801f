// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProgramFolder.h"
#include "ui/BorderedDialog.h"

#include <functional>

class LinkLabel;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
struct Settings;

// The options window: sound, quitting, auto-hide, bubble speed, the parental
// password and its hint, kept in Settings.ini; links to the coloured
// pictures, the books and the product's downloads page. Loading it reads the
// settings file into the controls; "Continue" rewrites the file. Show it with
// exec(): a first run shows the welcome window first, an unreadable file a
// notice, before the options appear. Afterwards read OKclicked (the file was
// written) and ProgramMustEnd (cancelled after an unreadable file: the
// program cannot go on and the caller ends it).
class frmParentalOptions : public BorderedDialog
{
    Q_OBJECT
public:
    explicit frmParentalOptions(const ProgramFolder& folder, QWidget* parent = nullptr);

    int exec() override;

    bool OKclicked = false;
    bool ProgramMustEnd = false;

    // Called after the coloured pictures browser or the picture manager
    // closed: the main window unloads its picture browser here, so it
    // rebuilds its thumbnails when next opened.
    std::function<void()> onLibraryChanged;

    // The picture on the canvas ("" for none): the picture manager opened
    // from here must not delete it or its book.
    void setCurrentPicture(const QString& path) { m_currentPicture = path; }

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum class LoadNotice { None, FirstRun, Unreadable };

    void buildControls();
    QLabel* addLabel(const QString& text, int top, int left = 12);
    QLineEdit* addTextBox(const QString& name, int top);
    LinkLabel* addLink(int index, const QString& caption, const QString& tip, int left, int top);
    void layOut();

    void loadSettings();
    bool readSettingsInto();
    void showSettings(const Settings& values);
    Settings shownSettings() const;
    void selectBubbleSpeed(int speed);
    int selectedBubbleSpeed() const;
    void applyPasswordRule();
    void showLoadNotice();

    void onCancelClicked();
    void onContinueClicked();
    bool validate();
    bool saveSettings();
    void onManageColouredPagesClicked();
    void onAddRemoveClicked();
    void onCheckForUpdatesClicked();

    // The library windows, opened modally when they exist.
    void openColouredPicturesBrowser();
    void openPictureManager();

    void notify(const QString& text);

    ProgramFolder m_folder;
    QString m_currentPicture;

    QCheckBox* Check1 = nullptr; // play sound effects
    QCheckBox* O2 = nullptr;     // allow quitting without permission
    QCheckBox* Check2 = nullptr; // auto-hide parental buttons
    QCheckBox* Check3 = nullptr; // use parental password
    QRadioButton* Option1[3] = {};
    QButtonGroup* m_speeds = nullptr;
    QLineEdit* Text1 = nullptr; // password
    QLineEdit* Text2 = nullptr; // hint
    LinkLabel* cFunc[5] = {};

    bool m_autoHideAtLoad = false;
    bool m_unreadableSettings = false;
    LoadNotice m_pendingNotice = LoadNotice::None;
};
