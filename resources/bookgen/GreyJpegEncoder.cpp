#include "GreyJpegEncoder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

using Block = std::array<int, 64>;  // coefficients in zig-zag order

std::array<int, 64> makeZigZag()
{
    std::array<int, 64> natural{};
    int k = 0;
    for (int sum = 0; sum < 15; ++sum) {
        const int low = std::max(0, sum - 7);
        const int high = std::min(sum, 7);
        for (int i = 0; i <= high - low; ++i) {
            const int row = (sum % 2 == 0) ? high - i : low + i;
            natural[k++] = row * 8 + (sum - row);
        }
    }
    return natural;
}

const std::array<int, 64> ZigZag = makeZigZag();

// The 8-point DCT basis, scaled so that a full 2-D transform is two passes.
std::array<std::array<double, 8>, 8> makeBasis()
{
    std::array<std::array<double, 8>, 8> basis{};
    for (int u = 0; u < 8; ++u)
        for (int x = 0; x < 8; ++x)
            basis[u][x] = (u == 0 ? std::numbers::sqrt2 / 4 : 0.5)
                          * std::cos((2 * x + 1) * u * std::numbers::pi / 16);
    return basis;
}

const auto Basis = makeBasis();

// The values the transform sees for one block: level-shifted, the edge
// pixels repeated past the picture's right and bottom edges as libjpeg does.
std::array<double, 64> blockSamples(const QImage& image, int bx, int by, int overshoot)
{
    std::array<double, 64> samples{};
    for (int y = 0; y < 8; ++y) {
        const uchar* row = image.constScanLine(std::min(by * 8 + y, image.height() - 1));
        for (int x = 0; x < 8; ++x) {
            const int value = row[std::min(bx * 8 + x, image.width() - 1)];
            const int pushed = value == 255 ? 255 + overshoot : value == 0 ? -overshoot : value;
            samples[y * 8 + x] = pushed - 128.0;
        }
    }
    return samples;
}

Block transform(const std::array<double, 64>& samples)
{
    std::array<double, 64> rows{};
    for (int y = 0; y < 8; ++y)
        for (int u = 0; u < 8; ++u) {
            double sum = 0;
            for (int x = 0; x < 8; ++x)
                sum += Basis[u][x] * samples[y * 8 + x];
            rows[y * 8 + u] = sum;
        }
    Block block{};
    for (int k = 0; k < 64; ++k) {
        const int u = ZigZag[k] % 8;
        const int v = ZigZag[k] / 8;
        double sum = 0;
        for (int y = 0; y < 8; ++y)
            sum += Basis[v][y] * rows[y * 8 + u];
        block[k] = int(std::lround(sum));  // every quantiser step is 1
    }
    for (int k = 1; k < 64; ++k)
        block[k] = std::clamp(block[k], -1023, 1023);
    return block;
}

int magnitudeCategory(int value)
{
    int bits = 0;
    for (int v = std::abs(value); v != 0; v >>= 1)
        ++bits;
    return bits;
}

// The symbols of one block as (symbol, extra-bit count, extra bits), in order.
struct Symbol
{
    bool dc;
    int symbol;
    int size;
    int bits;
};

void appendSymbols(const Block& block, int dcDifference, std::vector<Symbol>& out)
{
    auto extraBits = [](int value, int size) { return value < 0 ? value + (1 << size) - 1 : value; };
    const int dcSize = magnitudeCategory(dcDifference);
    out.push_back({true, dcSize, dcSize, extraBits(dcDifference, dcSize)});
    int run = 0;
    for (int k = 1; k < 64; ++k) {
        if (block[k] == 0) {
            ++run;
            continue;
        }
        for (; run > 15; run -= 16)
            out.push_back({false, 0xF0, 0, 0});
        const int size = magnitudeCategory(block[k]);
        out.push_back({false, (run << 4) | size, size, extraBits(block[k], size)});
        run = 0;
    }
    if (run > 0)
        out.push_back({false, 0x00, 0, 0});
}

struct HuffmanTable
{
    std::array<int, 17> counts{};  // codes of each length 1 to 16
    std::vector<int> values;       // symbols by code length
    std::array<int, 256> code{};
    std::array<int, 256> length{};
};

