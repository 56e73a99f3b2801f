#include "imaging/mIntelJPEGLibrary.h"

#include "imaging/cDIBSection.h"
#include "platform/AppError.h"
#include "platform/ImageFile.h"

#include <QFile>

#include <algorithm>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
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

[[noreturn]] void raiseSave(int code)
{
    throw AppError(ErrorNumber::JpegLibrary, QStringLiteral("Failed to save to JPG ") + QString::number(code),
                   errorSource());
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

} // namespace

bool SaveJPG(const cDIBSection& dib, const QString& path, int quality)
{
    tjhandle handle = tjInitCompress();
    if (!handle)
        raiseInit(FailureCode);
    const HandleGuard guard{handle}; // tjDestroy on every way out

    if (dib.isEmpty() || path.isEmpty())
        raiseSave(FailureCode);

    const int width = dib.Width();
    const int height = dib.Height();
    // A worst-case buffer: the encoder never has to grow it.
    unsigned long size = tjBufSize(width, height, Subsampling);
    if (size == static_cast<unsigned long>(-1) || size > 0x7FFFFFFFul)
        raiseSave(FailureCode);
    std::unique_ptr<unsigned char, BufferFree> jpeg(tjAlloc(int(size)));
    if (!jpeg)
        raiseSave(FailureCode);
    unsigned char* out = jpeg.get();
    // The section's own bits, bottom-up BGR rows with their filler, in place.
    // The fast integer DCT is indistinguishable from the exact one at the
    // qualities the program writes (90), and a good deal quicker.
    const int rc = tjCompress2(handle, dib.DIBSectionBitsPtr(), width, dib.BytesPerScanLine(), height,
                               TJPF_BGR, &out, &size, Subsampling, std::clamp(quality, 1, 100),
                               TJFLAG_BOTTOMUP | TJFLAG_NOREALLOC | TJFLAG_FASTDCT);
    if (rc != 0)
        raiseSave(rc);

    // Remember the dates of the file being replaced.
    const QByteArray nativePath = QFile::encodeName(path);
    struct stat old {};
    const bool existed = ::stat(nativePath.constData(), &old) == 0 && S_ISREG(old.st_mode);

    // A temporary file in the same folder, flushed and renamed over the
    // target: the old file stays whole until the new one is complete; the
    // replaced file keeps its permissions and owner (ImageFile).
    if (!ImageFile::writeReplacing(path, QByteArray::fromRawData(reinterpret_cast<const char*>(out), qsizetype(size))))
        raiseSave(FailureCode);

    if (existed) {
        // The creation time cannot be carried over: Linux
        // has no call that sets a file's creation (birth) time, so the
        // access and modification times are what is carried over. The
        // picture is saved either way, so a failure here is not reported.
        const struct timespec times[2] = {old.st_atim, old.st_mtim};
        ::utimensat(AT_FDCWD, nativePath.constData(), times, 0);
    }
    return true;
}

}
