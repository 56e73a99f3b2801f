// SPDX-License-Identifier: GPL-3.0-or-later
#include "BookSheet.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int Columns = 4;
constexpr int CellWidth = 375;   // half the largest picture
constexpr int CellHeight = 240;
constexpr int CaptionHeight = 22;
constexpr int Gap = 12;

QRect cellAt(int index)
{
    const int column = index % Columns;
    const int row = index / Columns;
    return QRect(Gap + column * (CellWidth + Gap), Gap + row * (CellHeight + CaptionHeight + Gap), CellWidth,
                 CellHeight);
}

}

QImage makeBookSheet(const QList<DefaultsWriter::Picture>& pictures)
{
    const int rows = (int(pictures.size()) + Columns - 1) / Columns;
    QImage sheet(Gap + Columns * (CellWidth + Gap), Gap + std::max(rows, 1) * (CellHeight + CaptionHeight + Gap),
                 QImage::Format_RGB32);
    sheet.fill(QColor(180, 184, 196));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font;
    font.setPixelSize(14);
    painter.setFont(font);
    for (int i = 0; i < pictures.size(); ++i) {
        const DefaultsWriter::Picture& picture = pictures.at(i);
        const QRect cell = cellAt(i);
        const QSize size = picture.image.size().scaled(cell.size(), Qt::KeepAspectRatio);
        const QRect target(cell.topLeft() + QPoint((cell.width() - size.width()) / 2, 0), size);
        painter.fillRect(cell, Qt::white);
        painter.drawImage(target, picture.image);
        painter.setPen(Qt::black);
        painter.drawText(QRect(cell.left(), cell.bottom() + 1, cell.width(), CaptionHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, picture.book + QStringLiteral(" / ") + picture.name);
    }
    return sheet;
}
