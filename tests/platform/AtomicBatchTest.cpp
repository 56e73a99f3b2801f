// SPDX-License-Identifier: GPL-3.0-or-later
// Many small files put in place with one flush: each is whole or absent,
// a failure leaves no temporary file behind, and what is not committed goes.
#include "platform/AtomicBatch.h"
#include "platform/AtomicFile.h"
#include "support/TestTools.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

TEST(AtomicBatch, FilesAppearOnlyWhenCommittedAndWhole)
{
    QTemporaryDir dir;
    AtomicBatch batch;
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(batch.add(dir.filePath(QStringLiteral("p%1.bmp.tnl").arg(i)), QByteArray(1000 + i, char('a' + i))));
    EXPECT_EQ(batch.size(), 5);
    // Until then only hidden temporary files, which the start-up sweep knows.
    for (const QString& name : entries(dir.path()))
        EXPECT_TRUE(AtomicFile::isTemporaryName(name)) << name.toStdString();
    const QStringList placed = batch.commit();
    EXPECT_EQ(placed.size(), 5);
    EXPECT_EQ(batch.size(), 0);
    EXPECT_EQ(entries(dir.path()),
              (QStringList{"p0.bmp.tnl", "p1.bmp.tnl", "p2.bmp.tnl", "p3.bmp.tnl", "p4.bmp.tnl"}));
    EXPECT_EQ(fileBytes(dir.filePath(QStringLiteral("p3.bmp.tnl"))), QByteArray(1003, 'd'));
    // A new file gets the permissions AtomicFile gives one.
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(dir.filePath(QStringLiteral("p0.bmp.tnl"))).constData(), &st), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask);
}

TEST(AtomicBatch, WhatIsNotCommittedLeavesNothingBehind)
{
    QTemporaryDir dir;
    {
        AtomicBatch batch;
        ASSERT_TRUE(batch.add(dir.filePath(QStringLiteral("a.tnl")), "a"));
        batch.discard();
        EXPECT_TRUE(batch.commit().isEmpty());
        ASSERT_TRUE(batch.add(dir.filePath(QStringLiteral("b.tnl")), "b"));
    }
    EXPECT_TRUE(entries(dir.path()).isEmpty());
}

TEST(AtomicBatch, AFileThatCannotBeWrittenIsRefusedAndTheOthersGoOn)
{
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    if (::access(QFile::encodeName(locked).constData(), W_OK) == 0)
        GTEST_SKIP() << "running with the rights to write anywhere";
    AtomicBatch batch;
    EXPECT_FALSE(batch.add(locked + QStringLiteral("/a.tnl"), "a"));
    EXPECT_FALSE(batch.add(dir.filePath(QStringLiteral("missing/b.tnl")), "b"));
    EXPECT_TRUE(batch.add(dir.filePath(QStringLiteral("c.tnl")), "c"));
    EXPECT_EQ(batch.commit(), QStringList{dir.filePath(QStringLiteral("c.tnl"))});
    EXPECT_TRUE(entries(locked).isEmpty());
    EXPECT_EQ(entries(dir.path()), QStringList{"c.tnl"});
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(AtomicBatch, ReplacesAFileAndNeverALinksTarget)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("precious"));
    writeBytes(target, "precious");
    const QString link = dir.filePath(QStringLiteral("cat.bmp.tnl"));
    ASSERT_TRUE(QFile::link(target, link));
    AtomicBatch batch;
    ASSERT_TRUE(batch.add(link, "thumbnail"));
    ASSERT_EQ(batch.commit().size(), 1);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_EQ(fileBytes(link), QByteArray("thumbnail"));
    EXPECT_EQ(fileBytes(target), QByteArray("precious"));
}
