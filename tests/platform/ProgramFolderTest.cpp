// SPDX-License-Identifier: GPL-3.0-or-later
// The program's folder: case-insensitive paths, --data-dir, seeding.
#include "platform/ProgramFolder.h"
#include "support/TempDataFolder.h"

#include "support/TestTools.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

void touch(const QString& path, const QByteArray& bytes = "x") { writeBytes(path, bytes); }

} // namespace

TEST(ProgramFolder, ResolvesExistingComponentsWithoutRegardToCase)
{
    TempDataFolder data;
    touch(data.root() + QStringLiteral("/Books/Animals/Cat.BMP"));
    const ProgramFolder& folder = data.folder();
    EXPECT_EQ(folder.path(QStringLiteral("/books/animals/cat.bmp")), data.root() + QStringLiteral("/Books/Animals/Cat.BMP"));
    EXPECT_EQ(folder.path(QStringLiteral("/BOOKS/ANIMALS")), data.root() + QStringLiteral("/Books/Animals"));
    EXPECT_EQ(folder.path(QStringLiteral("/Books/Animals/Cat.BMP")), data.root() + QStringLiteral("/Books/Animals/Cat.BMP"));
}

TEST(ProgramFolder, SettingsIniFindsLowerCaseSettingsIni)
{
    TempDataFolder data;
    touch(data.root() + QStringLiteral("/settings.ini"));
    EXPECT_EQ(data.path(QStringLiteral("/Settings.ini")), data.root() + QStringLiteral("/settings.ini"));
}

TEST(ProgramFolder, NonExistingComponentsAreKeptAsGiven)
{
    TempDataFolder data;
    QDir().mkpath(data.root() + QStringLiteral("/Colored Pictures"));
    EXPECT_EQ(data.path(QStringLiteral("/colored pictures/Animals/cat.bmp.jpg")),
              data.root() + QStringLiteral("/Colored Pictures/Animals/cat.bmp.jpg"));
    EXPECT_EQ(data.path(QStringLiteral("/temp.bmp")), data.root() + QStringLiteral("/temp.bmp"));
    EXPECT_EQ(data.path(QStringLiteral("/No/Such/Thing")), data.root() + QStringLiteral("/No/Such/Thing"));
}

TEST(ProgramFolder, AnExactMatchWinsOverOtherCases)
{
    TempDataFolder data;
    touch(data.root() + QStringLiteral("/Help.htm"), "upper");
    touch(data.root() + QStringLiteral("/help.htm"), "lower");
    EXPECT_EQ(data.path(QStringLiteral("/help.htm")), data.root() + QStringLiteral("/help.htm"));
    EXPECT_EQ(data.path(QStringLiteral("/Help.htm")), data.root() + QStringLiteral("/Help.htm"));
}

TEST(ProgramFolder, KeepsATrailingSeparatorAndCleansTheRoot)
{
    TempDataFolder data;
    QDir().mkpath(data.root() + QStringLiteral("/Books/Own Pictures"));
    EXPECT_EQ(data.path(QStringLiteral("/books/own pictures/")), data.root() + QStringLiteral("/Books/Own Pictures/"));
    const ProgramFolder withSlash(data.root() + QStringLiteral("//"));
    EXPECT_EQ(withSlash.root(), data.root());
    EXPECT_FALSE(withSlash.root().endsWith(QLatin1Char('/')));
    EXPECT_EQ(ProgramFolder::resolve(QStringLiteral("/"), QStringLiteral("/tmp")), QStringLiteral("/tmp"));
    EXPECT_EQ(ProgramFolder::resolve(QStringLiteral("/"), QString()), QStringLiteral("/"));
    EXPECT_EQ(ProgramFolder::resolve(data.root() + QStringLiteral("/"), QStringLiteral("/books")),
              data.root() + QStringLiteral("/Books"));
}

TEST(ProgramFolder, RelativeRootsBecomeAbsolute)
{
    const ProgramFolder folder(QStringLiteral("some/relative/dir"));
    EXPECT_TRUE(QDir::isAbsolutePath(folder.root()));
    EXPECT_TRUE(folder.root().endsWith(QStringLiteral("/some/relative/dir")));
}

