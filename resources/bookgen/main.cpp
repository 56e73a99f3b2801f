// Writes the program's default books and help topics into the folder given as
// the first argument, from the drawings and topics in the source folder given
// as the second, together with defaults.qrc that lists them.
#include "DefaultsWriter.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        QTextStream(stderr) << "usage: tintaloo_bookgen OUT_DIR SOURCE_DIR\n";
        return 2;
    }
    DefaultsWriter writer(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    bool ok = writer.writeBooks();
    ok = writer.writeHelp() && ok;
    ok = writer.writeQrc() && ok;
    for (const QString& problem : writer.problems())
        QTextStream(stderr) << "tintaloo_bookgen: " << problem << '\n';
    return ok ? 0 : 1;
}
