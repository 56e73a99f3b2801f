// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

class cDIBSection;

// The JPEG encoder binding, on libjpeg-turbo's TurboJPEG API: one
// operation that writes a DIB section as a JPEG file, and one error number.
namespace mIntelJPEGLibrary {

// Error source of every error this module raises.
inline QString errorSource() { return QStringLiteral("tintaloo.mIntelJPEGLibrary"); }

// Writes the DIB section as a baseline JPEG file at path, with the given
// quality (1 to 100; values outside are taken as the nearest end) and 4:2:0
// chroma subsampling, the subsampling of the usual JPEG writers. The
// section's bits are handed to the encoder in place (TJPF_BGR,
// TJFLAG_BOTTOMUP, pitch = BytesPerScanLine()), without a copy.
//
// The file is written to a temporary file in the same folder, flushed and
// renamed over path (AtomicFile), so a failure leaves any old file whole; a
// link at path is replaced, never its target. A replaced file keeps the old file's modification and access
// times, its permissions and (when allowed) its owner; Linux cannot set a
// creation time.
//
// Returns true when the file was written. Throws AppError
// (ErrorNumber::JpegLibrary) with source errorSource():
//   "Failed to initialise the IJL library: -1" when no compressor can be made;
//   "Failed to save to JPG -1" when encoding or writing fails (an empty
//   section, an encoder failure, or a file that cannot be written). The code
//   is TurboJPEG's return value for a failed call, -1; write failures use the
//   same code. A write failure carries AtomicFile's number as the error's
//   cause() (disk full, permission denied ...).
// beforeReplace runs just before the new file replaces the old one (tests
// interrupt the write there).
bool SaveJPG(const cDIBSection& dib, const QString& path, int quality,
             const std::function<void()>& beforeReplace = {});

// The same for an image, encoded straight from its own bits (no 24-bit
// copy): 32-bit images go in place as TJPF_BGRX (alpha ignored, as the
// section's copy drops it), top-down, pitch = bytesPerLine(); other formats
// are converted to RGB32 first. The JPEG is byte for byte the one that
// SaveJPG(section made from the image, ...) writes. Same errors; a null
// image counts as an empty section.
bool SaveJPG(const QImage& image, const QString& path, int quality,
             const std::function<void()>& beforeReplace = {});

// The JPEG that SaveJPG(image, ...) writes, without the file: the encoder's
// part alone. Same errors, except those of writing.
QByteArray EncodeJPG(const QImage& image, int quality);

}
