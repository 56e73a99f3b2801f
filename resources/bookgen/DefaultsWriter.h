// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// Builds the tree that a new data folder is seeded with:
//   books/<Book>/<picture>   from <source>/books/<Book>/<picture>.svg, where the
//                            picture's own name says the format (cat.gif.svg
//                            gives cat.gif; .bmp is 24-bit, .gif 256 greys;
//                            every pixel exactly black or white)
//   help/<topic>             copied from <source>/help
// Every picture is read back after writing and compared with the drawing, so
// a fault in an encoder stops the build instead of reaching a child.
class DefaultsWriter
{
public:
    DefaultsWriter(const QString& outDir, const QString& sourceDir);

    bool writeBooks();
    bool writeHelp();

    // Every picture written so far, for the contact sheet.
    struct Picture
    {
        QString book;
        QString name;
        QImage image;
    };
    const QList<Picture>& pictures() const { return m_pictures; }

    const QStringList& problems() const { return m_problems; }

    // Every source file and folder read so far, for the build's depfile: a
    // folder is there so that a file added to it counts as a change.
    const QStringList& inputs() const { return m_inputs; }

private:
    bool writePicture(const QString& svgPath, const QString& relativeTarget);
    bool writeBytes(const QString& relativeTarget, const QByteArray& bytes);
    bool writeSharedHelpFiles(const QString& helpDir);
    bool verifyPicture(const QString& relativeTarget, const QImage& drawing);
    void problem(const QString& what);

    QString m_outDir;
    QString m_sourceDir;
    QStringList m_problems;
    QStringList m_inputs;
    QList<Picture> m_pictures;
};
