#include "ui/Resources.h"

#include <QFile>
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

// Where each tool cursor points: the tip of the hand's finger or the tool.
QPoint hotSpot(int number)
{
    switch (number) {
    case 101: return {8, 1};
    case 102: return {0, 51};
    case 103: return {3, 52};
    case 104: return {1, 69};
    case 105: return {2, 82};
    default: return {0, 0};
    }
}

} // namespace

namespace Resources {

QImage bitmap(int number)
{
    return loadRgb32(QStringLiteral(":/bitmaps/%1.png").arg(number));
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
    const QPoint hot = hotSpot(number);
    return QCursor(QPixmap::fromImage(image.convertToFormat(QImage::Format_ARGB32)), hot.x(), hot.y());
}

QImage picture(const QString& name)
{
    const QString path = name.contains(QLatin1Char('.'))
        ? QStringLiteral(":/pictures/") + name
        : QStringLiteral(":/pictures/") + name + QStringLiteral(".jpg");
    return loadRgb32(path);
}

} // namespace Resources
