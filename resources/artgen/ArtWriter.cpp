// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArtWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

ArtWriter::ArtWriter(const QString& outDir) : m_outDir(outDir)
{
    QDir().mkpath(m_outDir);
}

QString ArtWriter::prepare(const QString& path)
{
    const QString full = m_outDir + '/' + path;
    QDir().mkpath(QFileInfo(full).absolutePath());
    m_files.append(path);
    return full;
}

void ArtWriter::addImage(const QString& path, const QImage& image, const char* format, int quality)
{
    const QString full = prepare(path);
    if (image.isNull() || !image.save(full, format, quality))
        m_errors.append("cannot write " + full);
    m_pictures.append({path, image});
}

void ArtWriter::addFile(const QString& path, const QByteArray& data)
{
    const QString full = prepare(path);
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        m_errors.append("cannot write " + full);
}

bool ArtWriter::writeQrc()
{
    QFile qrc(m_outDir + "/art.qrc");
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Text)) {
        m_errors.append("cannot write " + qrc.fileName());
        return false;
    }
    QTextStream out(&qrc);
    out << "<RCC><qresource prefix=\"/\">\n";
    for (const QString& file : m_files)
        out << "  <file alias=\"" << file << "\">" << file << "</file>\n";
    out << "</qresource></RCC>\n";
    return out.status() == QTextStream::Ok;
}
