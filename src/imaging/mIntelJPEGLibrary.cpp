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

// What the encoder wrote, in its own buffer.
struct Encoded
{
    std::unique_ptr<unsigned char, BufferFree> data;
    unsigned long size = 0;
    QByteArray view() const
    {
        return QByteArray::fromRawData(reinterpret_cast<const char*>(data.get()), qsizetype(size));
    }
};

// Encodes width x height pixels at bits (pitch bytes a row, in format, with
// flags): the one encoder behind both SaveJPG overloads and EncodeJPG.
Encoded encode(const unsigned char* bits, int width, int pitch, int height, int format, int flags, int quality)
{
    tjhandle handle = tjInitCompress();
    if (!handle)
        raiseInit(FailureCode);
    const HandleGuard guard{handle}; // tjDestroy on every way out

    if (!bits)
        raiseSave(FailureCode);

    // A worst-case buffer: the encoder never has to grow it.
    Encoded encoded;
    encoded.size = tjBufSize(width, height, Subsampling);
    if (encoded.size == static_cast<unsigned long>(-1) || encoded.size > 0x7FFFFFFFul)
        raiseSave(FailureCode);
    encoded.data.reset(tjAlloc(int(encoded.size)));
    if (!encoded.data)
        raiseSave(FailureCode);
    unsigned char* out = encoded.data.get();
    // The fast integer DCT is indistinguishable from the exact one at the
    // qualities the program writes (90), and a good deal quicker.
    const int rc = tjCompress2(handle, bits, width, pitch, height, format, &out, &encoded.size, Subsampling,
                               std::clamp(quality, 1, 100), flags | TJFLAG_NOREALLOC | TJFLAG_FASTDCT);
    if (rc != 0)
        raiseSave(rc);
    return encoded;
}

// A temporary file in the same folder, flushed and renamed over the target:
// the old file stays whole until the new one is complete, and the replaced
// file keeps its permissions, owner and dates.
bool writeReplacing(const Encoded& encoded, const QString& path, const std::function<void()>& beforeReplace)
{
    AtomicFile::Options options;
    options.keepTimes = true;
    options.beforeReplace = beforeReplace;
    try {
        AtomicFile::write(path, encoded.view(), options);
    } catch (const AppError& e) {
        raiseSave(FailureCode, e.number());
    }
    return true;
}

// The image's own 32-bit words, in place, as the encoder reads them.
Encoded encodeImage(const QImage& image, int quality)
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
    return encode(source.isNull() ? nullptr : source.constBits(), source.width(), int(source.bytesPerLine()),
                  source.height(), Format, 0, quality);
}

} // namespace

bool SaveJPG(const cDIBSection& dib, const QString& path, int quality,
             const std::function<void()>& beforeReplace)
{
    if (path.isEmpty())
        raiseSave(FailureCode);
    // The section's own bits, bottom-up BGR rows with their filler, in place.
    const Encoded encoded = encode(dib.isEmpty() ? nullptr : dib.DIBSectionBitsPtr(), dib.Width(),
                                   dib.BytesPerScanLine(), dib.Height(), TJPF_BGR, TJFLAG_BOTTOMUP, quality);
    return writeReplacing(encoded, path, beforeReplace);
}

bool SaveJPG(const QImage& image, const QString& path, int quality, const std::function<void()>& beforeReplace)
{
    if (path.isEmpty())
        raiseSave(FailureCode);
    return writeReplacing(encodeImage(image, quality), path, beforeReplace);
}

QByteArray EncodeJPG(const QImage& image, int quality)
{
    const Encoded encoded = encodeImage(image, quality);
    return QByteArray(reinterpret_cast<const char*>(encoded.data.get()), qsizetype(encoded.size));
}

}
