// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifWriter.h"

#include <vector>

namespace {

constexpr int MinCodeSize = 8;           // 256 palette entries
constexpr int ClearCode = 1 << MinCodeSize;
constexpr int EndCode = ClearCode + 1;
constexpr int MaxCodes = 4096;           // 12-bit codes at most

// Packs variable-width codes least significant bit first, as GIF wants.
class BitPacker
{
public:
    void put(int code, int width)
    {
        m_buffer |= quint32(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_bytes.append(char(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_bits -= 8;
        }
    }

    QByteArray finish()
    {
        if (m_bits > 0)
            m_bytes.append(char(m_buffer & 0xFF));
        m_buffer = 0;
        m_bits = 0;
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_buffer = 0;
    int m_bits = 0;
};

// The string table is a trie: child[code * 256 + byte] is the code of the
// string "code's string + byte", or -1.
class LzwEncoder
{
public:
    LzwEncoder() : m_child(std::size_t(MaxCodes) * 256, qint16(-1)) { reset(); }

    QByteArray encode(const QImage& image)
    {
        m_out.put(ClearCode, m_codeSize);
        int current = -1;
        for (int y = 0; y < image.height(); ++y) {
            const uchar* row = image.constScanLine(y);
            for (int x = 0; x < image.width(); ++x)
                current = step(current, row[x]);
        }
        if (current >= 0) {
            m_out.put(current, m_codeSize);
            // The decoder adds a table entry after every code but the first,
            // so it may widen its codes before reading the end code.
            if (m_lastCode + 1 < MaxCodes && m_lastCode + 1 >= (1 << m_codeSize) && m_codeSize < 12)
                ++m_codeSize;
        }
        m_out.put(EndCode, m_codeSize);
        return m_out.finish();
    }

private:
    int step(int current, uchar byte)
    {
        if (current < 0)
            return byte;
        qint16& child = m_child[std::size_t(current) * 256 + byte];
        if (child >= 0)
            return child;
        m_out.put(current, m_codeSize);
        child = qint16(++m_lastCode);
        if (m_lastCode >= (1 << m_codeSize))
            ++m_codeSize;
        if (m_lastCode == MaxCodes - 1) {
            m_out.put(ClearCode, m_codeSize);
            reset();
        }
        return byte;
    }

    void reset()
    {
        std::fill(m_child.begin(), m_child.end(), qint16(-1));
        m_codeSize = MinCodeSize + 1;
        m_lastCode = EndCode;
    }

    std::vector<qint16> m_child;
    BitPacker m_out;
    int m_codeSize = MinCodeSize + 1;
    int m_lastCode = EndCode;
};

void appendWord(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void appendSubBlocks(QByteArray& out, const QByteArray& data)
{
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype length = std::min<qsizetype>(255, data.size() - at);
        out.append(char(length));
        out.append(data.constData() + at, length);
    }
    out.append(char(0));
}

}

namespace GifWriter {

QByteArray encodeGrey(const QImage& image)
{
    Q_ASSERT(image.format() == QImage::Format_Grayscale8);
    QByteArray out("GIF89a");
    appendWord(out, image.width());
    appendWord(out, image.height());
    out.append(char(0xF7));  // global colour table, 8-bit resolution, 256 entries
    out.append(char(0));     // background colour index
    out.append(char(0));     // square pixels
    for (int grey = 0; grey < 256; ++grey)
        out.append(3, char(grey));

    out.append(char(0x2C));  // image descriptor
    appendWord(out, 0);
    appendWord(out, 0);
    appendWord(out, image.width());
    appendWord(out, image.height());
    out.append(char(0));     // no local table, not interlaced

    out.append(char(MinCodeSize));
    LzwEncoder encoder;
    appendSubBlocks(out, encoder.encode(image));
    out.append(char(0x3B));  // trailer
    return out;
}

}
