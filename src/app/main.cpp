#include "app/FrmMain.h"
#include "library/PicturePackImport.h"
#include "platform/KeyboardFilter.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "ui/SoundBoard.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

namespace {

// "--import-pack FILE": the file, or an empty text when not asked.
QString packToImport(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "--import-pack") == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    return {};
}

// Installs a picture pack without opening any window (no display needed).
int importPackWithoutWindows(int argc, char** argv, const QString& pack)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tintaloo"));
    ProgramFolder folder(ProgramFolder::locationFromArguments(QCoreApplication::arguments()));
    folder.seedDefaults();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return importPicturePackFromCommandLine(folder, pack, out, err);
}

} // namespace

int main(int argc, char** argv)
{
    const QString pack = packToImport(argc, argv);
    if (!pack.isEmpty())
        return importPackWithoutWindows(argc, argv, pack);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintaloo"));
    QApplication::setApplicationDisplayName(QStringLiteral("The Tintaloo"));
    QApplication::setQuitOnLastWindowClosed(false);

    // The application's own state: everything a window needs is handed to
    // it from here.
    ProgramFolder folder(ProgramFolder::locationFromArguments(QApplication::arguments()));
    folder.seedDefaults();
    Random random;
    SoundBoard sounds(random);
    KeyboardFilter keyboard;

    FrmMain window({folder, random, sounds, keyboard});
    QObject::connect(&window, &FrmMain::programEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!window.Form_Load() || window.hasEnded())
        return 0;
    return app.exec();
}
