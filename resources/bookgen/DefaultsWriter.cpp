// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefaultsWriter.h"

#include "GifWriter.h"
#include "LineArt.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray encodeBmp24(const QImage& grey)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // An RGB888 image is written with 24 bits per pixel, never a palette.
    if (!grey.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        return {};
    return bytes;
}

int bmpBitsPerPixel(const QByteArray& bytes)
{
    if (bytes.size() < 30 || !bytes.startsWith("BM"))
        return 0;
    return uchar(bytes[28]) | (uchar(bytes[29]) << 8);
}

QStringList sortedEntries(const QString& folder, QDir::Filters filters, const QStringList& patterns = {})
{
    return QDir(folder).entryList(patterns, filters | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

}

DefaultsWriter::DefaultsWriter(const QString& outDir, const QString& sourceDir)
    : m_outDir(QDir(outDir).absolutePath())
    , m_sourceDir(QDir(sourceDir).absolutePath())
{
}

bool DefaultsWriter::writeBooks()
{
    const QString booksDir = m_sourceDir + QStringLiteral("/books");
    const QStringList books = sortedEntries(booksDir, QDir::Dirs);
    m_inputs.append(booksDir);
    if (books.isEmpty())
        problem(QStringLiteral("no books under %1").arg(booksDir));
    bool ok = !books.isEmpty();
    for (const QString& book : books) {
        const QString bookDir = booksDir + QLatin1Char('/') + book;
        m_inputs.append(bookDir);
        for (const QString& svg : sortedEntries(bookDir, QDir::Files, {QStringLiteral("*.svg")})) {
            const QString picture = svg.chopped(4);
            ok = writePicture(bookDir + QLatin1Char('/') + svg,
                              QStringLiteral("books/%1/%2").arg(book, picture))
                 && ok;
        }
    }
    return ok;
}

bool DefaultsWriter::writePicture(const QString& svgPath, const QString& relativeTarget)
{
    QString error;
    m_inputs.append(svgPath);
    const QImage drawing = LineArt::render(svgPath, &error);
    if (drawing.isNull()) {
        problem(QStringLiteral("%1: %2").arg(svgPath, error));
        return false;
    }
    const QString suffix = QFileInfo(relativeTarget).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1String("bmp")) {
        bytes = encodeBmp24(drawing);
    } else if (suffix == QLatin1String("gif")) {
        bytes = GifWriter::encodeGrey(drawing);
    } else {
        // A lossy JPEG never decodes to pure black and white.
        problem(QStringLiteral("%1: the name must end in .bmp.svg or .gif.svg").arg(svgPath));
        return false;
    }
    if (bytes.isEmpty()) {
        problem(QStringLiteral("%1: encoding failed").arg(svgPath));
        return false;
    }
    const LineArt::ThinStretch thin = LineArt::longestThinStretch(drawing);
    if (thin.length > LineArt::LongestThinStretch) {
        problem(QStringLiteral("%1: a line thinner than %2 pixels, %3 pixels long, at %4, %5")
                    .arg(svgPath).arg(LineArt::ThinnestLine).arg(thin.length).arg(thin.at.x()).arg(thin.at.y()));
        return false;
    }
    m_pictures.append({relativeTarget.section(QLatin1Char('/'), 1, 1),
                       relativeTarget.section(QLatin1Char('/'), 2), drawing});
    return writeBytes(relativeTarget, bytes) && verifyPicture(relativeTarget, drawing);
}

bool DefaultsWriter::verifyPicture(const QString& relativeTarget, const QImage& drawing)
{
    const QString path = m_outDir + QLatin1Char('/') + relativeTarget;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem(QStringLiteral("%1: cannot be read back").arg(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    const QImage decoded = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
    if (decoded.size() != drawing.size()) {
        problem(QStringLiteral("%1: decodes to the wrong size").arg(path));
        return false;
    }
    if (QFileInfo(path).suffix().toLower() == QLatin1String("bmp") && bmpBitsPerPixel(bytes) != 24) {
        problem(QStringLiteral("%1: not a 24-bit bitmap").arg(path));
        return false;
    }
    for (int y = 0; y < drawing.height(); ++y) {
        const uchar* drawn = drawing.constScanLine(y);
        const QRgb* read = reinterpret_cast<const QRgb*>(decoded.constScanLine(y));
        for (int x = 0; x < drawing.width(); ++x) {
            if (read[x] != qRgb(drawn[x], drawn[x], drawn[x])) {
                problem(QStringLiteral("%1: decodes to different pixels than were drawn, first at %2, %3")
                            .arg(path).arg(x).arg(y));
                return false;
            }
        }
    }
    return true;
}

bool DefaultsWriter::writeHelp()
{
    const QString helpDir = m_sourceDir + QStringLiteral("/help");
    bool ok = QFileInfo(helpDir).isDir();
    if (!ok)
        problem(QStringLiteral("no help folder at %1").arg(helpDir));
    m_inputs.append(helpDir);
    QDirIterator it(helpDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        m_inputs.append(source);
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly)) {
            problem(QStringLiteral("%1: cannot be read").arg(source));
            ok = false;
            continue;
        }
        const QString relative = QStringLiteral("help") + source.mid(helpDir.size());
        ok = writeBytes(relative, file.readAll()) && ok;
    }
    return writeSharedHelpFiles(helpDir) && ok;
}

// A translated topic (help/de/index.htm) links to its style sheet and
// pictures by the same relative names as the English one; each language
// folder gets a copy of those the translators did not give it their own of.
bool DefaultsWriter::writeSharedHelpFiles(const QString& helpDir)
{
    bool ok = true;
    const QFileInfoList shared = QDir(helpDir).entryInfoList(QDir::Files);
    const QStringList languages = QDir(helpDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& language : languages) {
        // A topic added to a language folder must make the defaults again.
        m_inputs.append(helpDir + QLatin1Char('/') + language);
        for (const QFileInfo& file : shared) {
            const QString suffix = file.suffix().toLower();
            if (suffix == QLatin1String("htm") || suffix == QLatin1String("html"))
                continue;
            if (QFileInfo::exists(helpDir + QLatin1Char('/') + language + QLatin1Char('/') + file.fileName()))
                continue;
            QFile source(file.absoluteFilePath());
            if (!source.open(QIODevice::ReadOnly)) {
                problem(QStringLiteral("%1: cannot be read").arg(file.absoluteFilePath()));
                ok = false;
                continue;
            }
            ok = writeBytes(QStringLiteral("help/%1/%2").arg(language, file.fileName()), source.readAll()) && ok;
        }
    }
    return ok;
}

bool DefaultsWriter::writeBytes(const QString& relativeTarget, const QByteArray& bytes)
{
    const QString path = m_outDir + QLatin1Char('/') + relativeTarget;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        problem(QStringLiteral("%1: cannot be written").arg(path));
        return false;
    }
    return true;
}

void DefaultsWriter::problem(const QString& what)
{
    m_problems.append(what);
}
