// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AtomicFile.h"

#include "platform/AppError.h"
#include "platform/Log.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <utility>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int SuffixLength = 6;
const char SuffixDigits[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
// The stem of a temporary file whose own name is too long to carry one.
const QString ShortStem = QStringLiteral("tintaloo");

[[noreturn]] void fail(const QString& path, int error)
{
    const int number = AtomicFile::errorNumberOf(error);
    QString why;
    switch (number) {
    case ErrorNumber::DiskFull:
        why = QStringLiteral("Disk full");
        break;
    case ErrorNumber::PermissionDenied:
        why = QStringLiteral("Permission denied");
        break;
    case ErrorNumber::PathNotFound:
        why = QStringLiteral("Path not found");
        break;
    default:
        why = QStringLiteral("Path/File access error");
        break;
    }
    if (error != 0)
        why += QStringLiteral(" (") + QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char(')');
    throw AppError(number, why, path);
}

QString randomSuffix()
{
    QString s;
    quint64 r = QRandomGenerator::global()->generate64();
    for (int i = 0; i < SuffixLength; ++i, r /= 62)
        s += QLatin1Char(SuffixDigits[r % 62]);
    return s;
}

mode_t modeOf(QFileDevice::Permissions p)
{
    mode_t m = 0;
    if (p & (QFileDevice::ReadOwner | QFileDevice::ReadUser))
        m |= S_IRUSR;
    if (p & (QFileDevice::WriteOwner | QFileDevice::WriteUser))
        m |= S_IWUSR;
    if (p & (QFileDevice::ExeOwner | QFileDevice::ExeUser))
        m |= S_IXUSR;
    if (p & QFileDevice::ReadGroup)
        m |= S_IRGRP;
    if (p & QFileDevice::WriteGroup)
        m |= S_IWGRP;
    if (p & QFileDevice::ExeGroup)
        m |= S_IXGRP;
    if (p & QFileDevice::ReadOther)
        m |= S_IROTH;
    if (p & QFileDevice::WriteOther)
        m |= S_IWOTH;
    if (p & QFileDevice::ExeOther)
        m |= S_IXOTH;
    return m;
}

// The temporary file being written; deleted unless it was renamed.
class Temporary
{
public:
    ~Temporary()
    {
        if (fd >= 0)
            ::close(fd);
        if (!path.isEmpty())
            ::unlink(path.constData());
    }
    int fd = -1;
    QByteArray path;
};

void writeAll(int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw errno;
        }
        p += n;
        left -= n;
    }
}

} // namespace

int AtomicFile::errorNumberOf(int systemError)
{
    switch (systemError) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ErrorNumber::DiskFull;
    case EROFS:
    case EACCES:
    case EPERM:
        return ErrorNumber::PermissionDenied;
    case ENOENT:
    case ENOTDIR:
        return ErrorNumber::PathNotFound;
    default:
        return ErrorNumber::PathFileAccess;
    }
}

namespace {

// The file that a write replaces, as it was found.
struct Replaced
{
    QString folder;
    QByteArray target;
    struct stat old {};
    bool replacing = false;
};

// The first half of a write: the bytes in a new temporary file beside path,
// with the new file's permissions and times, not yet flushed to the disk.
void stage(const QString& path, const QByteArray& bytes, const AtomicFile::Options& options, Temporary& temp,
           Replaced& replaced)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (path.isEmpty() || name.isEmpty())
        fail(path, ENOENT);
    replaced.folder = info.absolutePath();
    replaced.target = QFile::encodeName(info.absoluteFilePath());
    const QString& folder = replaced.folder;
    struct stat& old = replaced.old;

    // The file being replaced: a link counts as no file, so nothing of its
    // target is ever taken over or touched.
    replaced.replacing = ::lstat(replaced.target.constData(), &old) == 0 && !S_ISLNK(old.st_mode);
    const bool replacing = replaced.replacing;
    if (replacing && !S_ISREG(old.st_mode))
        fail(path, EISDIR);

