// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's default books and help topics into the folder given as
// the first argument, from the drawings and topics in the source folder given
// as the second.
//
//   tintaloo_bookgen OUT_DIR SOURCE_DIR [--sheet FILE.png] [--depfile FILE.d TARGET]
//
// --sheet also writes a contact sheet of every picture, to look at.
// --depfile writes, in make's syntax, that TARGET depends on every drawing,
// topic and folder that was read.
#include "BookSheet.h"
#include "DefaultsWriter.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

// A path as a make rule needs it: spaces and hashes escaped, dollars doubled.
QString escapedForMake(QString path)
{
    path.replace(QLatin1Char('$'), QStringLiteral("$$"));
    path.replace(QLatin1Char('#'), QStringLiteral("\\#"));
    path.replace(QLatin1Char(' '), QStringLiteral("\\ "));
    return path;
}

bool writeDepfile(const QString& depfile, const QString& target, const QStringList& inputs)
{
    QFile file(depfile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out << escapedForMake(target) << ':';
    for (const QString& input : inputs)
        out << " \\\n  " << escapedForMake(input);
    out << '\n';
    out.flush();
    return out.status() == QTextStream::Ok && file.error() == QFile::NoError;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        QTextStream(stderr) << "usage: tintaloo_bookgen OUT_DIR SOURCE_DIR [--sheet FILE.png] [--depfile FILE.d TARGET]\n";
        return 2;
    }
    DefaultsWriter writer(args.at(1), args.at(2));
    bool ok = writer.writeBooks();
    ok = writer.writeHelp() && ok;
    const int sheetArg = int(args.indexOf(QStringLiteral("--sheet")));
    if (sheetArg > 0 && sheetArg + 1 < args.size() && !makeBookSheet(writer.pictures()).save(args.at(sheetArg + 1))) {
        QTextStream(stderr) << "tintaloo_bookgen: the contact sheet cannot be written\n";
        ok = false;
    }
    const int depfileArg = int(args.indexOf(QStringLiteral("--depfile")));
    if (depfileArg > 0 && depfileArg + 2 < args.size()
        && !writeDepfile(args.at(depfileArg + 1), args.at(depfileArg + 2), writer.inputs())) {
        QTextStream(stderr) << "tintaloo_bookgen: the depfile cannot be written\n";
        ok = false;
    }
    for (const QString& problem : writer.problems())
        QTextStream(stderr) << "tintaloo_bookgen: " << problem << '\n';
    return ok ? 0 : 1;
}