// Code lengths from symbol frequencies, limited to 16 bits, with no code of
// all ones: the procedure of the JPEG standard, annex K.2.
HuffmanTable optimalTable(std::array<long, 257> freq)
{
    constexpr int MaxLength = 32;
    std::array<int, 257> codeSize{};
    std::array<int, 257> others;
    others.fill(-1);
    freq[256] = 1;  // reserved, so that no real symbol gets the all-ones code
    for (;;) {
        int c1 = -1;
        int c2 = -1;
        long v = 1L << 60;
        for (int i = 0; i <= 256; ++i)
            if (freq[i] != 0 && freq[i] <= v) {
                v = freq[i];
                c1 = i;
            }
        v = 1L << 60;
        for (int i = 0; i <= 256; ++i)
            if (freq[i] != 0 && freq[i] <= v && i != c1) {
                v = freq[i];
                c2 = i;
            }
        if (c2 < 0)
            break;
        freq[c1] += freq[c2];
        freq[c2] = 0;
        ++codeSize[c1];
        while (others[c1] >= 0) {
            c1 = others[c1];
            ++codeSize[c1];
        }
        others[c1] = c2;
        ++codeSize[c2];
        while (others[c2] >= 0) {
            c2 = others[c2];
            ++codeSize[c2];
        }
    }
    std::array<int, MaxLength + 1> bits{};
    for (int i = 0; i <= 256; ++i)
        if (codeSize[i] != 0)
            ++bits[codeSize[i]];
    for (int i = MaxLength; i > 16; --i)
        while (bits[i] > 0) {
            int j = i - 2;
            while (bits[j] == 0)
                --j;
            bits[i] -= 2;
            ++bits[i - 1];
            bits[j + 1] += 2;
            --bits[j];
        }
    int longest = 16;
    while (bits[longest] == 0)
        --longest;
    --bits[longest];  // drop the reserved symbol

    HuffmanTable table;
    for (int i = 1; i <= 16; ++i)
        table.counts[i] = bits[i];
    for (int size = 1; size <= MaxLength; ++size)
        for (int symbol = 0; symbol < 256; ++symbol)
            if (codeSize[symbol] == size)
                table.values.push_back(symbol);
    int code = 0;
    std::size_t next = 0;
    for (int length = 1; length <= 16; ++length) {
        for (int n = 0; n < table.counts[length]; ++n) {
            const int symbol = table.values[next++];
            table.code[symbol] = code++;
            table.length[symbol] = length;
        }
        code <<= 1;
    }
    return table;
}

class BitWriter
{
public:
    explicit BitWriter(QByteArray& out) : m_out(out) {}

    void put(int bits, int count)
    {
        for (int i = count - 1; i >= 0; --i) {
            m_byte = (m_byte << 1) | ((bits >> i) & 1);
            if (++m_filled == 8)
                flushByte();
        }
    }

    void finish()
    {
        while (m_filled != 0)
            put(1, 1);  // pad with one bits
    }

private:
    void flushByte()
    {
        m_out.append(char(m_byte));
        if (m_byte == 0xFF)
            m_out.append(char(0));  // byte stuffing
        m_byte = 0;
        m_filled = 0;
    }

    QByteArray& m_out;
    int m_byte = 0;
    int m_filled = 0;
};

void appendMarker(QByteArray& out, int marker, const QByteArray& payload)
{
    out.append(char(0xFF));
    out.append(char(marker));
    const int length = int(payload.size()) + 2;
    out.append(char(length >> 8));
    out.append(char(length & 0xFF));
    out.append(payload);
}

QByteArray huffmanSegment(int tableClass, const HuffmanTable& table)
{
    QByteArray payload;
    payload.append(char(tableClass << 4));
    for (int i = 1; i <= 16; ++i)
        payload.append(char(table.counts[i]));
    for (int value : table.values)
        payload.append(char(value));
    return payload;
}

QByteArray headerSegments(const QImage& image)
{
    QByteArray out;
    out.append(char(0xFF));
    out.append(char(0xD8));  // start of image
    appendMarker(out, 0xE0, QByteArray("JFIF\0\x01\x01\x00\x00\x01\x00\x01\x00\x00", 14));
    QByteArray quantisation(1, char(0));
    quantisation.append(64, char(1));
    appendMarker(out, 0xDB, quantisation);
    QByteArray frame;
    frame.append(char(8));  // bits per sample
    frame.append(char(image.height() >> 8));
    frame.append(char(image.height() & 0xFF));
    frame.append(char(image.width() >> 8));
    frame.append(char(image.width() & 0xFF));
    frame.append(char(1));     // one component
    frame.append(char(1));     // its id
    frame.append(char(0x11));  // no subsampling
    frame.append(char(0));     // quantisation table 0
    appendMarker(out, 0xC0, frame);
    return out;
}

}

QByteArray GreyJpegEncoder::encode(const QImage& image, const std::vector<int>& overshoot)
{
    Q_ASSERT(image.format() == QImage::Format_Grayscale8);
    const int across = blocksAcross(image);
    const int down = blocksDown(image);
    Q_ASSERT(overshoot.size() == std::size_t(across) * down);

    std::vector<Symbol> symbols;
    int previousDc = 0;
    for (int by = 0; by < down; ++by)
        for (int bx = 0; bx < across; ++bx) {
            Block block = transform(blockSamples(image, bx, by, overshoot[std::size_t(by) * across + bx]));
            // Differences of neighbouring DC values must fit in 11 bits.
            block[0] = std::clamp(block[0], previousDc - 2047, previousDc + 2047);
            appendSymbols(block, block[0] - previousDc, symbols);
            previousDc = block[0];
        }

    std::array<long, 257> dcFreq{};
    std::array<long, 257> acFreq{};
    for (const Symbol& s : symbols)
        ++(s.dc ? dcFreq : acFreq)[s.symbol];
    const HuffmanTable dc = optimalTable(dcFreq);
    const HuffmanTable ac = optimalTable(acFreq);

    QByteArray out = headerSegments(image);
    appendMarker(out, 0xC4, huffmanSegment(0, dc));
    appendMarker(out, 0xC4, huffmanSegment(1, ac));
    appendMarker(out, 0xDA, QByteArray("\x01\x01\x00\x00\x3F\x00", 6));
    BitWriter writer(out);
    for (const Symbol& s : symbols) {
        const HuffmanTable& table = s.dc ? dc : ac;
        writer.put(table.code[s.symbol], table.length[s.symbol]);
        if (s.size > 0)
            writer.put(s.bits, s.size);
    }
    writer.finish();
    out.append(char(0xFF));
    out.append(char(0xD9));  // end of image
    return out;
}
