// SPDX-License-Identifier: GPL-3.0-or-later
// The translations as translators hand them in: every text of every .ts file
// finished and still in use, with the same placeholders and line breaks as
// its English source, and every help topic in every language folder, linking
// to the same files as the English topic. Each language prints one summary
// line, so that the state of all of them shows at a glance.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <iostream>

namespace {

const QString SourceDir = QStringLiteral(TINTALOO_SOURCE_DIR);

QStringList languages()
{
    return QString::fromLatin1(TINTALOO_LANGUAGES).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

// Plural forms Qt knows for each language (lupdate writes as many).
int pluralForms(const QString& code)
{
    return code == QLatin1String("pl") ? 3 : 2;
}

struct Message
{
    QString context;
    QString source;
    QString comment;
    QString type; // "", "unfinished", "obsolete", "vanished"
    bool numerus = false;
    QStringList forms; // the translation, one entry per plural form
};

struct TsFile
{
    QString language;
    QList<Message> messages;
    QString error;
};

// The text of the element the reader is at. lupdate writes a carriage
// return as <byte value="xd"/>.
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

TsFile readTs(const QString& path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = QStringLiteral("cannot be read");
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            ts.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("context")) {
            // Its children follow; nothing to do here.
        } else if (name == QLatin1String("name")) {
            context = readText(xml);
        } else if (name == QLatin1String("message")) {
            message = Message{};
            message.context = context;
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = readText(xml);
        } else if (name == QLatin1String("comment")) {
            message.comment = readText(xml);
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (message.numerus) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("numerusform"))
                        message.forms << readText(xml);
                    else
                        xml.skipCurrentElement();
                }
                // Now at </translation>.
            } else {
                message.forms << readText(xml);
            }
            ts.messages << message;
        }
    }
    if (xml.hasError())
        ts.error = QStringLiteral("is not well-formed XML: %1 (line %2)").arg(xml.errorString()).arg(xml.lineNumber());
    return ts;
}

// Which of %1..%9 and %n a text uses, in order; a translation may use one
// twice or in another order, but must use each.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%(?:L?[1-9]|n)"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured().remove(QLatin1Char('L'));
    found.sort();
    found.removeDuplicates();
    return found;
}

int lineBreaks(const QString& text)
{
    return int(text.count(QLatin1Char('\n')));
}

QString describe(const Message& m)
{
    return m.context + QStringLiteral(": \"") + m.source.left(70)
        + (m.source.size() > 70 ? QStringLiteral("...\"") : QStringLiteral("\""));
}

// Every problem of one language's file, one line each.
QStringList tsProblems(const QString& code, const TsFile& ts, int* finished)
{
    QStringList problems;
    *finished = 0;
    if (!ts.error.isEmpty())
        return {QStringLiteral("tintaloo_%1.ts %2").arg(code, ts.error)};
    if (ts.language != code)
        problems << QStringLiteral("the file says language=\"%1\"").arg(ts.language);
    for (const Message& m : ts.messages) {
        if (m.type == QLatin1String("obsolete") || m.type == QLatin1String("vanished")) {
            problems << QStringLiteral("%1 (%2: no longer in the program)").arg(describe(m), m.type);
            continue;
        }
        if (m.type == QLatin1String("unfinished")) {
            problems << QStringLiteral("%1 (unfinished)").arg(describe(m));
            continue;
        }
        bool good = true;
        if (m.numerus && m.forms.size() != pluralForms(code)) {
            problems << QStringLiteral("%1 has %2 plural forms, not %3")
                            .arg(describe(m))
                            .arg(m.forms.size())
                            .arg(pluralForms(code));
            good = false;
        }
        for (const QString& form : m.forms) {
            if (form.trimmed().isEmpty()) {
                problems << QStringLiteral("%1 has an empty translation").arg(describe(m));
                good = false;
                break;
            }
            if (placeholders(form) != placeholders(m.source)) {
                problems << QStringLiteral("%1 has placeholders [%2] instead of [%3]: \"%4\"")
                                .arg(describe(m), placeholders(form).join(QLatin1Char(' ')),
                                     placeholders(m.source).join(QLatin1Char(' ')), form.left(70));
                good = false;
            }
            if (lineBreaks(form) != lineBreaks(m.source)) {
                problems << QStringLiteral("%1 has %2 line breaks instead of %3")
                                .arg(describe(m))
                                .arg(lineBreaks(form))
                                .arg(lineBreaks(m.source));
                good = false;
            }
        }
        if (good)
            ++*finished;
    }
    return problems;
}

QStringList topicsIn(const QString& folder)
{
    QStringList topics = QDir(folder).entryList({QStringLiteral("*.htm")}, QDir::Files);
    topics.sort();
    return topics;
}

// The href and src targets of a topic, as a set.
QSet<QString> targetsOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("(unreadable)")};
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression pattern(QStringLiteral("\\b(?:href|src)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')"),
                                            QRegularExpression::CaseInsensitiveOption);
    QSet<QString> targets;
    for (auto it = pattern.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        targets << (match.captured(1).isNull() ? match.captured(2) : match.captured(1));
    }
    return targets;
}

