// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/DataFolderCheck.h"
#include "app/InstalledDefaults.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include "support/TestTools.h"

#include <gtest/gtest.h>

namespace {

CommandLine::Outcome parse(CommandLine& line, QStringList arguments)
{
    arguments.prepend(QStringLiteral("tintaloo"));
    return line.parse(arguments);
}

} // namespace

TEST(CommandLine, PlainStartRunsOnThePerUserFolder)
{
    CommandLine line;
    EXPECT_EQ(parse(line, {}), CommandLine::Outcome::Run);
    EXPECT_FALSE(line.dataDirGiven());
    EXPECT_TRUE(line.importPack().isEmpty());
    EXPECT_TRUE(line.packToOpen().isEmpty());
}

TEST(CommandLine, DataDirAndPacksAreTakenInEitherSpelling)
{
    CommandLine spaced;
    EXPECT_EQ(parse(spaced, {QStringLiteral("--data-dir"), QStringLiteral("/srv/kids"), QStringLiteral("/tmp/a b.tpk")}),
              CommandLine::Outcome::Run);
    EXPECT_TRUE(spaced.dataDirGiven());
    EXPECT_EQ(spaced.dataDir(), QStringLiteral("/srv/kids"));
    EXPECT_EQ(spaced.packToOpen(), QStringLiteral("/tmp/a b.tpk"));

    CommandLine joined;
    EXPECT_EQ(parse(joined, {QStringLiteral("--data-dir=rel dir"), QStringLiteral("--import-pack=x.tpk")}),
              CommandLine::Outcome::Run);
    EXPECT_EQ(joined.dataDir(), QStringLiteral("rel dir"));
    EXPECT_EQ(joined.importPack(), QStringLiteral("x.tpk"));
    EXPECT_TRUE(joined.packToOpen().isEmpty());
}

TEST(CommandLine, HelpAndVersionFollowQtConventions)
{
    for (const char* option : {"--help", "-h"}) {
        CommandLine line;
        EXPECT_EQ(parse(line, {QString::fromLatin1(option)}), CommandLine::Outcome::ShowHelp) << option;
        EXPECT_TRUE(line.helpText().contains(QStringLiteral("--data-dir <dir>")));
        EXPECT_TRUE(line.helpText().contains(QStringLiteral("--import-pack <file>")));
        EXPECT_TRUE(line.helpText().contains(QStringLiteral("[pack]")));
    }
    for (const char* option : {"--version", "-v"}) {
        CommandLine line;
        EXPECT_EQ(parse(line, {QString::fromLatin1(option)}), CommandLine::Outcome::ShowVersion) << option;
    }
    EXPECT_EQ(CommandLine::versionText(), QStringLiteral("The Tintaloo Version 6.0"));
}

TEST(CommandLine, MistakesAreUsageErrors)
{
    const QList<QStringList> mistakes = {
        {QStringLiteral("--bogus")},
        {QStringLiteral("-x")},
        {QStringLiteral("--data-dir")},
        {QStringLiteral("--import-pack=")},
        {QStringLiteral("one.tpk"), QStringLiteral("two.tpk")},
    };
    for (const QStringList& arguments : mistakes) {
        CommandLine line;
        EXPECT_EQ(parse(line, arguments), CommandLine::Outcome::UsageError) << arguments.join(' ').toStdString();
        EXPECT_FALSE(line.errorText().isEmpty());
    }
    CommandLine unknown;
    parse(unknown, {QStringLiteral("--bogus")});
    EXPECT_TRUE(unknown.errorText().contains(QStringLiteral("bogus")));
    EXPECT_EQ(CommandLine::UsageExitCode, 2);
}

TEST(DataFolderCheck, MissingFoldersAreCreatedAndUsableOnesPass)
{
    TempDataFolder data;
    const QString nested = data.root() + QStringLiteral("/new/nested");
    EXPECT_EQ(DataFolderCheck::problemWith(nested), QString());
    EXPECT_TRUE(QFileInfo(nested).isDir());
    EXPECT_EQ(DataFolderCheck::problemWith(nested), QString());
    // The write test leaves nothing behind.
    EXPECT_TRUE(QDir(nested).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

TEST(DataFolderCheck, FilesAndUnwritablePlacesAreRefusedWithAReason)
{
    TempDataFolder data;
    const QString file = data.root() + QStringLiteral("/a file");
    writeBytes(file);
    EXPECT_TRUE(DataFolderCheck::problemWith(file).contains(QStringLiteral("is a file, not a folder")));
    const QString below = DataFolderCheck::problemWith(file + QStringLiteral("/inside"));
    EXPECT_TRUE(below.contains(QStringLiteral("cannot be created"))) << below.toStdString();
    EXPECT_TRUE(below.contains(file));
    // Not even the superuser can make folders here.
    EXPECT_FALSE(DataFolderCheck::problemWith(QStringLiteral("/proc/tintaloo-data")).isEmpty());
    EXPECT_FALSE(DataFolderCheck::problemWith(QString()).isEmpty());
}

TEST(InstalledDefaults, ThePackagesOwnCopyComesBeforeTheSystemOnes)
{
    QTemporaryDir root;
    const QString prefix = root.path() + QStringLiteral("/usr");
    const QString system = root.path() + QStringLiteral("/system");
    QDir().mkpath(system + QStringLiteral("/tintaloo/books"));
    QDir().mkpath(prefix + QStringLiteral("/bin"));

    // Nothing beside the program: the system's data folders.
    EXPECT_EQ(InstalledDefaults::locateFrom(prefix + QStringLiteral("/bin"), {root.path() + "/none", system}),
              system + QStringLiteral("/tintaloo"));
    // A copy beside the program wins, wherever the package was unpacked.
    QDir().mkpath(prefix + QStringLiteral("/share/tintaloo/books"));
    EXPECT_EQ(InstalledDefaults::locateFrom(prefix + QStringLiteral("/bin"), {system}),
              prefix + QStringLiteral("/share/tintaloo"));
    // A folder without books does not count.
    EXPECT_EQ(InstalledDefaults::locateFrom(root.path() + QStringLiteral("/none/bin"), {root.path()}), QString());
}

TEST(InstalledDefaults, TheBuildTreeHasTheInstalledLayout)
{
    const QString programDir = QFileInfo(QStringLiteral(TINTALOO_EXECUTABLE)).absolutePath();
    EXPECT_EQ(InstalledDefaults::locateFrom(programDir, {}),
              QFileInfo(QStringLiteral(TINTALOO_DEFAULTS_DIR)).absoluteFilePath());
}
