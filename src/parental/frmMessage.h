#pragma once

#include "ui/BorderedDialog.h"

#include <QString>

struct Settings;
class SoundBoard;
class QLabel;
class QLineEdit;
class pButton;

// The permission prompt: speaks to the child first and to a grown-up second,
// and asks for the parental password when asked to. The caller sets every
// property for each use, calls exec(), then compares ButtonPressed with "Ok".
class frmMessage : public BorderedDialog
{
    Q_OBJECT
public:
    // Heights of the three stages, in pixels.
    static constexpr int CollapsedHeight = 160;
    static constexpr int DetailsHeight = 247;
    static constexpr int PasswordHeight = 278;

    frmMessage(const Settings& settings, SoundBoard& sounds, QWidget* parent = nullptr);

    void setMessage(const QString& text);
    void setExtendedInformation(const QString& text);
    void setShowCancel(bool show);
    void setPasswordVisible(bool on);

    // "Ok" when closed by OK with the password passed, "Cancel" otherwise.
    QString ButtonPressed = QStringLiteral("Cancel");
};
