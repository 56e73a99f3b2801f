// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/mIntelJPEGLibrary.h"

#include "imaging/cDIBSection.h"
#include "platform/AppError.h"
#include "platform/AtomicFile.h"

#include <QFile>

#include <algorithm>
#include <memory>
#include <turbojpeg.h>

namespace mIntelJPEGLibrary {

namespace {

// TurboJPEG's return value for a failed call; also used for write failures.
constexpr int FailureCode = -1;

// 4:2:0, as the usual JPEG writers (Qt's included) do: half the chroma data
// of 4:4:4, hence a faster encoder and smaller files, and at quality 90 still
// well above 35 dB PSNR on photographic content.
constexpr int Subsampling = TJSAMP_420;

[[noreturn]] void raiseInit(int code)
{
    throw AppError(ErrorNumber::JpegLibrary,
                   QStringLiteral("Failed to initialise the IJL library: ") + QString::number(code),
                   errorSource());
}

[[noreturn]] void raiseSave(int code, int cause = 0)
{
    throw AppError(ErrorNumber::JpegLibrary, QStringLiteral("Failed to save to JPG ") + QString::number(code),
                   errorSource(), cause);
}

struct HandleGuard
{
    tjhandle handle;
    ~HandleGuard() { tjDestroy(handle); }
};

struct BufferFree
{
    void operator()(unsigned char* p) const { tjFree(p); }
};

// Encodes width x height pixels at bits (pitch bytes a row, in format, with
// flags) and writes the file; the one path behind both SaveJPG overloads.
bool encodeAndWrite(const unsigned char* bits, int width, int pitch, int height, int format, int flags,
                    const QString& path, int quality, const std::function<void()>& beforeReplace)
{
    tjhandle handle = tjInitCompress();
    if (!handle)
        raiseInit(FailureCode);
    const HandleGuard guard{handle}; // tjDestroy on every way out

    if (!bits || path.isEmpty())
        raiseSave(FailureCode);

    // A worst-case buffer: the encoder never has to grow it.
    unsigned long size = tjBufSize(width, height, Subsampling);
    if (size == static_cast<unsigned long>(-1) || size > 0x7FFFFFFFul)
        raiseSave(FailureCode);
    std::unique_ptr<unsigned char, BufferFree> jpeg(tjAlloc(int(size)));
    if (!jpeg)
        raiseSave(FailureCode);
    unsigned char* out = jpeg.get();
    // The fast integer DCT is indistinguishable from the exact one at the
    // qualities the program writes (90), and a good deal quicker.
    const int rc = tjCompress2(handle, bits, width, pitch, height, format, &out, &size, Subsampling,
                               std::clamp(quality, 1, 100), flags | TJFLAG_NOREALLOC | TJFLAG_FASTDCT);
    if (rc != 0)
        raiseSave(rc);

    // A temporary file in the same folder, flushed and renamed over the
    // target: the old file stays whole until the new one is complete, and
    // the replaced file keeps its permissions, owner and dates.
    AtomicFile::Options options;
    options.keepTimes = true;
    options.beforeReplace = beforeReplace;
    try {
        AtomicFile::write(path, QByteArray::fromRawData(reinterpret_cast<const char*>(out), qsizetype(size)),
                          options);
    } catch (const AppError& e) {
        raiseSave(FailureCode, e.number());
    }
    return true;
}

} // namespace

bool SaveJPG(const cDIBSection& dib, const QString& path, int quality,
             const std::function<void()>& beforeReplace)
{
    // The section's own bits, bottom-up BGR rows with their filler, in place.
    return encodeAndWrite(dib.isEmpty() ? nullptr : dib.DIBSectionBitsPtr(), dib.Width(), dib.BytesPerScanLine(),
                          dib.Height(), TJPF_BGR, TJFLAG_BOTTOMUP, path, quality, beforeReplace);
}

bool SaveJPG(const QImage& image, const QString& path, int quality, const std::function<void()>& beforeReplace)
{
    const QImage::Format f = image.format();
    const bool direct = f == QImage::Format_RGB32 || f == QImage::Format_ARGB32
        || f == QImage::Format_ARGB32_Premultiplied;
    const QImage source = image.isNull() || direct ? image : image.convertToFormat(QImage::Format_RGB32);
    // 0xAARRGGBB words: B, G, R, A in memory on little-endian machines.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    constexpr int Format = TJPF_BGRX;
#else
    constexpr int Format = TJPF_XRGB;
#endif
    return encodeAndWrite(source.isNull() ? nullptr : source.constBits(), source.width(),
                          int(source.bytesPerLine()), source.height(), Format, 0, path, quality, beforeReplace);
}

}
