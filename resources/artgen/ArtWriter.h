// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// Collects the generated files: writes each one under the output folder as it
// comes and, at the end, the art.qrc that lists them all for rcc.
class ArtWriter
{
public:
    explicit ArtWriter(const QString& outDir);

    // path is relative to the output folder and becomes the resource path
    // (":/" + path). format is "PNG" or "JPG".
    void addImage(const QString& path, const QImage& image, const char* format = "PNG",
                  int quality = -1);
    void addFile(const QString& path, const QByteArray& data);
    bool writeQrc();

    bool ok() const { return m_errors.isEmpty(); }
    const QStringList& errors() const { return m_errors; }

    struct Picture {
        QString path;
        QImage image;
    };
    // Every image added, in order, for the contact sheet.
    const QList<Picture>& pictures() const { return m_pictures; }

private:
    QString prepare(const QString& path);

    QString m_outDir;
    QStringList m_files;
    QStringList m_errors;
    QList<Picture> m_pictures;
};
