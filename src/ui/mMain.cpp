// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mMain.h"

#include "ui/HelpWindow.h"
#include "paint/Gradient.h"
#include "ui/ParentPrompt.h"
#include "platform/AppError.h"
#include "platform/PictureSurface.h"
#include "platform/ProgramFolder.h"
#include "platform/Log.h"

#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QLocale>
#include <QApplication>
#include <QCoreApplication>
#include <QUrl>

namespace {

// Without forcing, an item its owner may not write to is read-only, even for
// a user (such as root) whom the system would let delete it.
bool isReadOnly(const QFileInfo& info)
{
    return !info.isSymLink() && !(info.permissions() & QFileDevice::WriteOwner);
}

int asciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - '0' : -1;
}

bool existsOrDangles(const QFileInfo& info)
{
    return info.exists() || info.isSymLink();
}

bool containsReadOnly(const QString& folder)
{
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (isReadOnly(it.fileInfo()))
            return true;
    }
    return false;
}

} // namespace

namespace mMain {

bool OpenWebPage(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

QString HelpTopicPath(const ProgramFolder& folder, const QString& topic)
{
    // The default locale is the language the program speaks ("de_DE",
    // "pt_BR"): its own folder first, then its language's ("de").
    const QString name = QLocale().name();
    QStringList languages{name};
    if (const QString language = name.section(QLatin1Char('_'), 0, 0); language != name)
        languages << language;
    for (const QString& language : std::as_const(languages)) {
        if (language.isEmpty() || language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            continue;
        const QString translated = folder.path(QStringLiteral("/help/") + language + QLatin1Char('/') + topic);
        if (QFileInfo(translated).isFile())
            return translated;
    }
    return folder.path(QStringLiteral("/help/") + topic);
}

bool OpenHelpTopic(QWidget* owner, const ProgramFolder& folder, const QString& topic)
{
    const QString path = HelpTopicPath(folder, topic);
    if (!QFileInfo(path).isFile())
        return false;
    HelpWindow help(path, owner, folder.path(QStringLiteral("/help")));
    help.exec();
    return true;
}

void ShowHelpFile(QWidget* owner, const ProgramFolder& folder, const QString& topic)
{
    if (OpenHelpTopic(owner, folder, topic))
        return;
    ParentPrompt::tell(owner, QCoreApplication::translate("mMain", "Unable to start the help file "
                                                                   "'%1/help/index.htm'. Please make sure "
                                                                   "that it exists.")
                                  .arg(folder.root()));
}

bool RemoveFile(const QString& path)
{
    const QFileInfo info(path);
    if (!existsOrDangles(info) || info.isDir() || isReadOnly(info))
        return false;
    QFile file(path);
    if (!file.remove())
        qCWarning(Log::files) << "Could not remove" << path << ":" << file.errorString();
    return !existsOrDangles(QFileInfo(path));
}

bool RemoveFolder(const QString& path)
{
    QString folder = path;
    if (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    const QFileInfo info(folder);
    if (!info.isDir() || info.isSymLink())
        return false;
    // Checked first so that a refusal deletes nothing rather than half the folder.
    if (isReadOnly(info) || containsReadOnly(folder))
        return false;
    if (!QDir(folder).removeRecursively())
        qCWarning(Log::files) << "Could not remove all of the folder" << folder;
    return !existsOrDangles(QFileInfo(folder));
}

QString FileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString FolderOf(const QString& path)
{
    const qsizetype at = path.lastIndexOf(QLatin1Char('/'));
    if (at < 0)
        throw AppError(ErrorNumber::InvalidProcedureCall, QStringLiteral("Invalid procedure call or argument"),
                       QStringLiteral("FolderOf"));
    return path.left(at);
}

void SplitColor(qint32 color, quint8& red, quint8& green, quint8& blue)
{
    if (color < 0)
        throw AppError(ErrorNumber::Overflow, QStringLiteral("Overflow"), QStringLiteral("SplitColor"));
    red = quint8(color % 256);
    green = quint8((color >> 8) & 255);
    blue = quint8((color >> 16) & 255);
}

void PaintGradient(QImage& surface, int left, int top, int width, int height, QRgb topColour,
                   QRgb bottomColour)
{
    ::PaintGradient(surface, left, top, width, height, topColour, bottomColour);
}

void PaintGradient(PictureSurface& surface, int left, int top, int width, int height, QRgb topColour,
                   QRgb bottomColour)
{
    ::PaintGradient(surface.image(), left, top, width, height, topColour, bottomColour);
    surface.refresh();
}

bool FontSmoothingIsOn()
{
    return !(QApplication::font().styleStrategy() & QFont::NoAntialias);
}

void FontSmoothingOn(int mode)
{
    // Qt chooses grey or sub-pixel antialiasing from the screen; every mode
    // asks for antialiased text.
    Q_UNUSED(mode);
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::StyleStrategy(
        (font.styleStrategy() & ~QFont::NoAntialias) | QFont::PreferAntialias));
    QApplication::setFont(font);
}

void FontSmoothingOff()
{
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::StyleStrategy(
        (font.styleStrategy() & ~QFont::PreferAntialias) | QFont::NoAntialias));
    QApplication::setFont(font);
}

QString ScrambleText(const QString& text, bool second)
{
    QString digits;
    digits.reserve(text.size() * 4);
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return QStringLiteral("Error encrypting string");
        const QString code = QString::number(c.unicode());
        digits += QString::number(code.size()) + code;
    }
    if (!second)
        return digits;
    QString result(digits.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < digits.size(); ++i)
        result[i] = QChar(ScrambleOffset + asciiDigit(digits.at(i)));
    return result;
}

QString UnscrambleText(const QString& text, bool second)
{
    const QString failed = QStringLiteral("Error decrypting string");
    QString digits;
    if (second) {
        for (const QChar c : text) {
            const int value = int(c.unicode()) - ScrambleOffset;
            if (value < 0)
                return failed;
            digits += QString::number(value);
        }
    } else {
        digits = text;
    }
    if (digits.isEmpty())
        return failed;

    QString result;
    qsizetype pos = 0;
    while (pos < digits.size()) {
        const int count = asciiDigit(digits.at(pos));
        ++pos;
        if (count < 1 || count > 3 || pos + count > digits.size())
            return failed;
        int code = 0;
        for (int i = 0; i < count; ++i, ++pos) {
            const int digit = asciiDigit(digits.at(pos));
            if (digit < 0)
                return failed;
            code = code * 10 + digit;
        }
        if (code > 0xFF)
            return failed;
        result += QChar(code);
    }
    return result;
}

} // namespace mMain
