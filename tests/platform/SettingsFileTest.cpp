// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Settings.h"
#include "platform/SettingsFile.h"
#include "platform/AppError.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include "support/TestTools.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QByteArray GoodFile(" 1 \r\n 0 \r\n 1 \r\n 1 \r\n 10 \r\nsecret\r\nmy hint\r\n");

class SettingsFileTest : public ::testing::Test
{
protected:
    QString path() const { return data.path(QStringLiteral("/Settings.ini")); }
    bool readFile(const QByteArray& bytes)
    {
        data.writeFile(QStringLiteral("/Settings.ini"), bytes);
        return SettingsFile::read(path(), settings);
    }

    TempDataFolder data;
    Settings settings;
};

} // namespace

TEST_F(SettingsFileTest, ReadsTheSevenLines)
{
    ASSERT_TRUE(readFile(GoodFile));
    EXPECT_TRUE(settings.Play_Sound);
    EXPECT_TRUE(settings.Quit_Needs_Permission);
    EXPECT_TRUE(settings.Auto_hide);
    EXPECT_TRUE(settings.Use_Parental_password);
    EXPECT_EQ(settings.Bubble_speed, 10.0f);
    EXPECT_EQ(settings.Parental_Password, QStringLiteral("secret"));
    EXPECT_EQ(settings.Parental_Password_Hint, QStringLiteral("my hint"));
}

TEST_F(SettingsFileTest, WriteThenReadGivesTheSameBytesAndValues)
{
    Settings values;
    values.Play_Sound = true;
    values.Quit_Needs_Permission = false;
    values.Auto_hide = false;
    values.Use_Parental_password = true;
    values.Bubble_speed = 2;
    values.Parental_Password = QStringLiteral("  Gr\u00f6\u00dfe ");
    values.Parental_Password_Hint = QStringLiteral("the usual");
    SettingsFile::write(path(), values);

    const QByteArray expected = QByteArray(" 1 \r\n 1 \r\n 0 \r\n 1 \r\n 2 \r\n  Gr\xf6\xdf" "e \r\nthe usual\r\n");
    EXPECT_EQ(fileBytes(path()), expected);

    ASSERT_TRUE(SettingsFile::read(path(), settings));
    EXPECT_TRUE(settings.Play_Sound);
    EXPECT_FALSE(settings.Quit_Needs_Permission);
    EXPECT_FALSE(settings.Auto_hide);
    EXPECT_EQ(settings.Bubble_speed, 2.0f);
    EXPECT_EQ(settings.Parental_Password, values.Parental_Password);

    // What was read, written again, is the same file byte for byte.
    EXPECT_EQ(SettingsFile::encode(settings), expected);
}

TEST_F(SettingsFileTest, NoSpeedIsWrittenAsAnEmptyLineThatTheReaderRefuses)
{
    Settings values;
    values.Bubble_speed = 0;
    SettingsFile::write(path(), values);
    EXPECT_EQ(fileBytes(path()), QByteArray(" 0 \r\n 0 \r\n 0 \r\n 0 \r\n\r\n\r\n\r\n"));
    EXPECT_FALSE(SettingsFile::read(path(), settings));
}

TEST_F(SettingsFileTest, EachBrokenFileFailsTheRead)
{
    EXPECT_FALSE(SettingsFile::read(path(), settings)) << "missing file";
    EXPECT_FALSE(readFile(" 1 \r\n 0 \r\n 1 \r\n 1 \r\n 10 \r\nsecret\r\n")) << "six lines";
    EXPECT_FALSE(readFile(" 1 \r\n 0 \r\n 1 \r\n 1 \r\n\r\nsecret\r\nhint\r\n")) << "empty line 5";
    EXPECT_FALSE(readFile(" 1 \r\n 0 \r\nabc\r\n 1 \r\n 4 \r\nsecret\r\nhint\r\n")) << "abc on line 3";
    EXPECT_FALSE(readFile("")) << "empty file";
    EXPECT_FALSE(readFile(" 1 \r\n 0 \r\n 1 \r\n 1 \r\n inf \r\nsecret\r\nhint\r\n")) << "not a finite number";
}

