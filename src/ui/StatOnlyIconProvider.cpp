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
        return QStringLiteral("Folder");
    if (info.isSymLink())
        return QStringLiteral("Link");
    const QString suffix = info.suffix();
    return suffix.isEmpty() ? QStringLiteral("File") : suffix.toUpper() + QStringLiteral(" File");
}
