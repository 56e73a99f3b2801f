// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/BorderedDialog.h"

#include <QImage>
#include <QString>

class QLabel;
class LinkLabel;

// Shows the parent the colouring page a photo would become, before anything
// is written: the question, the page fitted into the window, "OK" and
// "Cancel". Read Accepted after exec(). Escape and the window manager's
// close mean "Cancel".
class frmLineArtPreview : public BorderedDialog
{
    Q_OBJECT
public:
    static constexpr int WindowWidth = 460;
    static constexpr int PreviewWidth = 440;
    static constexpr int PreviewHeight = 300;

    frmLineArtPreview(const QString& question, const QImage& page, QWidget* parent = nullptr);

    bool Accepted = false;

private:
    void onOkClicked();

    // The controls, also by object name.
    QLabel* lMessage = nullptr;
    QLabel* pPreview = nullptr;
    LinkLabel* lOK = nullptr;
    LinkLabel* lCancel = nullptr;
};
