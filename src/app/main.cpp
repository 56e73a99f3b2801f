#include "platform/ProgramFolder.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ProgramFolder folder(ProgramFolder::locationFromArguments(app.arguments()));
    folder.seedDefaults();
    return 0;
}
