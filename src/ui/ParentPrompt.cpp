// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ParentPrompt.h"

#include "ui/frmMessage.h"
#include "ui/frmParentMessage.h"

namespace ParentPrompt {

bool ask(QWidget* owner, const Settings& settings, SoundBoard& sounds, const PromptTexts& texts,
         PromptOptions options)
{
    frmMessage prompt(settings, sounds, owner);
    prompt.setExtendedInformation(texts.forParent);
    prompt.setMessage(texts.forChild);
    prompt.setShowCancel(options.testFlag(PromptOption::ShowCancel));
    prompt.setPasswordVisible(options.testFlag(PromptOption::Password));
    prompt.exec();
    return prompt.ButtonPressed == QLatin1String("Ok");
}

bool tell(QWidget* owner, const QString& text, PromptOptions options)
{
    frmParentMessage notice(owner);
    notice.setMessage(text);
    notice.setCancelVisible(options.testFlag(PromptOption::ShowCancel));
    notice.exec();
    return !notice.CancelPressed;
}

} // namespace ParentPrompt
