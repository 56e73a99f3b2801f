// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TsCatalog.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

// The text of the current element; lupdate writes "\r" as <byte value="xd"/>.
QString readText(QXmlStreamReader& xml)
{
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::StartElement:
            if (xml.name() == QLatin1String("byte"))
                text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
            ++depth;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return text;
}

} // namespace

QStringList TsCatalog::languages()
{
    return QString::fromLatin1(TINTALOO_LANGUAGES).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QString TsCatalog::pathFor(const QString& code)
{
    return QStringLiteral(TINTALOO_SOURCE_DIR "/resources/translations/tintaloo_%1.ts").arg(code);
}

TsCatalog::TsCatalog(const QString& code)
{
    QFile file(pathFor(code));
    if (!file.open(QIODevice::ReadOnly))
        return;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = readText(xml);
        } else if (xml.name() == QLatin1String("source")) {
            source = readText(xml);
        } else if (xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = readText(xml);
            if (finished && !text.trimmed().isEmpty())
                m_finished.insert(context + QLatin1Char('\n') + source, text);
        }
    }
    m_valid = !xml.hasError();
}

QString TsCatalog::translation(const char* context, const char* source) const
{
    return m_finished.value(QString::fromUtf8(context) + QLatin1Char('\n') + QString::fromUtf8(source));
}
