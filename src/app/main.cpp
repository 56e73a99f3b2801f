// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/DataFolderCheck.h"
#include "app/FrmMain.h"
#include "app/InstalledDefaults.h"
#include "app/SingleInstance.h"
#include "app/UiLanguage.h"
#include "library/PicturePackImport.h"
#include "platform/InterfaceScale.h"
#include "platform/KeyboardFilter.h"
#include "platform/KeyboardLock.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "ui/SoundBoard.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>
#include <optional>

namespace {

void complain(const QString& text)
{
    QTextStream(stderr) << "tintaloo: " << text << '\n';
}

// Help, version and mistakes end the program here, before any window.
std::optional<int> answerCommandLine(const CommandLine& commandLine, CommandLine::Outcome outcome)
{
    switch (outcome) {
    case CommandLine::Outcome::ShowHelp:
        QTextStream(stdout) << commandLine.helpText();
        return 0;
    case CommandLine::Outcome::ShowVersion:
        QTextStream(stdout) << CommandLine::versionText() << '\n';
        return 0;
    case CommandLine::Outcome::UsageError:
        complain(commandLine.errorText());
        QTextStream(stderr) << '\n' << commandLine.helpText();
        return CommandLine::UsageExitCode;
    case CommandLine::Outcome::Run:
        break;
    }
    return std::nullopt;
}

// A data folder without books gets the installed default books and help.
void seedFromInstalledDefaults(const ProgramFolder& folder)
{
    const QString defaults = InstalledDefaults::locate();
    if (defaults.isEmpty())
        complain(QCoreApplication::translate("main", "the default books were not found (looked in share/tintaloo "
                                                     "beside the program and in the system data folders)"));
    else if (!folder.seedDefaults(defaults))
        complain(QCoreApplication::translate("main", "some default books or help topics could not be copied into '%1'")
                     .arg(folder.root()));
}

QIcon programIcon()
{
    QIcon fallback;
    for (int size : {48, 64, 128, 256})
        fallback.addFile(QStringLiteral(":/icons/tintaloo-%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QStringLiteral("org.example.Tintaloo"), fallback);
}

// A later start brings the window to the front; a pack it was given is
// offered right away.
void acceptHandOvers(SingleInstance& instance, FrmMain& window)
{
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     [&window](const QString& pack, const QString& token) {
        window.bringToFront(token);
        if (pack.isEmpty())
            return;
        window.setPendingPack(pack);
        QMetaObject::invokeMethod(&window, &FrmMain::importPendingPack, Qt::QueuedConnection);
    });
}

// Asked with the same parser as everything else, so "-import-pack" means
// what "--import-pack" does. Qt's own options (-platform) are not known
// before an application takes them out; such a command line is read again
// once the application exists.
bool asksForPackImport(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine commandLine;
    return commandLine.parse(arguments) == CommandLine::Outcome::Run && !commandLine.importPack().isEmpty();
}

// Parses the arguments and checks the data folder they name (or the
// default one) into location; an exit code when the program ends here.
std::optional<int> readCommandLine(CommandLine& commandLine, QString& location)
{
    if (const auto exitCode = answerCommandLine(commandLine, commandLine.parse(QCoreApplication::arguments())))
        return exitCode;
    location = commandLine.dataDirGiven() ? commandLine.dataDir() : ProgramFolder::defaultLocation();
    if (const QString problem = DataFolderCheck::problemWith(location); !problem.isEmpty()) {
        complain(problem);
        return 1;
    }
    return std::nullopt;
}

// "--import-pack FILE" installs a pack for a script or a file manager: no
// window opens.
int importPack(const CommandLine& commandLine, const QString& location)
{
    ProgramFolder folder(location);
    seedFromInstalledDefaults(folder);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return importPicturePackFromCommandLine(folder, commandLine.importPack(), out, err);
}

// The import without a display.
int importPackWithoutWindows(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tintaloo"));
    UiLanguage language(app);
    language.installFromSystem();
    QCoreApplication::setApplicationVersion(CommandLine::versionText());
    CommandLine commandLine;
    QString location;
    if (const auto exitCode = readCommandLine(commandLine, location))
        return *exitCode;
    return importPack(commandLine, location);
}

} // namespace

int main(int argc, char** argv)
{
    if (asksForPackImport(argc, argv))
        return importPackWithoutWindows(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintaloo"));
    QApplication::setApplicationDisplayName(QStringLiteral("The Tintaloo"));
    // Before any window: every window is laid out in design pixels.
    InterfaceScale::applyForPrimaryScreen();
    // Before the command line, so that its help and mistakes are in the
    // family's language too.
    UiLanguage language(app);
    language.installFromSystem();
    QApplication::setApplicationVersion(CommandLine::versionText());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tintaloo"));
    QApplication::setQuitOnLastWindowClosed(false);

    CommandLine commandLine;
    QString location;
    if (const auto exitCode = readCommandLine(commandLine, location))
        return *exitCode;
    if (!commandLine.importPack().isEmpty())
        return importPack(commandLine, location);
    ProgramFolder folder(location);

    SingleInstance instance(folder.root());
    switch (instance.claim()) {
    case SingleInstance::Claim::AlreadyRunning:
        if (!instance.handOver(commandLine.packToOpen(), qEnvironmentVariable("XDG_ACTIVATION_TOKEN")))
            complain(QCoreApplication::translate("main", "Tintaloo is already running with the data folder '%1', but "
                                                         "did not answer.")
                         .arg(folder.root()));
        return 0;
    case SingleInstance::Claim::Failed:
        complain(instance.errorText());
        return 1;
    case SingleInstance::Claim::First:
        break;
    }

    seedFromInstalledDefaults(folder);
    QApplication::setWindowIcon(programIcon());

    // The application's own state: everything a window needs is handed to
    // it from here.
    Random random;
    SoundBoard sounds(random);
    KeyboardFilter keyboard;
    keyboard.setGrabber(KeyboardLock::forPlatform());

    FrmMain window({folder, random, sounds, keyboard});
    QObject::connect(&window, &FrmMain::programEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    acceptHandOvers(instance, window);
    // A pack opened from a file manager is offered once start-up shows the
    // window; the parent has already allowed it when packImport runs.
    window.setPackImport([&window, &folder](const QString& pack) { importPicturePackFile(&window, folder, pack); });
    window.setPendingPack(commandLine.packToOpen());

    if (!window.startUp() || window.hasEnded())
        return 0;
    return app.exec();
}
