// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing files whole: permissions, dates, failures with their reasons,
// links, and the clean-up of temporary files left by interrupted writes.
#include "platform/AppError.h"
#include "platform/AtomicFile.h"

#include "support/TestTools.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <fcntl.h>

namespace {

struct stat statOf(const QString& path)
{
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st;
}

} // namespace

TEST(AtomicFile, ReplacesAndKeepsPermissionsAndOnRequestDates)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cat.bmp.jpg"));
    writeBytes(path, QByteArray("old"));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    setAge(path, 3600);
    const struct stat before = statOf(path);

    AtomicFile::Options keep;
    keep.keepTimes = true;
    AtomicFile::write(path, QByteArray("new contents"), keep);
    EXPECT_EQ(fileBytes(path), QByteArray("new contents"));
    EXPECT_EQ(statOf(path).st_mode & 07777, 0640u);
    EXPECT_EQ(statOf(path).st_mtime, before.st_mtime);

    AtomicFile::write(path, QByteArray("newer"));
    EXPECT_GT(statOf(path).st_mtime, before.st_mtime);
    EXPECT_EQ(folderEntries(dir.path()), QStringList{QStringLiteral("cat.bmp.jpg")});
}

TEST(AtomicFile, GivesTheAskedPermissionsOrTheUsualOnes)
{
    QTemporaryDir dir;
    const QString own = dir.filePath(QStringLiteral("Settings.ini"));
    writeBytes(own, QByteArray("x"));
    QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    AtomicFile::Options ownerOnly;
    ownerOnly.permissions = QFile::ReadOwner | QFile::WriteOwner;
    AtomicFile::write(own, QByteArray("a"), ownerOnly);
    EXPECT_EQ(statOf(own).st_mode & 07777, 0600u);

    const mode_t mask = ::umask(022);
    ::umask(mask);
    const QString plain = dir.filePath(QStringLiteral("thumb.tnl"));
    AtomicFile::write(plain, QByteArray("b"));
    EXPECT_EQ(statOf(plain).st_mode & 07777, 0666u & ~mask);
}

TEST(AtomicFile, AFullDiskIsReportedAndLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cat.bmp.tnl"));
    const QByteArray old(30000, 'o');
    writeBytes(path, old);

    // A file size limit binds root too: the new file cannot be completed.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int number = errorNumber([&] { AtomicFile::write(path, QByteArray(20000, 'n')); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(number, ErrorNumber::DiskFull);
    EXPECT_EQ(fileBytes(path), old);
    EXPECT_EQ(folderEntries(dir.path()).size(), 1); // no temporary left behind
}

TEST(AtomicFile, FailsWhereNoFileCanBe)
{
    QTemporaryDir dir;
    EXPECT_EQ(errorNumber([&] { AtomicFile::write(dir.filePath(QStringLiteral("missing/x.bmp")), "x"); }),
              ErrorNumber::PathNotFound);
    writeBytes(dir.filePath(QStringLiteral("plain")), QByteArray("p"));
    EXPECT_EQ(errorNumber([&] { AtomicFile::write(dir.filePath(QStringLiteral("plain/x.bmp")), "x"); }),
              ErrorNumber::PathNotFound);
    QDir().mkpath(dir.filePath(QStringLiteral("folder")));
    EXPECT_EQ(errorNumber([&] { AtomicFile::write(dir.filePath(QStringLiteral("folder")), "x"); }),
              ErrorNumber::PathFileAccess);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    EXPECT_NE(errorNumber([&] { AtomicFile::write(QString(), "x"); }), 0);
    // A name too long for the folder at all.
    EXPECT_NE(errorNumber([&] { AtomicFile::write(dir.filePath(QString(252, QLatin1Char('a')) + ".tnl"), "x"); }),
              0);
    EXPECT_EQ(fileBytes(dir.filePath(QStringLiteral("plain"))), QByteArray("p"));
    EXPECT_EQ(folderEntries(dir.path()), (QStringList{QStringLiteral("folder"), QStringLiteral("plain")}));
}

TEST(AtomicFile, LongNamesUseTheShortTemporaryName)
{
    QTemporaryDir dir;
    // 250 characters: no room for the usual temporary suffix.
    const QString longName = dir.filePath(QString(246, QLatin1Char('a')) + QStringLiteral(".bmp"));
    AtomicFile::write(longName, QByteArray("long"));
    AtomicFile::write(longName, QByteArray("longer"));
    EXPECT_EQ(fileBytes(longName), QByteArray("longer"));
    EXPECT_EQ(folderEntries(dir.path()).size(), 1);
}

TEST(AtomicFile, ALinkIsReplacedAndItsTargetLeftAlone)
{
    QTemporaryDir outside;
    QTemporaryDir dir;
    const QString target = outside.filePath(QStringLiteral("precious.txt"));
    writeBytes(target, QByteArray("precious"));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    const QString link = dir.filePath(QStringLiteral("Settings.ini"));
    ASSERT_TRUE(QFile::link(target, link));

    AtomicFile::Options ownerOnly;
    ownerOnly.permissions = QFile::ReadOwner | QFile::WriteOwner;
    AtomicFile::write(link, QByteArray("settings"), ownerOnly);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_EQ(fileBytes(link), QByteArray("settings"));
    EXPECT_EQ(fileBytes(target), QByteArray("precious"));
    EXPECT_EQ(statOf(target).st_mode & 07777, 0644u);
}

TEST(AtomicFile, OnlyStaleTemporariesOfItsOwnAreRemoved)
{
    QTemporaryDir outside;
    QTemporaryDir dir;
    const QString precious = outside.filePath(QStringLiteral("precious.tnl"));
    writeBytes(precious, QByteArray("p"));
    const QStringList stale = {QStringLiteral(".cat.bmp.tnl.a1B2c3"), QStringLiteral(".cat.bmp.jpg.Zz09xy"),
                               QStringLiteral(".tintaloo.abcdef"), QStringLiteral(".Settings.ini.q1w2e3")};
    const QStringList kept = {QStringLiteral(".cat.bmp.tnl.young1"), // younger than a minute
                              QStringLiteral(".notes.txt.abcdef"),   // not a file of ours
                              QStringLiteral(".cat.bmp.tnl.abc"),    // not the pattern
                              QStringLiteral("cat.bmp.tnl.abcdef"), QStringLiteral("cat.bmp")};
    for (const QString& name : stale + kept)
        writeBytes(dir.filePath(name), QByteArray("t"));
    for (const QString& name : stale + kept)
        if (name != QStringLiteral(".cat.bmp.tnl.young1"))
            setAge(dir.filePath(name), 120);
    // A stale name that is a link: the link goes, its target stays.
    ASSERT_TRUE(QFile::link(precious, dir.filePath(QStringLiteral(".dog.gif.tnl.L1nk00"))));
    setAge(dir.filePath(QStringLiteral(".dog.gif.tnl.L1nk00")), 120);

    EXPECT_EQ(AtomicFile::removeStaleTemporaries(dir.path()), stale.size() + 1);
    QStringList expected = kept;
    expected.sort();
    EXPECT_EQ(folderEntries(dir.path()), expected);
    EXPECT_EQ(fileBytes(precious), QByteArray("p"));
}
