// SPDX-License-Identifier: GPL-3.0-or-later
// The parental buttons of the main window: quit, save as, print, about/help
// and settings, each behind the permission prompt.
#include "app/FrmMain.h"

#include "app/frmSplash.h"
#include "library/frmOpen.h"
#include "paint/PictureSaver.h"
#include "ui/GCommonDialog.h"
#include "parental/frmParentalOptions.h"
#include "platform/AppError.h"
#include "ui/ParentPrompt.h"
#include "ui/PicturePrinting.h"
#include "ui/SurfaceView.h"
#include "ui/pButton.h"
#include "platform/Log.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace {

struct PermissionTexts
{
    const char* forParent;
    const char* forChild;

    PromptTexts translated() const { return {FrmMain::tr(forParent), FrmMain::tr(forChild)}; }
};

// Context "FrmMain": the main window shows them.
constexpr PermissionTexts QuitNeedsPermission = {
    QT_TRANSLATE_NOOP("FrmMain", "There was an attempt to quit The Tintaloo. If you wish to allow this, please "
                                 "press OK to continue."),
    QT_TRANSLATE_NOOP("FrmMain", "Oh no!, something has happened when you tried to close me. Call someone who can "
                                 "help you!")};
constexpr PermissionTexts QuitWithConfirmation = {
    QT_TRANSLATE_NOOP("FrmMain", "There was an attempt to quit The Tintaloo. If you wish to allow this, press OK."),
    QT_TRANSLATE_NOOP("FrmMain", "Are you sure you want to close this coloring book? Why don't you stay for a "
                                 "while?")};
constexpr PermissionTexts SaveAsTexts = {
    QT_TRANSLATE_NOOP("FrmMain", "There was an attempt to save the current picture. If you wish to allow this, "
                                 "please press OK to continue."),
    QT_TRANSLATE_NOOP("FrmMain", "Oh no!, something happened when you tried to save your picture. Call someone who "
                                 "can help you!")};
constexpr PermissionTexts PrintTexts = {
    QT_TRANSLATE_NOOP("FrmMain", "There was an attempt to print the current picture. If you wish to allow this, "
                                 "please press OK to continue."),
    QT_TRANSLATE_NOOP("FrmMain", "Oh no!, something happened when you tried to print your picture. Call someone who "
                                 "can help you!")};
constexpr PermissionTexts AboutTexts = {
    QT_TRANSLATE_NOOP("FrmMain", "There was an attempt to view the About box. If you wish to allow this, please "
                                 "press OK."),
    QT_TRANSLATE_NOOP("FrmMain", "Oh no!, something has happened. Call someone who can help you!")};
constexpr PermissionTexts SettingsTexts = {
    QT_TRANSLATE_NOOP("FrmMain", "There was an attempt to open the options screen. If you wish to allow this, "
                                 "please press OK to continue."),
    QT_TRANSLATE_NOOP("FrmMain", "Oh no!, something has happened. Call someone who can help you!")};

} // namespace

void FrmMain::pFunc_Click(int index)
{
    switch (index) {
    case 0:
        quitCommand();
        return;
    case 1:
        saveAsCommand();
        return;
    case 2:
        printCommand();
        return;
    case 3:
        aboutCommand();
        return;
    case 4:
        settingsCommand();
        return;
    default:
        closingStep();
        return;
    }
}

PromptOptions FrmMain::parentalPromptOptions() const
{
    if (settings.Use_Parental_password)
        return PromptOption::ShowCancel | PromptOption::Password;
    return PromptOption::ShowCancel;
}

// The palette starts again when the command's pause ends, just after this.
void FrmMain::closingStep()
{
    updateCommandStates();
}

void FrmMain::quitCommand()
{
    const PermissionTexts& texts = settings.Quit_Needs_Permission ? QuitNeedsPermission : QuitWithConfirmation;
    const PromptOptions options =
        settings.Quit_Needs_Permission ? parentalPromptOptions() : PromptOptions(PromptOption::ShowCancel);
    {
        const AnimationPause pause(Timer1);
        if (!ParentPrompt::ask(this, settings, m_sounds, texts.translated(), options))
            return;
    }
    if (!autoSave())
        return;
    endProgram();
}

