// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GCommonDialog.h"

#include "ui/BorderedDialog.h"
#include "ui/cFileDialog.h"
#include "ui/ParentPrompt.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace GCommonDialog {

QString withDefaultExtension(const QString& name, const QString& DefaultExt)
{
    const QStringList extensions = DefaultExt.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (extensions.isEmpty() || name.isEmpty())
        return name;
    for (const QString& extension : extensions)
        if (name.endsWith(QLatin1Char('.') + extension, Qt::CaseSensitive))
            return name;
    return name + QLatin1Char('.') + extensions.constFirst();
}

bool confirmReplace(QWidget* owner, const QString& path)
{
    return ParentPrompt::tell(
        owner,
        QCoreApplication::translate("GCommonDialog", "The file '%1' already exists. Do you want to replace it?")
            .arg(path),
        PromptOption::ShowCancel);
}

bool VBGetSaveFileName(QString& Filename, QString& FileTitle, bool OverWritePrompt, QString& Filter,
                       int& FilterIndex, const QString& InitDir, const QString& DlgTitle,
                       const QString& DefaultExt, QWidget* Owner, qint32& flags)
{
    QFileDialog dialog(Owner);
    dialog.setWindowModality(Qt::ApplicationModal);
    cFileDialog::prepare(dialog, DlgTitle, Filter, FilterIndex, InitDir);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The question is asked below, about the name that will really be
    // written, in the program's own notice.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!Filename.isEmpty()) {
        const QFileInfo initial(Filename);
        if (initial.isAbsolute() && initial.dir().exists())
            dialog.setDirectory(initial.dir());
        dialog.selectFile(initial.fileName());
    }

    dialog.adjustSize();
    BorderedDialog::centreOverOwner(dialog);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            Filename.clear();
            FileTitle.clear();
            Filter.clear();
            FilterIndex = 0;
            flags = 0;
            return false;
        }
        const QString chosen = withDefaultExtension(dialog.selectedFiles().constFirst(), DefaultExt);
        if (OverWritePrompt && QFileInfo::exists(chosen) && !confirmReplace(Owner, chosen)) {
            dialog.selectFile(QFileInfo(chosen).fileName());
            continue; // back to the dialog, as after "No"
        }
        Filename = chosen;
        FileTitle = QFileInfo(chosen).fileName();
        FilterIndex = cFileDialog::chosenFilterIndex(dialog, Filter);
        Filter = cFileDialog::filterPair(Filter, FilterIndex - 1);
        return true;
    }
}

} // namespace GCommonDialog
