// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/BorderedDialog.h"

#include <QString>

class LinkLabel;
class QLabel;
class QLineEdit;

// "Book title": asks the parent for the title of a new book, in the look of
// the parent notice, with a text box between the question and the
// "Cancel" and "Continue" links. Enter is "Continue", Escape "Cancel".
// After exec(), CancelPressed is false when the parent continued; Title
// holds the text as typed.
class frmBookTitle : public BorderedDialog
{
    Q_OBJECT
public:
    static constexpr int WindowWidth = 413;
    static constexpr int WindowHeight = 184;

    explicit frmBookTitle(QWidget* parent = nullptr);

    bool CancelPressed = true;
    QString Title;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The controls, by their design names (also their object names).
    QLabel* lCaption = nullptr;
    QLabel* lMessage = nullptr;
    QLineEdit* Text1 = nullptr;
    LinkLabel* lContinue = nullptr;
    LinkLabel* lCancel = nullptr;

    void lContinue_Click();
    void lCancel_Click();
};
