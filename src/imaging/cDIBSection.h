// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <cstdint>
#include <memory>

class PictureSurface;

// A 24-bit device-independent bitmap with addressable bits. The
// object owns its pixel buffer in the platform DIB layout: pixels are three
// bytes blue, green, red; rows are stored bottom row first; every row takes
// BytesPerScanLine() = (3 * W + 3) & ~3 bytes, the bytes after 3 * W being
// filler (always 0 here). This is the layout the JPEG binding
// hands to the encoder in place.
//
// The class draws from and into QImages directly; the raster operations
// take the classic BitBlt codes below.
class cDIBSection
{
public:
    static constexpr quint32 RopCopy = 0x00CC0020; // SRCCOPY
    static constexpr quint32 RopAnd = 0x008800C6;  // SRCAND
    static constexpr quint32 RopOr = 0x00EE0086;   // SRCPAINT
    static constexpr quint32 RopXor = 0x00660046;  // SRCINVERT

    cDIBSection() = default;
    cDIBSection(const cDIBSection&) = delete;
    cDIBSection& operator=(const cDIBSection&) = delete;
    cDIBSection(cDIBSection&& other) noexcept;
    cDIBSection& operator=(cDIBSection&& other) noexcept;
    ~cDIBSection();

    // Releases the old section, then makes a W x H section whose bits are all
    // 0 (black, zero filler). False, and the object left empty, for a size
    // that is not positive or that cannot be allocated.
    bool Create(int width, int height);

    // A section of the picture's size holding a 1:1 copy of it. When the
    // section cannot be made the object stays empty.
    void CreateFromPicture(const QImage& picture);
    // The same from a surface's drawable image.
    void CreateFromPicture(const PictureSurface& picture);

    // Copies the rectangle (lSrcLeft, lSrcTop, lSrcWidth, lSrcHeight) of the
    // source into the section at (0, 0), combined by the raster operation
    // (RopCopy, RopAnd, RopOr, RopXor; any other code copies). A negative
    // width or height means W or H. Only the part that lies inside both the
    // source and the section is touched. Nothing happens on an empty object.
    void LoadPictureBlt(const QImage& source, int lSrcLeft, int lSrcTop, int lSrcWidth,
                        int lSrcHeight, quint32 eRop = RopCopy);

    // Copies the rectangle (lSrcLeft, lSrcTop, lDestWidth, lDestHeight) of
    // the section (top-down coordinates) to dest at (lDestLeft, lDestTop),
    // combined by the raster operation; negative width or height means W or
    // H. Clipped to the section and to dest. dest must be a 32-bit image
    // (RGB32 or ARGB32); other formats are left alone.
    void PaintPicture(QImage& dest, int lDestLeft, int lDestTop, int lDestWidth, int lDestHeight,
                      int lSrcLeft, int lSrcTop, quint32 eRop = RopCopy) const;

    // Releases the bits; the object is empty afterwards (also on destruction
    // and at the start of Create).
    void ClearUp();

    int BytesPerScanLine() const { return m_stride; }
    // The counts, not the last indices (unlike cNDib).
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The first byte of the bottom row; null when empty.
    uint8_t* DIBSectionBitsPtr() { return m_bits.get(); }
    const uint8_t* DIBSectionBitsPtr() const { return m_bits.get(); }
    bool isEmpty() const { return !m_bits; }

    // A resized copy: same size gives an exact copy,
    // otherwise bilinear interpolation with xs = (W - 1) / new width and
    // ys = (H - 1) / new height, rows counted in storage order (bottom row
    // first), each partial result rounded half to even. Null when the new
    // section cannot be made or this one is empty.
    std::unique_ptr<cDIBSection> Resample(int lNewHeight, int lNewWidth) const;

    // An RGB32 copy of the section, upright (for tests and drawing).
    QImage toImage() const;

    // Address of the row that shows as row y from the top.
    uint8_t* scanLineTopDown(int y) { return m_bits.get() + qsizetype(m_height - 1 - y) * m_stride; }
    const uint8_t* scanLineTopDown(int y) const
    {
        return m_bits.get() + qsizetype(m_height - 1 - y) * m_stride;
    }

private:
    // Releases the old section and takes a buffer for width x height
    // without clearing it.
    bool allocate(int width, int height);

    std::unique_ptr<uint8_t[]> m_bits;
    size_t m_capacity = 0; // bytes allocated, at least stride * height
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
};
