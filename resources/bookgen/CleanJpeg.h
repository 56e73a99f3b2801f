#pragma once

#include <QByteArray>
#include <QImage>

// JPEG is lossy even at quality 100: a plain encoding comes back with 254 in
// a few pixels next to an outline, and the fill that keeps colour inside the
// outlines only replaces pixels of exactly white, so each such pixel would
// stay a white speck in the child's colours. encodeClean() encodes with
// GreyJpegEncoder, decodes the result with Qt, as the program will, and
// raises the overshoot of any 8 x 8 block that still loses a white or black
// pixel until every one comes back exactly.
namespace CleanJpeg {

struct Result
{
    QByteArray bytes;  // the .jpg file; empty when no clean encoding was found
    int rounds = 0;    // encodings tried
};

// image must be Format_Grayscale8.
Result encodeClean(const QImage& image);

// Pixels that are white in drawing but not in decoded, or black in drawing
// but not in decoded.
qint64 lostExtremes(const QImage& drawing, const QImage& decoded);

// The largest difference between drawing and decoded at any pixel.
int largestDifference(const QImage& drawing, const QImage& decoded);

}
