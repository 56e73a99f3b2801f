// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a known number of bytes into memory made resident first: every
// byte arrives where it belongs, whatever the buffer's alignment, and a file
// that gives fewer is refused rather than padded.
#include "platform/FileBytes.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray pattern(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 131 + i / 4099) & 0xFF);
    return bytes;
}

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QStringLiteral("data.bin"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

} // namespace

TEST(FileBytes, LargeAndSmallReadsFromAnyPositionGiveTheFileBytes)
{
    QTemporaryDir dir;
    // Large enough for the resident path, and an odd size so the buffer's
    // last page is partly outside the populated range.
    const QByteArray content = pattern(3 * 1024 * 1024 + 4097);
    const QString path = writeFile(dir, content);
    ASSERT_FALSE(path.isEmpty());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    QByteArray head;
    ASSERT_TRUE(FileBytes::readExactly(file, 7, head));
    EXPECT_EQ(head, content.first(7));
    QByteArray rest;
    ASSERT_TRUE(FileBytes::readExactly(file, content.size() - 7, rest));
    EXPECT_TRUE(rest == content.sliced(7));

    QByteArray none;
    ASSERT_TRUE(file.seek(0));
    EXPECT_TRUE(FileBytes::readExactly(file, 0, none));
    EXPECT_TRUE(none.isEmpty());
}

TEST(FileBytes, AFileShorterThanAskedIsRefusedAndLeavesNothing)
{
    QTemporaryDir dir;
    const QByteArray content = pattern(600 * 1024);
    const QString path = writeFile(dir, content);
    ASSERT_FALSE(path.isEmpty());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes("left over");
    EXPECT_FALSE(FileBytes::readExactly(file, content.size() + 1, bytes));
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_FALSE(FileBytes::readExactly(file, -1, bytes));
}
