// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProgramFolder.h"
#include "ui/BorderedDialog.h"

class LinkLabel;
class QLabel;

// Makes a Picture Pack from picture files the parent selects: one file with
// the pictures of one folder, under that folder's name as the book.
class frmPicturePack : public BorderedDialog
{
    Q_OBJECT
public:
    static constexpr int WindowWidth = 420;
    static constexpr int WindowHeight = 196;

    frmPicturePack(const ProgramFolder& folder, QWidget* parent = nullptr);

private:
    // The controls, by their design names (also their object names).
    QLabel* Label6 = nullptr;
    LinkLabel* lJoin = nullptr;
    LinkLabel* Label1 = nullptr;

    void lJoin_Click();
    void Label1_Click();
    void notify(const QString& text);

    ProgramFolder m_folder;
};
