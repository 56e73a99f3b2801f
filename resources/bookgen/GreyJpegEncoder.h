#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

// A small baseline JPEG encoder for grey pictures: one component (so no
// colour subsampling), a quantisation table of all ones (quality 100) and
// Huffman tables made for the picture. It exists for one feature Qt's writer
// lacks: the pixel values it encodes may lie beyond 0 to 255. Giving white
// pixels a little more than white and black pixels a little less lets the
// decoder's clamping bring both back exactly, where a plain encoding
// returns 254 here and there beside an outline.
class GreyJpegEncoder
{
public:
    // image must be Format_Grayscale8. overshoot holds one value per 8 x 8
    // block in raster order: how far white (255) pixels are pushed above 255
    // and black (0) pixels below 0 before the transform. Other grey values
    // are encoded as they are.
    static QByteArray encode(const QImage& image, const std::vector<int>& overshoot);

    static int blocksAcross(const QImage& image) { return (image.width() + 7) / 8; }
    static int blocksDown(const QImage& image) { return (image.height() + 7) / 8; }
};
