// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/ThumbnailMaker.h"

#include "imaging/cNDib.h"
#include "library/BookStore.h"
#include "platform/AppError.h"
#include "platform/ImageFile.h"

#include <QPainter>

namespace {

constexpr int Side = BookStore::ThumbnailSize;

QRect placeOf(QSize picture)
{
    return cNDib::fitRectFor(picture, 0, 0, Side, Side);
}

// The size to decode a JPEG of this size at: an eighth or a half, whichever
// is smaller and still at least twice the place on both sides, so that the
// shrinking after averages over several pixels as it does for the whole
// picture. libjpeg's eighth scale gives each 8 x 8 block's mean, and its
// half scale comes within a few levels of the whole picture on outlines;
// other scales (a quarter among them) soften edges by tens of levels, so
// they are not used. Rounded down, so that Qt's reader picks that very
// scale. Invalid when the whole picture is to be decoded.
QSize jpegDecodeSize(QSize announced)
{
    const QSize place = placeOf(announced).size();
    for (const int denominator : {8, 2}) {
        const QSize scaled(announced.width() / denominator, announced.height() / denominator);
        if (scaled.width() >= 2 * place.width() && scaled.height() >= 2 * place.height())
            return scaled;
    }
    return {};
}

} // namespace

QImage ThumbnailMaker::make(const QString& source)
{
    QSize announced;
    QImage picture = ImageFile::readShrunk(source, jpegDecodeSize, &m_lent, &announced);
    // ImageFile gives RGB32, which is what the pixel buffer would copy: the
    // same pixels go into the same smooth scaling as Set_dib_Fit's.
    const QRect place = placeOf(announced);
    if (place.isEmpty())
        throw AppError(ErrorNumber::InvalidPicture, QStringLiteral("Invalid picture"));
    QImage thumbnail(Side, Side, QImage::Format_RGB32);
    thumbnail.fill(0xFFFFFFFF);
    {
        QPainter painter(&thumbnail);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        if (picture.size() == place.size())
            painter.drawImage(place.topLeft(), picture);
        else
            painter.drawImage(place.topLeft(),
                              picture.scaled(place.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    m_lent = std::move(picture);
    return thumbnail;
}