TEST(ProgramFolder, SeedingCopiesDefaultsIntoAFolderWithoutBooks)
{
    QTemporaryDir defaults;
    touch(defaults.path() + QStringLiteral("/books/Animals/cat.bmp"), "cat");
    touch(defaults.path() + QStringLiteral("/books/Animals/cat.bmp.tnl"), "thumb");
    touch(defaults.path() + QStringLiteral("/help/index.htm"), "help");
    QFile::setPermissions(defaults.path() + QStringLiteral("/help/index.htm"), QFile::ReadOwner); // like a resource

    TempDataFolder data;
    EXPECT_TRUE(data.folder().seedDefaults(defaults.path()));
    EXPECT_EQ(fileBytes(data.root() + QStringLiteral("/books/Animals/cat.bmp")), QByteArray("cat"));
    EXPECT_EQ(fileBytes(data.root() + QStringLiteral("/books/Animals/cat.bmp.tnl")), QByteArray("thumb"));
    EXPECT_EQ(fileBytes(data.root() + QStringLiteral("/help/index.htm")), QByteArray("help"));
    // Copies are the user's files: readable and writable by the owner.
    const QFile::Permissions p = QFile::permissions(data.root() + QStringLiteral("/help/index.htm"));
    EXPECT_TRUE(p & QFile::WriteOwner);
    EXPECT_TRUE(p & QFile::ReadOwner);
}

TEST(ProgramFolder, SeedingNeverOverwrites)
{
    QTemporaryDir defaults;
    touch(defaults.path() + QStringLiteral("/books/Animals/cat.bmp"), "default cat");
    touch(defaults.path() + QStringLiteral("/help/index.htm"), "default help");

    TempDataFolder data;
    // No books yet, but the user already has a (differently cased) help page.
    touch(data.root() + QStringLiteral("/Help/Index.htm"), "my help");
    EXPECT_TRUE(data.folder().seedDefaults(defaults.path()));
    EXPECT_EQ(fileBytes(data.root() + QStringLiteral("/Help/Index.htm")), QByteArray("my help"));
    EXPECT_FALSE(QFileInfo::exists(data.root() + QStringLiteral("/help/index.htm")));
    EXPECT_EQ(fileBytes(data.root() + QStringLiteral("/books/Animals/cat.bmp")), QByteArray("default cat"));
}

TEST(ProgramFolder, AFolderWithBooksIsNotSeeded)
{
    QTemporaryDir defaults;
    touch(defaults.path() + QStringLiteral("/books/Animals/cat.bmp"), "default cat");
    touch(defaults.path() + QStringLiteral("/help/index.htm"), "default help");

    TempDataFolder data;
    QDir().mkpath(data.root() + QStringLiteral("/Books")); // any case counts
    EXPECT_TRUE(data.folder().seedDefaults(defaults.path()));
    EXPECT_FALSE(QFileInfo::exists(data.root() + QStringLiteral("/Books/Animals")));
    EXPECT_FALSE(QFileInfo::exists(data.root() + QStringLiteral("/help")));
}

TEST(ProgramFolder, SeedingCreatesAMissingProgramFolder)
{
    QTemporaryDir defaults;
    touch(defaults.path() + QStringLiteral("/books/Animals/cat.bmp"), "cat");
    QTemporaryDir parent;
    const ProgramFolder folder(parent.path() + QStringLiteral("/new/Tintaloo"));
    EXPECT_TRUE(folder.seedDefaults(defaults.path() + QStringLiteral("/")));
    EXPECT_EQ(fileBytes(folder.root() + QStringLiteral("/books/Animals/cat.bmp")), QByteArray("cat"));
    // Seeding again changes nothing and succeeds.
    touch(folder.root() + QStringLiteral("/books/Animals/cat.bmp"), "coloured");
    EXPECT_TRUE(folder.seedDefaults(defaults.path()));
    EXPECT_EQ(fileBytes(folder.root() + QStringLiteral("/books/Animals/cat.bmp")), QByteArray("coloured"));
}
