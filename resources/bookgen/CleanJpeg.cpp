#include "CleanJpeg.h"

#include "GreyJpegEncoder.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr int FirstOvershoot = 4;
constexpr int OvershootStep = 4;
constexpr int MaxOvershoot = 24;

bool lostExtreme(uchar want, uchar got)
{
    return (want == 255 || want == 0) && got != want;
}

QImage decodeGrey(const QByteArray& bytes)
{
    return QImage::fromData(bytes, "JPEG").convertToFormat(QImage::Format_Grayscale8);
}

// Raises the overshoot of every block that lost a white or black pixel.
// Returns the number of blocks raised, or -1 when one is already at the most.
int raiseWhereLost(const QImage& drawing, const QImage& decoded, std::vector<int>& overshoot)
{
    const int across = GreyJpegEncoder::blocksAcross(drawing);
    std::vector<bool> raised(overshoot.size(), false);
    int count = 0;
    for (int y = 0; y < drawing.height(); ++y) {
        const uchar* want = drawing.constScanLine(y);
        const uchar* got = decoded.constScanLine(y);
        for (int x = 0; x < drawing.width(); ++x) {
            const std::size_t block = std::size_t(y / 8) * across + x / 8;
            if (!lostExtreme(want[x], got[x]) || raised[block])
                continue;
            if (overshoot[block] >= MaxOvershoot)
                return -1;
            overshoot[block] += OvershootStep;
            raised[block] = true;
            ++count;
        }
    }
    return count;
}

}

namespace CleanJpeg {

Result encodeClean(const QImage& image)
{
    std::vector<int> overshoot(std::size_t(GreyJpegEncoder::blocksAcross(image)) * GreyJpegEncoder::blocksDown(image),
                               FirstOvershoot);
    Result result;
    for (;;) {
        ++result.rounds;
        const QByteArray bytes = GreyJpegEncoder::encode(image, overshoot);
        const QImage decoded = decodeGrey(bytes);
        if (decoded.size() != image.size())
            return {};
        const int raised = raiseWhereLost(image, decoded, overshoot);
        if (raised < 0)
            return {};
        if (raised == 0) {
            result.bytes = bytes;
            return result;
        }
    }
}

qint64 lostExtremes(const QImage& drawing, const QImage& decoded)
{
    if (decoded.size() != drawing.size())
        return qint64(drawing.width()) * drawing.height();
    qint64 count = 0;
    for (int y = 0; y < drawing.height(); ++y) {
        const uchar* want = drawing.constScanLine(y);
        const uchar* got = decoded.constScanLine(y);
        for (int x = 0; x < drawing.width(); ++x)
            count += lostExtreme(want[x], got[x]) ? 1 : 0;
    }
    return count;
}

int largestDifference(const QImage& drawing, const QImage& decoded)
{
    if (decoded.size() != drawing.size())
        return 255;
    int largest = 0;
    for (int y = 0; y < drawing.height(); ++y) {
        const uchar* want = drawing.constScanLine(y);
        const uchar* got = decoded.constScanLine(y);
        for (int x = 0; x < drawing.width(); ++x)
            largest = std::max(largest, std::abs(int(want[x]) - int(got[x])));
    }
    return largest;
}

}
