// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/AppError.h"

#include <QImage>
#include <cstdint>
#include <memory>

class PictureSurface;

// The program's 32-bit pixel buffer: top-down rows without gaps, bytes blue,
// green, red and one unused byte per pixel. Colours as single values are
// 0x00BBGGRR (red in the low byte). Width() and Height() return the last
// index, not the count. Per-pixel accessors are inline: a bounds check and a
// byte access, nothing else, because the painting engine calls them in its
// brush loops.
class cNDib
{
public:
    // Raster operations of Bit_Blt_Dib.
    static constexpr quint32 RopAnd = 0x008800C6;  // SRCAND
    static constexpr quint32 RopOr = 0x00EE0086;   // SRCPAINT
    static constexpr quint32 RopCopy = 0x00CC0020; // SRCCOPY

    cNDib() = default;
    cNDib(const cNDib& other);
    cNDib& operator=(const cNDib& other);
    // A moved-from buffer is empty (no pixels, size 0 x 0).
    cNDib(cNDib&& other) noexcept;
    cNDib& operator=(cNDib&& other) noexcept;

    // Copies the surface's drawable image; false on any failure (an empty
    // surface included), leaving the buffer as it was.
    bool Make_From_Picture(const PictureSurface& picture);
    // The same from any image: RGB32 and ARGB32 are read directly, every
    // other format is converted to RGB32 first. Byte 3 is 0 after the copy.
    bool Make_From_Image(const QImage& image);
    // A new buffer of the given size, every byte 0.
    bool Create(int width, int height);

    // Writes all pixels into the surface's image, resizing the surface first
    // when resize is true. Throws on an empty buffer.
    void Set_dib(PictureSurface& picture, bool resize) const;
    // Draws the whole image fitted into the rectangle, aspect kept, centred.
    void Set_dib_Fit(QImage& target, int dX, int dY, int dWidth, int dHeight) const;
    // Where Set_dib_Fit puts the image. Halves round to even, so the place
    // inside the rectangle can depend on where the rectangle lies.
    QRect fitRect(int dX, int dY, int dWidth, int dHeight) const;
    // The same for a picture of that many pixels, before any buffer holds it.
    static QRect fitRectFor(QSize picture, int dX, int dY, int dWidth, int dHeight);
    // Stretches a source rectangle (top-down buffer coordinates) onto a
    // destination rectangle with smooth resampling: area averaging when
    // shrinking, bilinear when enlarging (a halftone stretch). Parts of the source rectangle outside the buffer read as
    // black; the destination is clipped to the target. Non-positive sizes
    // draw nothing (the platform's mirroring is not needed here).
    void Stretch_dib_area(int DestX, int DestY, int SourceX, int SourceY, int SourceWidth,
                          int SourceHeight, int DestWidth, int DestHeight, QImage& target) const;
    // Draws the whole image 1:1 at (DestX, DestY), combined by RopAnd,
    // RopOr or RopCopy; the target is clipped.
    void Bit_Blt_Dib(int DestX, int DestY, QImage& target, quint32 RasterOP) const;
    // Copies a rectangle 1:1; returns the number of rows copied.
    int Set_dib_Area(int DestX, int DestY, int SourceX, int SourceY, int Width, int Height,
                     QImage& target) const;

    int Width() const { return m_width - 1; }
    int Height() const { return m_height - 1; }
    int BPP() const { return 32; }

    void Set_Pixel(int x, int y, uint8_t red, uint8_t green, uint8_t blue)
    {
        requirePixels();
        if (inside(x, y)) {
            uint8_t* p = at(x, y);
            p[0] = blue;
            p[1] = green;
            p[2] = red;
        }
    }

    void Get_Pixel(int x, int y, uint8_t& red, uint8_t& green, uint8_t& blue) const
    {
        requirePixels();
        if (inside(x, y)) {
            const uint8_t* p = at(x, y);
            blue = p[0];
            green = p[1];
            red = p[2];
        }
    }

    // Blends the colour over the pixel, channel by channel in the order blue,
    // green, red: new = old * (1 - alpha) + colour * alpha in single
    // precision, rounded half to even. Throws SubscriptOutOfRange outside the
    // image and Overflow for a channel result outside 0..255 (the channels
    // before it have then been written).
    void Set_Pixel_Alpha(int x, int y, uint8_t red, uint8_t green, uint8_t blue, float alpha);

    void Get_Pixel_Clamp(int& x, int& y, uint8_t& red, uint8_t& green, uint8_t& blue) const
    {
        requirePixels();
        clamp(x, y);
        const uint8_t* p = at(x, y);
        blue = p[0];
        green = p[1];
        red = p[2];
    }

    uint32_t Get_Pixel_Long(int x, int y) const
    {
        requirePixels();
        clamp(x, y);
        const uint8_t* p = at(x, y);
        return uint32_t(p[2]) | (uint32_t(p[1]) << 8) | (uint32_t(p[0]) << 16);
    }

    uint8_t Get_Channel(int x, int y, int ChannelIndex) const
    {
        requirePixels();
        if (x > m_width - 1)
            x = m_width - 1;
        if (y > m_height - 1)
            y = m_height - 1;
        if (x < 0 || y < 0 || ChannelIndex < 0 || ChannelIndex > 3)
            throwOutOfRange();
        return at(x, y)[ChannelIndex];
    }

    // Modern helpers for code that works on whole rows.
    bool isEmpty() const { return !m_bits; }
    int pixelWidth() const { return m_width; }
    int pixelHeight() const { return m_height; }
    uint8_t* bits() { return m_bits.get(); }
    const uint8_t* bits() const { return m_bits.get(); }
    qsizetype bytesPerLine() const { return qsizetype(m_width) * 4; }
    // An RGB32 copy of the image (alpha set), for drawing and saving.
    QImage toImage() const;

private:
    bool inside(int x, int y) const
    {
        return unsigned(x) < unsigned(m_width) && unsigned(y) < unsigned(m_height);
    }
    void clamp(int& x, int& y) const
    {
        if (x > m_width - 1)
            x = m_width - 1;
        if (y > m_height - 1)
            y = m_height - 1;
        if (x < 0)
            x = 0;
        if (y < 0)
            y = 0;
    }
    uint8_t* at(int x, int y) { return m_bits.get() + (qsizetype(y) * m_width + x) * 4; }
    const uint8_t* at(int x, int y) const { return m_bits.get() + (qsizetype(y) * m_width + x) * 4; }
    void requirePixels() const
    {
        if (!m_bits)
            throwOutOfRange();
    }
    [[noreturn]] static void throwOutOfRange();

    std::unique_ptr<uint8_t[]> m_bits;
    int m_width = 0;
    int m_height = 0;
};
