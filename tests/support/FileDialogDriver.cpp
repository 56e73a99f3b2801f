// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FileDialogDriver.h"

#include "support/ModalDriver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QFileDialog* asFileDialog(QWidget* modal)
{
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (!dialog) {
        ADD_FAILURE() << "expected a file dialog, got " << modal->metaObject()->className();
        modal->close();
    }
    return dialog;
}

void record(QFileDialog* dialog, const FileDialogDriver::SeenPtr& seen)
{
    seen->shown = true;
    seen->title = dialog->windowTitle();
    seen->nameFilters = dialog->nameFilters();
    seen->selectedNameFilter = dialog->selectedNameFilter();
    seen->saving = dialog->acceptMode() == QFileDialog::AcceptSave;
    seen->multipleSelection = dialog->fileMode() == QFileDialog::ExistingFiles;
    seen->mustExist = dialog->fileMode() == QFileDialog::ExistingFile || seen->multipleSelection;
    seen->directory = dialog->directory().absolutePath();
    if (auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        for (int i = 0; i < combo->count(); ++i)
            seen->shownFilters << combo->itemText(i);
    if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        seen->initialName = edit->text();
}

QAbstractButton* acceptButton(QFileDialog* dialog)
{
    auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    if (!box)
        return nullptr;
    QAbstractButton* button = box->button(QDialogButtonBox::Open);
    if (!button)
        button = box->button(QDialogButtonBox::Save);
    return button;
}

void typeAndAccept(QFileDialog* dialog, const QString& folder, const QString& text)
{
    if (!folder.isEmpty())
        dialog->setDirectory(folder);
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QAbstractButton* accept = acceptButton(dialog);
    if (!edit || !accept) {
        ADD_FAILURE() << "the file dialog has no name box or accept button";
        dialog->reject();
        return;
    }
    // The name box must have the focus, as under a person's hands: without
    // it the dialog rewrites the box from its list's selection. The offscreen
    // platform activates windows late, and focus arriving while the name is
    // typed would garble it, so the dialog is made active here and now.
    QApplication::setActiveWindow(dialog);
    if (!QTest::qWaitForWindowActive(dialog, 5000))
        ADD_FAILURE() << "the file dialog never became the active window";
    // Let the focus changes of the activation land before typing.
    QCoreApplication::processEvents();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    // A person clicking the button first closes the completion list.
    if (QCompleter* completer = edit->completer(); completer && completer->popup()->isVisible())
        completer->popup()->hide();
    ModalDriver::click(accept);
    if (dialog->isVisible()) {
        ADD_FAILURE() << "the file dialog did not take " << text.toStdString() << " (name box: "
                      << edit->text().toStdString() << (accept->isEnabled() ? ")" : ", button disabled)");
        dialog->reject();
    }
}

} // namespace

FileDialogDriver::SeenPtr FileDialogDriver::choose(const QStringList& paths, Then then, int timeoutMs)
{
    auto seen = std::make_shared<Seen>();
    ModalDriver::answerNext(
        [paths, seen, then](QWidget* modal) {
            QFileDialog* dialog = asFileDialog(modal);
            if (!dialog)
                return;
            record(dialog, seen);
            QString text;
            if (paths.size() == 1) {
                text = QFileInfo(paths.constFirst()).fileName();
            } else {
                QStringList quoted;
                for (const QString& path : paths)
                    quoted << QLatin1Char('"') + QFileInfo(path).fileName() + QLatin1Char('"');
                text = quoted.join(QLatin1Char(' '));
            }
            typeAndAccept(dialog, QFileInfo(paths.constFirst()).absolutePath(), text);
            if (then)
                then();
        },
        timeoutMs);
    return seen;
}

FileDialogDriver::SeenPtr FileDialogDriver::type(const QString& folder, const QString& name, Then then,
                                                  int timeoutMs)
{
    auto seen = std::make_shared<Seen>();
    ModalDriver::answerNext(
        [folder, name, seen, then](QWidget* modal) {
            if (QFileDialog* dialog = asFileDialog(modal)) {
                record(dialog, seen);
                typeAndAccept(dialog, folder, name);
                if (then)
                    then();
            }
        },
        timeoutMs);
    return seen;
}

FileDialogDriver::SeenPtr FileDialogDriver::cancel(int timeoutMs)
{
    auto seen = std::make_shared<Seen>();
    ModalDriver::answerNext(
        [seen](QWidget* modal) {
            QFileDialog* dialog = asFileDialog(modal);
            if (!dialog)
                return;
            record(dialog, seen);
            auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            QAbstractButton* cancel = box ? box->button(QDialogButtonBox::Cancel) : nullptr;
            if (cancel)
                ModalDriver::click(cancel);
            else
                dialog->reject();
        },
        timeoutMs);
    return seen;
}
