// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StatOnlyIconProvider.h"

#include <QApplication>
#include <QFileInfo>
#include <QStyle>

StatOnlyIconProvider::StatOnlyIconProvider(QObject* owner)
    : QObject(owner)
{
    setOptions(DontUseCustomDirectoryIcons);
}

QIcon StatOnlyIconProvider::icon(IconType type) const
{
    QStyle* style = QApplication::style();
    switch (type) {
    case Computer:
        return style->standardIcon(QStyle::SP_ComputerIcon);
    case Drive:
        return style->standardIcon(QStyle::SP_DriveHDIcon);
    case Folder:
        return style->standardIcon(QStyle::SP_DirIcon);
    case Network:
        return style->standardIcon(QStyle::SP_DriveNetIcon);
    case Trashcan:
        return style->standardIcon(QStyle::SP_TrashIcon);
    case Desktop:
        return style->standardIcon(QStyle::SP_DesktopIcon);
    case File:
        break;
    }
    return style->standardIcon(QStyle::SP_FileIcon);
}

QIcon StatOnlyIconProvider::icon(const QFileInfo& info) const
{
    if (info.isRoot())
        return icon(Drive);
    if (info.isDir())
        return icon(Folder);
    return icon(File);
}

QString StatOnlyIconProvider::type(const QFileInfo& info) const
{
    if (info.isDir())
        return QCoreApplication::translate("StatOnlyIconProvider", "Folder");
    if (info.isSymLink())
        return QCoreApplication::translate("StatOnlyIconProvider", "Link");
    const QString suffix = info.suffix();
    if (suffix.isEmpty())
        return QCoreApplication::translate("StatOnlyIconProvider", "File");
    //: The type column of the file dialog; %1 is the name's extension in capitals ("JPG").
    return QCoreApplication::translate("StatOnlyIconProvider", "%1 File").arg(suffix.toUpper());
}
