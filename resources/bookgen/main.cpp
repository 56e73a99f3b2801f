// Writes the program's default books and help topics into the folder given as
// the first argument, from the drawings and topics in the source folder given
// as the second.
//
//   tintaloo_bookgen OUT_DIR SOURCE_DIR [--sheet FILE.png]
//
// --sheet also writes a contact sheet of every picture, to look at.
#include "BookSheet.h"
#include "DefaultsWriter.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        QTextStream(stderr) << "usage: tintaloo_bookgen OUT_DIR SOURCE_DIR [--sheet FILE.png]\n";
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
    for (const QString& problem : writer.problems())
        QTextStream(stderr) << "tintaloo_bookgen: " << problem << '\n';
    return ok ? 0 : 1;
}