void FrmMain::saveAsCommand()
{
    const AnimationPause pause(Timer1);
    if (!ParentPrompt::ask(this, settings, m_sounds, SaveAsTexts.translated(), parentalPromptOptions()))
        return;
    QString target, title;
    QString filter = tr("Jpeg file (*.jpg)") + QStringLiteral("|*.jpg");
    int filterIndex = 1;
    qint32 flags = 0;
    // ".jpg" is appended when the name ends in neither ".jpg" nor ".jpeg"
    // (with letter case: PICTURE.JPG becomes PICTURE.JPG.jpg), and the
    // overwrite question concerns that final name.
    if (!GCommonDialog::VBGetSaveFileName(target, title, true, filter, filterIndex, QString(),
                                          tr("Save current picture as..."),
                                          QStringLiteral("jpg;jpeg"), this, flags)) {
        closingStep();
        return;
    }
    bool saved = false;
    try {
        saved = PictureSaver::canvasToJpeg(canvas.P, target);
    } catch (const AppError& e) {
        qCWarning(Log::files) << "Save as" << target << "failed:" << e.description();
        saved = false;
    }
    if (saved)
        return;
    ParentPrompt::tell(this, tr("Unfortunately, because of an unknown error, the picture could not be "
                                "saved. Please make sure that the disk is not write protected and that "
                                "you have enough disk space to save the picture."));
    closingStep();
}

void FrmMain::printCommand()
{
    const AnimationPause pause(Timer1);
    if (!ParentPrompt::ask(this, settings, m_sounds, PrintTexts.translated(), parentalPromptOptions()))
        return;
    QPrinter printer(QPrinter::HighResolution);
    const QString name = QFileInfo(canvas.CurrentPicture()).completeBaseName();
    const auto dialog = PicturePrinting::makeDialog(
        printer,
        QDir::homePath() + QLatin1Char('/') + (name.isEmpty() ? QStringLiteral("picture") : name)
            + QStringLiteral(".pdf"),
        this);
    if (dialog->exec() != QDialog::Accepted) {
        closingStep();
        return;
    }
    bool printed = false;
    try {
        printed = PicturePrinting::printChosenCopies(printer, canvas.P.image());
    } catch (const AppError& e) {
        qCWarning(Log::files) << "Printing failed:" << e.description() << e.source();
        printed = false;
    }
    if (!printed)
        showPictureError(PictureError::NotPrinted);
    closingStep();
}

void FrmMain::aboutCommand()
{
    const AnimationPause pause(Timer1);
    if (!ParentPrompt::ask(this, settings, m_sounds, AboutTexts.translated(), parentalPromptOptions())) {
        closingStep();
        return;
    }
    setToolCursor(false);
    {
        frmSplash about(m_folder, this);
        about.setForm_style(0);
        about.exec();
    }
    setToolCursor(true);
    closingStep();
}

void FrmMain::settingsCommand()
{
    const AnimationPause pause(Timer1);
    if (!ParentPrompt::ask(this, settings, m_sounds, SettingsTexts.translated(), parentalPromptOptions())) {
        closingStep();
        return;
    }
    if (!autoSave()) {
        closingStep();
        return;
    }
    setToolCursor(false);
    bool confirmed = false;
    bool mustEnd = false;
    {
        frmParentalOptions options(m_folder, this);
        options.onLibraryChanged = [this] { m_browser.reset(); };
        options.setCurrentPicture(canvas.CurrentPicture());
        options.exec();
        confirmed = options.OKclicked;
        mustEnd = options.ProgramMustEnd;
    }
    if (mustEnd) {
        endProgram();
        return;
    }
    if (confirmed) {
        setUpdatesEnabled(false);
        if (!reload()) {
            endProgram();
            return;
        }
        setUpdatesEnabled(true);
    }
    setToolCursor(true);
    closingStep();
}
