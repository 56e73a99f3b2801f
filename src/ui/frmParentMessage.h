// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/BorderedDialog.h"

#include <QString>

class QLabel;
class LinkLabel;

// The parent notice: one text for an adult, a "Continue" link and, when
// asked, a "Cancel" link. Read CancelPressed after exec().
//
// Keys: Enter is "Continue"; Escape is "Cancel" when that link is shown,
// otherwise "Continue". The window manager's close answers like Escape.
class frmParentMessage : public BorderedDialog
{
    Q_OBJECT
public:
    static constexpr int WindowWidth = 413;
    static constexpr int WindowHeight = 184;

    explicit frmParentMessage(QWidget* parent = nullptr);

    void setMessage(const QString& text);
    void setCancelVisible(bool visible);

    bool CancelPressed = false;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void lContinue_Click();
    void lCancel_Click();

    // The controls, by their design names (also their object names).
    QLabel* lMessage = nullptr;
    LinkLabel* lContinue = nullptr;
    LinkLabel* lCancel = nullptr;
};
