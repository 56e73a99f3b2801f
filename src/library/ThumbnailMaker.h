// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// Makes the thumbnails of many pictures in a row, each exactly as
// BookStore::thumbnailOf() draws it from the whole picture: 100 x 100, white,
// the picture fitted in with its aspect ratio kept and centred.
//
// Each picture is decoded once, into the pixels of the one before when their
// sizes agree, and shrunk in one pass; a JPEG larger than its place is
// decoded straight at that size by libjpeg's scaled decoding, which skips
// most of the work and averages much as shrinking the whole picture does.
class ThumbnailMaker
{
public:
    // Throws AppError as ImageFile::read() does.
    QImage make(const QString& source);

private:
    QImage m_lent; // the last picture's pixels, for the next decode
};
