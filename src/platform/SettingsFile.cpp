#include "platform/SettingsFile.h"

#include "platform/Settings.h"
#include "platform/AppError.h"

#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <cmath>

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

} // namespace

SettingsFile::LineReader::LineReader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    m_bytes = file.readAll();
    m_open = file.error() == QFileDevice::NoError;
}

bool SettingsFile::LineReader::nextText(QString& line)
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

bool SettingsFile::LineReader::nextNumber(double& value)
{
    QString line;
    return nextText(line) && toNumber(line, value);
}

bool SettingsFile::LineReader::toNumber(const QString& line, double& value)
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

QByteArray SettingsFile::encode(const Values& values)
{
    const QByteArray crlf("\r\n");
    QByteArray bytes;
    bytes += flagLine(values.playSound) + crlf;
    bytes += flagLine(values.allowQuittingWithoutPermission) + crlf;
    bytes += flagLine(values.autoHide) + crlf;
    bytes += flagLine(values.useParentalPassword) + crlf;
    bytes += (values.bubbleSpeed != 0 ? numberLine(values.bubbleSpeed) : QByteArray()) + crlf;
    bytes += values.password.toLatin1() + crlf;
    bytes += values.hint.toLatin1() + crlf;
    return bytes;
}

void SettingsFile::write(const QString& path, const Values& values,
                         const std::function<void()>& beforeCommit)
{
    if (!isStorable(values.password) || !isStorable(values.hint))
        failWrite(path, QStringLiteral("The password or hint holds characters the settings file cannot keep"));
    const QByteArray bytes = encode(values);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        failWrite(path, file.errorString());
    // The password is stored in plain text: nobody but its owner may read it,
    // whatever the permissions of a file it replaces.
    file.setPermissions(OwnerOnly);
    // flush() is checked here because commit() would rename a temporary file
    // whose last buffered write came up short (a full disk, a size limit).
    if (file.write(bytes) != bytes.size() || !file.flush())
        failWrite(path, file.errorString());
    if (beforeCommit)
        beforeCommit();
    if (!file.commit())
        failWrite(path, file.errorString());
    if (!QFile::setPermissions(path, OwnerOnly))
        failWrite(path, QStringLiteral("Could not make the settings file private"));
}