    // Exclusive, in the same folder (so the rename is atomic), private while
    // it is written.
    bool shortStem = false;
    for (int attempt = 0; attempt < 50 && temp.fd < 0; ++attempt) {
        const QString stem = shortStem ? ShortStem : name;
        temp.path = QFile::encodeName(folder + QStringLiteral("/.") + stem + QLatin1Char('.') + randomSuffix());
        temp.fd = ::open(temp.path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (temp.fd >= 0)
            break;
        const int error = errno;
        temp.path.clear();
        if (error == ENAMETOOLONG && !shortStem)
            shortStem = true;
        else if (error != EEXIST && error != EINTR)
            fail(path, error);
    }
    if (temp.fd < 0)
        fail(path, EEXIST);

    try {
        writeAll(temp.fd, bytes);
    } catch (int error) {
        fail(path, error);
    }
    if (options.permissions) {
        if (::fchmod(temp.fd, modeOf(*options.permissions)) != 0)
            fail(path, errno);
    } else if (replacing) {
        // Owner first (only root may give a file away; failure is fine),
        // then the permission bits, which chown may have cleared.
        [[maybe_unused]] const int owned = ::fchown(temp.fd, old.st_uid, old.st_gid);
        if (::fchmod(temp.fd, old.st_mode & 07777) != 0)
            fail(path, errno);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(temp.fd, 0666 & ~mask) != 0)
            fail(path, errno);
    }
    if (options.keepTimes && replacing) {
        // Linux cannot set a creation time; access and modification times
        // are what is carried over.
        const struct timespec times[2] = {old.st_atim, old.st_mtim};
        // The new contents matter more than the old dates.
        if (::futimens(temp.fd, times) != 0)
            qCWarning(Log::files) << "Could not carry the dates over to" << path << ":" << std::strerror(errno);
    }
}

} // namespace

void AtomicFile::write(const QString& path, const QByteArray& bytes, const Options& options)
{
    Temporary temp;
    Replaced replaced;
    stage(path, bytes, options, temp, replaced);
    const QString& folder = replaced.folder;
    const QByteArray& target = replaced.target;
    // On the disk before the rename, so that a crash leaves the old file or
    // the whole new one, never an empty one.
    if (::fdatasync(temp.fd) != 0)
        fail(path, errno);
    const int closed = ::close(temp.fd);
    temp.fd = -1;
    if (closed != 0)
        fail(path, errno);
    if (options.beforeReplace)
        options.beforeReplace();
    // rename() replaces a link at the target, never what it points to.
    if (::rename(temp.path.constData(), target.constData()) != 0)
        fail(path, errno);
    temp.path.clear();
    // The rename itself on the disk too; the file is in place either way.
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

QByteArray AtomicFile::writeTemporary(const QString& path, const QByteArray& bytes)
{
    Temporary temp;
    Replaced replaced;
    stage(path, bytes, Options(), temp, replaced);
    const int closed = ::close(temp.fd);
    temp.fd = -1;
    if (closed != 0)
        fail(path, errno);
    return std::exchange(temp.path, QByteArray());
}

bool AtomicFile::isTemporaryName(const QString& name)
{
    // "." + stem + "." + six letters or digits, where the stem is the short
    // stem or the name of a file this program writes.
    if (name.size() < 2 + SuffixLength + 1 || !name.startsWith(QLatin1Char('.')))
        return false;
    const qsizetype dot = name.size() - SuffixLength - 1;
    if (name.at(dot) != QLatin1Char('.'))
        return false;
    for (qsizetype i = dot + 1; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.unicode() > 127 || !std::strchr(SuffixDigits, char(c.unicode())))
            return false;
    }
    const QString stem = name.mid(1, dot - 1);
    if (stem == ShortStem)
        return true;
    for (const char* ext : {".tnl", ".jpg", ".bmp", ".gif", ".ini"}) {
        if (stem.size() > 4 && stem.endsWith(QLatin1String(ext), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

int AtomicFile::removeStaleTemporaries(const QString& folder, qint64 minimumAgeSeconds)
{
    int removed = 0;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (!isTemporaryName(name))
            continue;
        const QByteArray native = QFile::encodeName(it.filePath());
        struct stat st {};
        if (::lstat(native.constData(), &st) != 0 || !(S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)))
            continue;
        if (st.st_mtime > now.toSecsSinceEpoch() - minimumAgeSeconds)
            continue;
        // unlink() removes a link itself, never its target.
        if (::unlink(native.constData()) == 0)
            ++removed;
    }
    return removed;
}

bool AtomicFile::tryWrite(const QString& path, const QByteArray& bytes)
{
    try {
        write(path, bytes);
        return true;
    } catch (const AppError& e) {
        // The caller tells the parent in its own words; the cause stays here.
        qCWarning(Log::files) << "Could not write" << path << ":" << e.description();
        return false;
    }
}
