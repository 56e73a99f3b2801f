#include "LineArt.h"

#include <QPainter>
#include <QSvgRenderer>

namespace LineArt {

QImage render(const QString& svgPath, QString* error)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        *error = QStringLiteral("not a readable SVG drawing");
        return {};
    }
    const QSize size = renderer.defaultSize();
    if (size.isEmpty() || size.width() > MaxWidth || size.height() > MaxHeight) {
        *error = QStringLiteral("size %1 x %2 is empty or larger than %3 x %4")
                     .arg(size.width()).arg(size.height()).arg(MaxWidth).arg(MaxHeight);
        return {};
    }
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    QImage grey = canvas.convertToFormat(QImage::Format_Grayscale8);
    snap(grey);
    return grey;
}

void snap(QImage& grey)
{
    for (int y = 0; y < grey.height(); ++y) {
        uchar* row = grey.scanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            if (row[x] >= NearWhite)
                row[x] = 255;
            else if (row[x] <= NearBlack)
                row[x] = 0;
        }
    }
}

}
