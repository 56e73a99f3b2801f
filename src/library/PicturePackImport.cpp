// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PicturePackImport.h"

#include "library/PicturePackInstaller.h"
#include "ui/cFileDialog.h"
#include "ui/ParentPrompt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

namespace {

QString introText()
{
    return QCoreApplication::translate(
        "PicturePackImport",
        "Picture Packs are special files that contain several pictures within them and they can be downloaded "
        "from The Tintaloo website. Please press continue to select a Picture Pack to install.");
}

QString packFilter()
{
    return QCoreApplication::translate("PicturePackImport", "The Tintaloo image pack (*.tpk)")
        + QStringLiteral("|*.tpk");
}

} // namespace

QString importPicturePackInteractively(QWidget* owner, const ProgramFolder& folder)
{
    if (!ParentPrompt::tell(owner, introText(), PromptOption::ShowCancel))
        return {};
    cFileDialog dialog;
    dialog.Filter = packFilter();
    dialog.FilterIndex = 1;
    dialog.flags = cFileDialog::FileMustExist;
    dialog.hwnd = owner;
    dialog.CancelError = false;
    dialog.ShowOpen();
    if (dialog.selectedPaths().isEmpty())
        return {};
    return importPicturePackFile(owner, folder, dialog.selectedPaths().constFirst());
}

QString importPicturePackFile(QWidget* owner, const ProgramFolder& folder, const QString& packPath)
{
    // Reading and checking a large pack takes a moment.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PicturePackInstaller::Outcome outcome =
        PicturePackInstaller::importFile(folder, packPath);
    QApplication::restoreOverrideCursor();
    ParentPrompt::tell(owner, PicturePackInstaller::message(outcome));
    if (outcome.kind != PicturePackInstaller::Outcome::Kind::Installed || outcome.added.isEmpty())
        return {};
    return outcome.book;
}

int importPicturePackFromCommandLine(const ProgramFolder& folder, const QString& packPath, QTextStream& out,
                                     QTextStream& err)
{
    const PicturePackInstaller::Outcome outcome = PicturePackInstaller::importFile(folder, packPath);
    const QString text = PicturePackInstaller::message(outcome);
    if (outcome.kind != PicturePackInstaller::Outcome::Kind::Installed) {
        err << text << Qt::endl;
        return 1;
    }
    out << text << Qt::endl;
    for (const QString& name : outcome.added)
        out << QCoreApplication::translate("PicturePackImport", "added: %1").arg(name) << Qt::endl;
    for (const QString& name : outcome.skipped)
        out << QCoreApplication::translate("PicturePackImport", "skipped (already in the book): %1").arg(name)
            << Qt::endl;
    return 0;
}
