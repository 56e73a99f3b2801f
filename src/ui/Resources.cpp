#include "ui/Resources.h"

#include <QPixmap>

namespace {

QImage loadRgb32(const QString& path)
{
    QImage image(path);
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
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

QImage brush(int index)
{
    return loadRgb32(QStringLiteral(":/brushes/%1.png").arg(index));
}

QCursor cursor(int number)
{
    const QImage image(QStringLiteral(":/cursors/%1.png").arg(number));
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
