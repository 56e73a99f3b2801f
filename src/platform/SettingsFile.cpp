// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsFile.h"

#include "platform/Settings.h"
#include "platform/AppError.h"
#include "platform/AtomicFile.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <QLocale>
#include <QDir>
#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QByteArray numberLine(int value)
{
    // The blank in front holds the place of a sign, the one behind ends the number.
    return ' ' + QByteArray::number(value) + ' ';
}

QByteArray flagLine(bool on)
{
    return numberLine(on ? 1 : 0);
}

[[noreturn]] void failWrite(const QString& path, const QString& why)
{
    throw AppError(ErrorNumber::PathFileAccess, why, path);
}

// Reads the file line by line, refusing anything that is not a regular file
// of a sane size.
class LineReader
{
public:
    explicit LineReader(const QString& path);

    bool isOpen() const { return m_open; }
    // The next line without its line end; false at the end of the file.
    bool nextText(QString& line);
    // The next line as a number: blanks around it allowed, a decimal
    // fraction accepted, the integer part (rounded down) returned. False at
    // the end of the file and for an empty or non-numeric line.
    bool nextNumber(double& value);

private:
    static bool toNumber(const QString& line, double& value);

    QByteArray m_bytes;
    qsizetype m_pos = 0;
    bool m_open = false;
};

LineReader::LineReader(const QString& path)
{
    // Only a regular file of a sane size: opened without blocking, so a FIFO
    // cannot hold the program, and never read past MaxBytes.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size >= SettingsFile::MaxBytes)
        return;
    m_bytes = file.read(SettingsFile::MaxBytes);
    m_open = file.error() == QFileDevice::NoError && m_bytes.size() < SettingsFile::MaxBytes;
}

bool LineReader::nextText(QString& line)
{
    if (!m_open || m_pos >= m_bytes.size())
        return false;
    qsizetype end = m_bytes.indexOf('\n', m_pos);
    const qsizetype next = end < 0 ? m_bytes.size() : end + 1;
    if (end < 0)
        end = m_bytes.size();
    // CR LF is the file's own line end; a lone LF comes from a hand edit.
    if (end > m_pos && m_bytes.at(end - 1) == '\r' && end < m_bytes.size())
        --end;
    line = QString::fromLatin1(m_bytes.constData() + m_pos, end - m_pos);
    m_pos = next;
    return true;
}

bool LineReader::nextNumber(double& value)
{
    QString line;
    return nextText(line) && toNumber(line, value);
}

bool LineReader::toNumber(const QString& line, double& value)
{
    const QString text = line.trimmed();
    if (text.isEmpty())
        return false;
    bool ok = false;
    const double number = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(number))
        return false;
    value = std::floor(number);
    return true;
}

} // namespace

QString SettingsFile::pathIn(const ProgramFolder& folder)
{
    // Of several names that differ only in case, always the same one: the
    // first in binary order, whichever spelling the caller had in mind.
    QStringList names = QDir(folder.root()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    names.removeIf([](const QString& name) { return name.compare(FileName, Qt::CaseInsensitive) != 0; });
    std::sort(names.begin(), names.end());
    return folder.root() + QLatin1Char('/') + (names.isEmpty() ? FileName : names.constFirst());
}

bool SettingsFile::read(const QString& path, Settings& into)
{
    LineReader lines(path);
    double number = 0;
    if (!lines.nextNumber(number))
        return false;
    into.Play_Sound = number != 0;
    if (!lines.nextNumber(number))
        return false;
    into.Quit_Needs_Permission = number != 1;
    if (!lines.nextNumber(number))
        return false;
    into.Auto_hide = number != 0;
    if (!lines.nextNumber(number))
        return false;
    into.Use_Parental_password = number != 0;
    if (!lines.nextNumber(number))
        return false;
    into.Bubble_speed = float(number);
    QString text;
    if (!lines.nextText(text))
        return false;
    into.Parental_Password = text;
    if (!lines.nextText(text))
        return false;
    into.Parental_Password_Hint = text;
    return true;
}

bool SettingsFile::isStorable(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return false;
    }
    return true;
}

QByteArray SettingsFile::encode(const Settings& values)
{
    const QByteArray crlf("\r\n");
    QByteArray bytes;
    const int speed = int(values.Bubble_speed);
    bytes += flagLine(values.Play_Sound) + crlf;
    bytes += flagLine(!values.Quit_Needs_Permission) + crlf;
    bytes += flagLine(values.Auto_hide) + crlf;
    bytes += flagLine(values.Use_Parental_password) + crlf;
    bytes += (speed != 0 ? numberLine(speed) : QByteArray()) + crlf;
    bytes += values.Parental_Password.toLatin1() + crlf;
    bytes += values.Parental_Password_Hint.toLatin1() + crlf;
    return bytes;
}

void SettingsFile::write(const QString& path, const Settings& values,
                         const std::function<void()>& beforeCommit)
{
    if (!isStorable(values.Parental_Password) || !isStorable(values.Parental_Password_Hint))
        failWrite(path, QStringLiteral("The password or hint holds characters the settings file cannot keep"));
    const QByteArray bytes = encode(values);

    // The password is stored in plain text: nobody but its owner may read it,
    // whatever the permissions of a file it replaces.
    AtomicFile::Options options;
    options.permissions = OwnerOnly;
    options.beforeReplace = beforeCommit;
    AtomicFile::write(path, bytes, options);
}
