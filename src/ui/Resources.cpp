// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Resources.h"

#include "platform/ResourceIds.h"

#include <QFile>
#include <QLocale>
#include <QPixmap>

namespace {

QImage loadRgb32(const QString& path)
{
    QImage image(path);
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

QString cursorPath(int number)
{
    return QStringLiteral(":/cursors/%1.png").arg(number);
}

// Art with words on it is drawn in every language the program speaks, under
// :/<folder>/<language>/ ("de", "pt_BR"); the program's language is the
// default locale. Everything else, and English, is in :/<folder>/ itself.
QString localized(const QString& folder, const QString& file)
{
    const QString name = QLocale().name();
    for (const QString& language : {name, name.section(QLatin1Char('_'), 0, 0)}) {
        const QString path = QStringLiteral(":/%1/%2/%3").arg(folder, language, file);
        if (QFile::exists(path))
            return path;
    }
    return QStringLiteral(":/%1/%2").arg(folder, file);
}

} // namespace

namespace Resources {

QImage bitmap(int number)
{
    return loadRgb32(localized(QStringLiteral("bitmaps"), QStringLiteral("%1.png").arg(number)));
}

QImage bubble(int index)
{
    return loadRgb32(QStringLiteral(":/bubbles/%1.png").arg(index));
}

QImage pickerBubble(int index)
{
    return loadRgb32(QStringLiteral(":/picker/%1.png").arg(index));
}

QImage brush(int index)
{
    return loadRgb32(QStringLiteral(":/brushes/%1.png").arg(index));
}

bool hasCursor(int number)
{
    return QFile::exists(cursorPath(number));
}

QCursor cursor(int number)
{
    const QImage image(cursorPath(number));
    if (image.isNull())
        return QCursor(Qt::ArrowCursor);
    const CursorId::HotSpot hot = CursorId::hotSpot(number);
    return QCursor(QPixmap::fromImage(image.convertToFormat(QImage::Format_ARGB32)), hot.x, hot.y);
}

QImage picture(const QString& name)
{
    return loadRgb32(localized(QStringLiteral("pictures"),
                               name.contains(QLatin1Char('.')) ? name : name + QStringLiteral(".jpg")));
}

} // namespace Resources
