// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cFileDialog.h"

#include "platform/AppError.h"
#include "ui/BorderedDialog.h"
#include "ui/StatOnlyIconProvider.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

// Descriptions and patterns alternate; a missing last pattern is empty.
QList<QPair<QString, QString>> filterPairs(const QString& filter)
{
    QString text = filter;
    text.replace(QLatin1Char(':'), QLatin1Char('|'));
    const QStringList parts = text.split(QLatin1Char('|'));
    QList<QPair<QString, QString>> pairs;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString pattern = i + 1 < parts.size() ? parts[i + 1] : QString();
        if (parts[i].isEmpty() && pattern.isEmpty())
            continue; // the empty tail of a trailing "|"
        pairs.append({parts[i], pattern});
    }
    return pairs;
}

} // namespace

QStringList cFileDialog::nameFilters(const QString& filter)
{
    QStringList filters;
    for (const auto& [description, pattern] : filterPairs(filter)) {
        QString patterns = pattern.simplified();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns.isEmpty())
            patterns = QStringLiteral("*");
        // Qt takes the patterns from the last brackets and, with the
        // details hidden, shows only what stands before them.
        filters << description.trimmed() + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    if (filters.isEmpty())
        filters << QStringLiteral("(*)");
    return filters;
}

QString cFileDialog::filterPair(const QString& filter, int index)
{
    const auto pairs = filterPairs(filter);
    if (index < 0 || index >= pairs.size())
        return {};
    return pairs[index].first + QLatin1Char('|') + pairs[index].second;
}

int cFileDialog::chosenFilterIndex(const QFileDialog& dialog, const QString& filter)
{
    // With the details hidden, Qt may report the shown text rather than the
    // filter as set.
    const QString chosen = dialog.selectedNameFilter();
    const QStringList filters = nameFilters(filter);
    for (qsizetype i = 0; i < filters.size(); ++i) {
        const QString& full = filters[i];
        if (chosen == full || chosen == full.left(full.lastIndexOf(QStringLiteral(" ("))))
            return int(i) + 1;
    }
    return 0;
}

void cFileDialog::prepare(QFileDialog& dialog, const QString& title, const QString& filter, int filterIndex,
                          const QString& initDir)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setOption(QFileDialog::DontUseCustomDirectoryIcons, true);
    dialog.setIconProvider(new StatOnlyIconProvider(&dialog));
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    const QStringList filters = nameFilters(filter);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters[filterIndex - 1]);
    if (!initDir.isEmpty() && QFileInfo(initDir).isDir())
        dialog.setDirectory(initDir);
}

void cFileDialog::ShowOpen()
{
    const bool multiple = (flags & AllowMultiSelect) != 0;
    QFileDialog dialog(hwnd);
    dialog.setWindowModality(Qt::ApplicationModal);
    prepare(dialog, DialogTitle, Filter, FilterIndex, InitDir);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (multiple)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else
        dialog.setFileMode((flags & FileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!DefaultExt.isEmpty())
        dialog.setDefaultSuffix(DefaultExt);
    if (!Filename.isEmpty() && !Filename.contains(QChar(0))) {
        const QFileInfo initial(Filename);
        if (initial.isAbsolute() && initial.dir().exists())
            dialog.setDirectory(initial.dir());
        dialog.selectFile(initial.fileName());
    }

    // Placed before it shows, so that a window manager keeps it over its owner.
    dialog.adjustSize();
    BorderedDialog::centreOverOwner(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        m_chosen.clear();
        if (CancelError)
            throw AppError(ErrorNumber::DialogCancelled, QStringLiteral("User selected cancel."));
        return;
    }
    m_chosen = dialog.selectedFiles();
    FilterIndex = chosenFilterIndex(dialog, Filter);
    FileTitle = QFileInfo(m_chosen.constFirst()).fileName();
    if (!multiple || m_chosen.size() == 1) {
        Filename = m_chosen.constFirst();
        return;
    }
    // Several files: the folder, then each name, each followed by a NUL, and
    // a closing NUL.
    QString folder = QFileInfo(m_chosen.constFirst()).absolutePath();
    QString result = folder + QChar(0);
    for (const QString& path : std::as_const(m_chosen))
        result += QFileInfo(path).fileName() + QChar(0);
    result += QChar(0);
    Filename = result;
}

void cFileDialog::ParseMultiFileName(QString& sDir, QStringList& sFiles, int& lFileCount) const
{
    QString text = Filename;
    const qsizetype end = text.indexOf(QStringLiteral("%1%1").arg(QChar(0)));
    if (end >= 0)
        text.truncate(end);
    sFiles.clear();
    if (!text.contains(QChar(0))) {
        lFileCount = 1;
        const qsizetype slash = text.lastIndexOf(QLatin1Char('/'));
        if (slash >= 0) {
            sDir = text.left(slash + 1);
            sFiles << text.mid(slash + 1);
        } else {
            sDir.clear();
            sFiles << text;
        }
        return;
    }
    const QStringList parts = text.split(QChar(0));
    sDir = parts.constFirst();
    if (sDir.endsWith(QLatin1Char('/')) && sDir.size() > 1)
        sDir.chop(1);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        sFiles << parts[i];
        ++lFileCount;
    }
}

QStringList cFileDialog::selectedPaths() const
{
    return m_chosen;
}
