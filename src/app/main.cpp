#include "app/FrmMain.h"
#include "platform/KeyboardFilter.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "ui/SoundBoard.h"

#include <QApplication>

int main(int argc, char** argv)
{
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
