// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArtWords.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>
#include <algorithm>

ArtWords::ArtWords(const QString& translationsFolder)
{
    const QDir dir(translationsFolder);
    for (const QString& name : dir.entryList({QStringLiteral("tintaloo_*.ts")}, QDir::Files, QDir::Name)) {
        const QString code = name.mid(9, name.size() - 9 - 3);
        read(dir.filePath(name), code);
    }
}

void ArtWords::read(const QString& path, const QString& code)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    m_files << path;
    QXmlStreamReader xml(&file);
    QString context, source, translation;
    bool finished = true;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation")) {
                finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                translation = xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            if (context == QLatin1String(Context) && finished && !translation.isEmpty())
                m_words[code][source] = translation;
            source.clear();
            translation.clear();
        }
    }
}

QStringList ArtWords::languages() const
{
    QStringList codes = m_words.keys();
    std::sort(codes.begin(), codes.end());
    return codes;
}

QString ArtWords::word(const QString& code, const char* english) const
{
    const QString source = QString::fromUtf8(english);
    return m_words.value(code).value(source, source);
}

QString ArtWords::folder(const QString& what, const QString& code)
{
    return code.isEmpty() ? what + QLatin1Char('/') : what + QLatin1Char('/') + code + QLatin1Char('/');
}
