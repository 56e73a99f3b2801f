// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/BorderedDialog.h"

class LinkLabel;
class QLabel;

// The welcome a new user sees before the first settings are made: a banner,
// the version, two short texts and "Continue", which leads back to the
// options window that opened it.
class frmFirstTime : public BorderedDialog
{
    Q_OBJECT
public:
    explicit frmFirstTime(QWidget* parent = nullptr);

    int Form_style() const { return m_style; }
    // 1: the first-run welcome.
    void setForm_style(int style);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void layOut();

    int m_style = 0;
    QLabel* Picture1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label11 = nullptr;
    LinkLabel* Label1 = nullptr;
};