TEST_F(SettingsFileTest, AFailurePartWayKeepsTheValuesAlreadyRead)
{
    settings.Play_Sound = false;
    settings.Quit_Needs_Permission = false;
    settings.Auto_hide = true;
    settings.Parental_Password = QStringLiteral("before");
    EXPECT_FALSE(readFile(" 1 \r\n 0 \r\nabc\r\n 1 \r\n 4 \r\nsecret\r\nhint\r\n"));
    EXPECT_TRUE(settings.Play_Sound);
    EXPECT_TRUE(settings.Quit_Needs_Permission);
    EXPECT_TRUE(settings.Auto_hide) << "line 3 failed: its value stays";
    EXPECT_EQ(settings.Parental_Password, QStringLiteral("before"));
}

TEST_F(SettingsFileTest, PasswordKeepsItsBlanks)
{
    ASSERT_TRUE(readFile(" 1 \r\n 0 \r\n 0 \r\n 1 \r\n 4 \r\n  two words  \r\n hint \r\n"));
    EXPECT_EQ(settings.Parental_Password, QStringLiteral("  two words  "));
    EXPECT_EQ(settings.Parental_Password_Hint, QStringLiteral(" hint "));
}

TEST_F(SettingsFileTest, OnlyOneOnLineTwoLetsTheChildQuitFreely)
{
    ASSERT_TRUE(readFile(" 1 \r\n 1 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n"));
    EXPECT_FALSE(settings.Quit_Needs_Permission);
    ASSERT_TRUE(readFile(" 1 \r\n 0 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n"));
    EXPECT_TRUE(settings.Quit_Needs_Permission);
    ASSERT_TRUE(readFile(" 1 \r\n 2 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n"));
    EXPECT_TRUE(settings.Quit_Needs_Permission);
}

TEST_F(SettingsFileTest, LinesAfterTheSeventhAreIgnored)
{
    ASSERT_TRUE(readFile(GoodFile + "extra\r\n 99 \r\nmore"));
    EXPECT_EQ(settings.Parental_Password_Hint, QStringLiteral("my hint"));
}

TEST_F(SettingsFileTest, DecimalValuesTakeTheirIntegerPart)
{
    ASSERT_TRUE(readFile(" 0.9 \r\n 1.5 \r\n-0.5\r\n 0 \r\n 4.7 \r\n\r\n\r\n"));
    EXPECT_FALSE(settings.Play_Sound) << "0.9 rounds down to 0";
    EXPECT_FALSE(settings.Quit_Needs_Permission) << "1.5 rounds down to 1";
    EXPECT_TRUE(settings.Auto_hide) << "-0.5 rounds down to -1";
    EXPECT_EQ(settings.Bubble_speed, 4.0f);
}

TEST_F(SettingsFileTest, HandEditedFileWithLineFeedsOnlyIsRead)
{
    ASSERT_TRUE(readFile(" 1 \n 0 \n 0 \n 1 \n 2 \npass\nhint"));
    EXPECT_EQ(settings.Bubble_speed, 2.0f);
    EXPECT_EQ(settings.Parental_Password, QStringLiteral("pass"));
    EXPECT_EQ(settings.Parental_Password_Hint, QStringLiteral("hint"));
}

TEST_F(SettingsFileTest, WrittenFileIsReadableByItsOwnerOnly)
{
    data.writeFile(QStringLiteral("/settings.ini"), GoodFile);
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    SettingsFile::write(path(), Settings{});
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                        | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(path()) & others, QFileDevice::Permissions());
    EXPECT_TRUE(QFile::permissions(path()) & QFile::ReadOwner);

    const QString fresh = data.root() + QStringLiteral("/fresh.ini");
    SettingsFile::write(fresh, Settings{});
    EXPECT_EQ(QFile::permissions(fresh) & others, QFileDevice::Permissions());
}

TEST_F(SettingsFileTest, TextOutsideTheCodePageIsRefusedAndTheOldFileKept)
{
    data.writeFile(QStringLiteral("/settings.ini"), GoodFile);
    Settings values;
    values.Parental_Password = QStringLiteral("\u263A smile");
    EXPECT_THROW(SettingsFile::write(path(), values), AppError);
    values.Parental_Password = QStringLiteral("two\r\nlines");
    EXPECT_THROW(SettingsFile::write(path(), values), AppError);
    EXPECT_EQ(fileBytes(path()), GoodFile);
}

TEST_F(SettingsFileTest, WriteIntoAMissingFolderThrows)
{
    EXPECT_THROW(SettingsFile::write(data.root() + QStringLiteral("/no/such/settings.ini"), {}), AppError);
}

