#pragma once

#include "ui/BorderedDialog.h"

#include <QString>

class QLabel;

// The parent notice: one text for an adult, a "Continue" link and, when
// asked, a "Cancel" link. Read CancelPressed after exec().
class frmParentMessage : public BorderedDialog
{
    Q_OBJECT
public:
    explicit frmParentMessage(QWidget* parent = nullptr);

    void setMessage(const QString& text);
    void setCancelVisible(bool visible);

    bool CancelPressed = false;
};
