// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/BorderedDialog.h"

#include <QString>

struct Settings;
class SoundBoard;
class QFrame;
class QLabel;
class QLineEdit;
class pButton;

// The permission prompt: speaks to the child first and to a grown-up second,
// and asks for the parental password when asked to. The caller sets every
// property for each use, calls exec(), then compares ButtonPressed with "Ok".
//
// Keys: Enter in the password box is "OK"; Escape is "nevermind" when that
// button is shown and does nothing otherwise, so a notice closes only
// through "OK". Enter elsewhere closes a plain notice (no "nevermind", no
// password) with "OK" and is ignored by a permission request. The window
// manager's close is "nevermind" too, and is ignored by a notice.
class frmMessage : public BorderedDialog
{
    Q_OBJECT
public:
    // Heights of the three stages, in pixels.
    static constexpr int CollapsedHeight = 160;
    static constexpr int DetailsHeight = 247;
    static constexpr int PasswordHeight = 278;
    static constexpr int WindowWidth = 354;

    frmMessage(const Settings& settings, SoundBoard& sounds, QWidget* parent = nullptr);

    void setMessage(const QString& text);
    void setExtendedInformation(const QString& text);
    void setShowCancel(bool show);
    void setPasswordVisible(bool on);

    void setVisible(bool visible) override;

    // "Ok" when closed by OK with the password passed, "Cancel" otherwise.
    QString ButtonPressed = QStringLiteral("Cancel");

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void buildControls();
    void ensureLoaded();
    void setWindowHeight(int height);
    void Check1_Click();
    void cOut1_Click();
    void cOut2_Click();
    bool isPlainNotice() const;

    // The controls, by their design names (also their object names).
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* ll = nullptr;
    QLineEdit* Text1 = nullptr;
    QFrame* Shape1 = nullptr;
    pButton* cOut1 = nullptr; // OK
    pButton* cOut2 = nullptr; // nevermind
    pButton* Check1 = nullptr; // details toggle

    const Settings& m_settings;
    SoundBoard& m_sounds;
    bool m_loaded = false;
    bool m_passwordVisible = false;
};
