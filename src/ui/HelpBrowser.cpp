// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HelpBrowser.h"

#include <QDir>
#include <QFileInfo>

HelpBrowser::HelpBrowser(QWidget* parent)
    : QTextBrowser(parent)
{
}

QString HelpBrowser::resolve(const QUrl& name) const
{
    const QUrl url = source().resolved(name);
    QStringList candidates;
    if (url.isLocalFile())
        candidates << url.toLocalFile();
    else if (url.scheme().isEmpty())
        candidates << url.path();
    if (name.isRelative()) {
        for (const QString& folder : searchPaths())
            candidates << QDir(folder).filePath(name.path());
    }
    for (const QString& candidate : std::as_const(candidates)) {
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return {};
}

bool HelpBrowser::isReadable(const QString& path)
{
    // isFile() follows a link: a link to a device or a FIFO is no file.
    const QFileInfo info(path);
    return info.isFile() && info.size() <= MaxFileBytes;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (!isReadable(resolve(name)))
        return {};
    return QTextBrowser::loadResource(type, name);
}