TEST_F(SettingsFileTest, AWriteKilledBeforeItsRenameLeavesTheOldFileWhole)
{
    data.writeFile(QStringLiteral("/settings.ini"), GoodFile);
    const QString target = path();
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Settings values;
        values.Parental_Password = QStringLiteral("new password");
        try {
            SettingsFile::write(target, values, [] { ::kill(::getpid(), SIGKILL); });
        } catch (...) {
        }
        _exit(3); // not reached: the process dies before the rename
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);

    EXPECT_EQ(fileBytes(target), GoodFile);
    ASSERT_TRUE(SettingsFile::read(target, settings));
    EXPECT_EQ(settings.Parental_Password, QStringLiteral("secret"));
    // The half-done temporary file, if any, sits beside it under another name.
    const QStringList names = QDir(data.root()).entryList(QDir::Files);
    EXPECT_TRUE(names.contains(QStringLiteral("settings.ini")));
}

TEST_F(SettingsFileTest, AWriteCutShortByAFullDiskLeavesTheOldFileWhole)
{
    data.writeFile(QStringLiteral("/settings.ini"), GoodFile);
    const QString target = path();
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Files of this process may not grow past 12 bytes: the write comes up short.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{12, 12};
        setrlimit(RLIMIT_FSIZE, &limit);
        Settings values;
        values.Parental_Password = QStringLiteral("a rather long new password");
        try {
            SettingsFile::write(target, values);
        } catch (const AppError&) {
            _exit(0);
        }
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failure must be reported";
    EXPECT_EQ(fileBytes(target), GoodFile);
    EXPECT_EQ(QDir(data.root()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("settings.ini")});
}

TEST_F(SettingsFileTest, OnlyARegularFileOfASaneSizeIsRead)
{
    // Each of these takes the unreadable-file path at once: a FIFO would
    // block, /dev/zero never ends, a 200 MB line takes most of a minute.
    const QString fifo = data.root() + QStringLiteral("/fifo.ini");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(SettingsFile::read(fifo, settings));

    const QString zero = data.root() + QStringLiteral("/zero.ini");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    EXPECT_FALSE(SettingsFile::read(zero, settings));

    const QString huge = data.root() + QStringLiteral("/huge.ini");
    data.writeFile(QStringLiteral("/huge.ini"), GoodFile);
    ASSERT_TRUE(QFile::resize(huge, 200LL * 1024 * 1024)); // sparse: one long line of zero bytes
    EXPECT_FALSE(SettingsFile::read(huge, settings));

    // Just under the limit is still a settings file.
    ASSERT_TRUE(QFile::resize(huge, SettingsFile::MaxBytes - 1));
    EXPECT_TRUE(SettingsFile::read(huge, settings));
}

TEST_F(SettingsFileTest, TwoSpellingsOfTheNameAreOneFileForReaderAndWriter)
{
    data.writeFile(QStringLiteral("/settings.ini"), GoodFile);
    data.writeFile(QStringLiteral("/Settings.ini"), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 4 \r\nother\r\n\r\n");
    const QString chosen = SettingsFile::pathIn(data.folder());
    Settings values;
    values.Bubble_speed = 2;
    values.Parental_Password = QStringLiteral("written");
    SettingsFile::write(SettingsFile::pathIn(data.folder()), values);
    ASSERT_TRUE(SettingsFile::read(SettingsFile::pathIn(data.folder()), settings));
    EXPECT_EQ(settings.Parental_Password, QStringLiteral("written"));
    EXPECT_EQ(SettingsFile::pathIn(data.folder()), chosen);
    EXPECT_EQ(QFileInfo(SettingsFile::pathIn(data.folder())).fileName(), QStringLiteral("Settings.ini"));
    // Without any file the name is the usual one.
    TempDataFolder empty;
    EXPECT_EQ(SettingsFile::pathIn(empty.folder()), empty.root() + QStringLiteral("/Settings.ini"));
}

TEST_F(SettingsFileTest, ALinkedFileIsReplacedAndItsTargetLeftAlone)
{
    QTemporaryDir outside;
    const QString target = outside.filePath(QStringLiteral("precious.txt"));
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("precious");
    }
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    ASSERT_TRUE(QFile::link(target, path()));
    SettingsFile::write(path(), Settings{});
    EXPECT_FALSE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(fileBytes(target), QByteArray("precious"));
    EXPECT_EQ(QFile::permissions(target) & QFile::ReadOther, QFile::ReadOther);
}
