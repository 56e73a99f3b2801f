// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFlags>
#include <QString>

struct Settings;
class SoundBoard;
class QWidget;

enum class PromptOption {
    None = 0,
    // Besides OK or "Continue": the prompt's "nevermind", the notice's "Cancel".
    ShowCancel = 0x1,
    // The prompt asks for the parental password before OK counts.
    Password = 0x2,
};
Q_DECLARE_FLAGS(PromptOptions, PromptOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(PromptOptions)

// The permission prompt's two texts: the child reads the first words, a
// grown-up opens the details.
struct PromptTexts
{
    QString forParent;
    QString forChild;
};

// Telling and asking the parent, each through its one window, set up the
// same way for every caller.
namespace ParentPrompt {

// The permission prompt (frmMessage), modal; true when it closed with OK
// (and, when asked for, the right password).
bool ask(QWidget* owner, const Settings& settings, SoundBoard& sounds, const PromptTexts& texts,
         PromptOptions options = PromptOption::None);

// The parent notice (frmParentMessage), modal; with ShowCancel it is a
// question, true for "Continue". A plain notice is always true.
bool tell(QWidget* owner, const QString& text, PromptOptions options = PromptOption::None);

} // namespace ParentPrompt
