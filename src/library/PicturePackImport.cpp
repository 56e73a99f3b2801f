#include "library/PicturePackImport.h"

#include "library/PicturePackInstaller.h"
#include "ui/cFileDialog.h"
#include "ui/frmParentMessage.h"

#include <QApplication>
#include <QTextStream>

namespace {

const QString IntroText = QStringLiteral(
    "Picture Packs are special files that contain several pictures within them and they can be downloaded "
    "from The Tintaloo website. Please press continue to select a Picture Pack to install.");
const QString PackFilter = QStringLiteral("The Tintaloo image pack (*.tpk)|*.tpk");

bool showNotice(QWidget* owner, const QString& text, bool withCancel)
{
    frmParentMessage notice(owner);
    notice.setMessage(text);
    notice.setCancelVisible(withCancel);
    notice.exec();
    return !notice.CancelPressed;
}

} // namespace

QString importPicturePackInteractively(QWidget* owner, const ProgramFolder& folder)
{
    if (!showNotice(owner, IntroText, true))
        return {};
    cFileDialog dialog;
    dialog.Filter = PackFilter;
    dialog.FilterIndex = 1;
    dialog.flags = cFileDialog::FileMustExist;
    dialog.hwnd = owner;
    dialog.CancelError = false;
    dialog.ShowOpen();
    if (dialog.selectedPaths().isEmpty())
        return {};

    // Reading and checking a large pack takes a moment.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PicturePackInstaller::Outcome outcome =
        PicturePackInstaller::importFile(folder, dialog.selectedPaths().constFirst());
    QApplication::restoreOverrideCursor();
    showNotice(owner, PicturePackInstaller::message(outcome), false);
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
        out << QStringLiteral("added: ") << name << Qt::endl;
    for (const QString& name : outcome.skipped)
        out << QStringLiteral("skipped (already in the book): ") << name << Qt::endl;
    return 0;
}