QString joined(QSet<QString> set)
{
    QStringList list(set.begin(), set.end());
    list.sort();
    return list.join(QStringLiteral(", "));
}

QStringList helpProblems(const QString& code, int* present)
{
    const QString english = SourceDir + QStringLiteral("/resources/help");
    const QString translated = english + QLatin1Char('/') + code;
    QStringList problems;
    *present = 0;
    const QStringList topics = topicsIn(english);
    for (const QString& extra : topicsIn(translated))
        if (!topics.contains(extra))
            problems << QStringLiteral("help/%1/%2 is not an English topic").arg(code, extra);
    for (const QString& topic : topics) {
        const QString path = translated + QLatin1Char('/') + topic;
        if (!QFileInfo(path).isFile()) {
            problems << QStringLiteral("help/%1/%2 is missing").arg(code, topic);
            continue;
        }
        const QSet<QString> want = targetsOf(english + QLatin1Char('/') + topic);
        const QSet<QString> got = targetsOf(path);
        if (got != want) {
            problems << QStringLiteral("help/%1/%2 links to [%3] where English links to [%4]")
                            .arg(code, topic, joined(got - want), joined(want - got));
            continue;
        }
        ++*present;
    }
    return problems;
}

} // namespace

// Test names and failures show the language code, not its bytes.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

namespace {

class TranslationFiles : public ::testing::TestWithParam<QString>
{
};

TEST_P(TranslationFiles, AreFinishedAndKeepPlaceholdersLineBreaksAndLinks)
{
    const QString code = GetParam();
    const TsFile ts = readTs(SourceDir + QStringLiteral("/resources/translations/tintaloo_%1.ts").arg(code));
    int finished = 0;
    const QStringList messages = tsProblems(code, ts, &finished);
    int topics = 0;
    const QStringList help = helpProblems(code, &topics);

    std::cout << "translations: " << code.toStdString() << ": " << finished << " of " << ts.messages.size()
              << " messages translated, " << topics << " of " << topicsIn(SourceDir + QStringLiteral("/resources/help")).size()
              << " help topics" << (messages.isEmpty() && help.isEmpty() ? ", all good" : "") << std::endl;

    constexpr int Shown = 25;
    auto listed = [](const QStringList& problems) {
        std::string text;
        for (const QString& p : problems.mid(0, Shown))
            text += "\n  " + p.toStdString();
        if (problems.size() > Shown)
            text += "\n  ... and " + std::to_string(problems.size() - Shown) + " more";
        return text;
    };
    EXPECT_FALSE(ts.messages.isEmpty()) << "tintaloo_" << code.toStdString() << ".ts has no messages";
    EXPECT_TRUE(messages.isEmpty()) << "tintaloo_" << code.toStdString() << ".ts: " << messages.size()
                                    << " problems:" << listed(messages);
    EXPECT_TRUE(help.isEmpty()) << "help/" << code.toStdString() << ": " << help.size() << " problems:"
                                << listed(help);
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFiles, ::testing::ValuesIn(languages().toVector()),
                         [](const ::testing::TestParamInfo<QString>& info) { return info.param.toStdString(); });

// Every language the build knows has its files, and nothing else is lying
// around that the build would not pick up.
TEST(TranslationFileSet, EveryLanguageHasItsFilesAndNoOthers)
{
    QStringList expectedTs;
    for (const QString& code : languages())
        expectedTs << QStringLiteral("tintaloo_%1.ts").arg(code);
    expectedTs.sort();
    QStringList ts = QDir(SourceDir + QStringLiteral("/resources/translations"))
                         .entryList({QStringLiteral("*.ts")}, QDir::Files);
    ts.sort();
    EXPECT_EQ(ts, expectedTs);

    QStringList folders = QDir(SourceDir + QStringLiteral("/resources/help")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    folders.sort();
    QStringList codes = languages();
    codes.sort();
    EXPECT_EQ(folders, codes);
}

// The check itself: what it counts as a placeholder and a line break.
TEST(TranslationCheck, CountsPlaceholdersAndLineBreaks)
{
    EXPECT_EQ(placeholders(QStringLiteral("Loading(%1%)... %2.")), (QStringList{"%1", "%2"}));
    EXPECT_EQ(placeholders(QStringLiteral("and %n more")), (QStringList{"%n"}));
    EXPECT_EQ(placeholders(QStringLiteral("%2 und %1")), placeholders(QStringLiteral("%1 and %2")));
    EXPECT_EQ(placeholders(QStringLiteral("%1 %1")), placeholders(QStringLiteral("%1")));
    EXPECT_NE(placeholders(QStringLiteral("%1")), placeholders(QStringLiteral("%1 %2")));
    EXPECT_EQ(placeholders(QStringLiteral("100% sure")), QStringList{});
    EXPECT_EQ(lineBreaks(QStringLiteral("a\r\n\r\nb")), 2);
}

} // namespace
