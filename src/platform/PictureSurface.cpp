// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PictureSurface.h"

#include "platform/AppError.h"
#include "platform/AtomicFile.h"
#include "platform/ImageFile.h"

#include <QPainter>

PictureSurface::PictureSurface(QSize size, QRgb backColor)
    : m_backColor(backColor | 0xFF000000u)
{
    resize(size);
}

void PictureSurface::resize(QSize size)
{
    if (size.width() <= 0 || size.height() <= 0) {
        m_image = QImage();
        return;
    }
    if (m_image.size() == size)
        return;
    m_image = QImage(size, QImage::Format_RGB32);
    clear();
}

void PictureSurface::setPicture(const QImage& picture, bool resizeToPicture)
{
    m_picture = picture.format() == QImage::Format_RGB32 ? picture
                                                        : picture.convertToFormat(QImage::Format_RGB32);
    if (resizeToPicture && !m_picture.isNull() && m_image.size() != m_picture.size())
        m_image = QImage(m_picture.size(), QImage::Format_RGB32);
    clear();
}

void PictureSurface::emptyPicture()
{
    m_picture = QImage();
    clear();
}

void PictureSurface::commit()
{
    m_picture = m_image.copy();
}

void PictureSurface::clear()
{
    if (m_image.isNull())
        return;
    m_image.fill(m_backColor);
    if (m_picture.isNull())
        return;
    if (m_picture.size() == m_image.size()) {
        m_image = m_picture.copy();
        return;
    }
    QPainter painter(&m_image);
    painter.drawImage(0, 0, m_picture);
}

void PictureSurface::loadFile(const QString& path, bool resizeToPicture)
{
    setPicture(ImageFile::read(path), resizeToPicture);
}

void PictureSurface::saveBmp(const QString& path) const
{
    if (m_image.isNull())
        throw AppError(ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error"));
    AtomicFile::write(path, ImageFile::encodeBmp24(m_image));
}

void PictureSurface::refresh(const QRect& rect) const
{
    if (m_refresh)
        m_refresh(rect);
}
