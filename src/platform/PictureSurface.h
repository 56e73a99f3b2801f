// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

// A drawing surface that keeps what is drawn into it: a stored picture plus a
// drawable image. clear() puts the stored picture back over the back colour;
// commit() makes the current image the stored picture. Windows show the
// drawable image (the GUI's SurfaceView) and are told to repaint through refresh().
class PictureSurface
{
public:
    PictureSurface() = default;
    explicit PictureSurface(QSize size, QRgb backColor = 0xFFFFFFFF);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    QSize size() const { return m_image.size(); }
    bool isEmpty() const { return m_image.isNull(); }

    // The drawable image, always QImage::Format_RGB32 when not empty.
    QImage& image() { return m_image; }
    const QImage& image() const { return m_image; }
    // The stored picture; null when the surface has none.
    const QImage& picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

    QRgb backColor() const { return m_backColor; }
    void setBackColor(QRgb color) { m_backColor = color | 0xFF000000u; }

    // Gives the surface a new size; the image is cleared and the stored
    // picture drawn again at the top-left corner.
    void resize(QSize size);

    // Makes picture the stored picture. With resizeToPicture the surface
    // takes the picture's size (a picture box that sizes itself); the image
    // is then cleared to show the new picture.
    void setPicture(const QImage& picture, bool resizeToPicture = true);
    // Drops the stored picture and clears the image to the back colour.
    void emptyPicture();
    // The current image becomes the stored picture.
    void commit();
    // The image is reset to the back colour with the stored picture on it.
    void clear();

    // Loads a BMP, GIF or JPEG file as the stored picture, taking its size.
    // Throws AppError(InvalidPicture) for a damaged, foreign or oversized
    // file and AppError(FileNotFound) for a missing one.
    void loadFile(const QString& path, bool resizeToPicture = true);
    // Writes the current image as a 24-bit BMP file through a temporary file
    // and a rename (AtomicFile), so that a failure leaves any old file whole.
    // Throws AppError on failure (AtomicFile's numbers; PathFileAccess for an
    // empty surface).
    void saveBmp(const QString& path) const;

    // Asks the window showing the surface to repaint (all of it when rect is
    // empty).
    void refresh(const QRect& rect = {}) const;
    void setRefreshHandler(std::function<void(const QRect&)> handler) { m_refresh = std::move(handler); }

private:
    QImage m_image;
    QImage m_picture;
    QRgb m_backColor = 0xFFFFFFFF;
    std::function<void(const QRect&)> m_refresh;
};
