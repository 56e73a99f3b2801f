// SPDX-License-Identifier: GPL-3.0-or-later
// A write killed at any moment (SIGKILL, as a crash or a power cut would
// end it) leaves the old file or the whole new one, never a broken one, and
// the next start cleans up what the write left behind.
#include "LibraryFixture.h"
#include "imaging/cDIBSection.h"
#include "imaging/mIntelJPEGLibrary.h"
#include "library/BookStore.h"
#include "platform/AtomicFile.h"
#include "platform/ImageFile.h"
#include "platform/Settings.h"
#include "platform/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include "support/TestTools.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Runs = 20;

void ageEverything(const QString& folder)
{
    const time_t then = ::time(nullptr) - 120;
    const struct timespec times[2] = {{then, 0}, {then, 0}};
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        ::utimensat(AT_FDCWD, QFile::encodeName(folder + QLatin1Char('/') + name).constData(), times, 0);
}

using Writer = std::function<void(int version, const std::function<void()>& beforeReplace)>;

// Kills a child process that writes the file Runs times: on even runs at a
// random moment while it writes the two versions by turns, on odd runs just
// before the new file replaces the old one. After each kill the file must be
// exactly one of the two versions and readable, and after the next start's
// clean-up it must be the only file in its folder.
void killWhileWriting(const TempDataFolder& data, const QString& path, const Writer& write,
                      const QByteArray (&versions)[2], const std::function<bool()>& readable)
{
    QRandomGenerator random(20261208);
    const QString folder = QFileInfo(path).absolutePath();
    int changed = 0;     // runs in which the child replaced the file
    int interrupted = 0; // runs that left a temporary file: killed mid-write
    QByteArray before = fileBytes(path);
    for (int run = 0; run < Runs; ++run) {
        const int other = before == versions[0] ? 1 : 0;
        std::fflush(nullptr);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (run % 2 == 1)
                write(other, [] { ::kill(::getpid(), SIGKILL); });
            for (int i = other;; i = 1 - i)
                write(i, {});
        }
        if (run % 2 == 0) {
            ::usleep(useconds_t(500 + random.bounded(20000)));
            ::kill(child, SIGKILL);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "run " << run;

        const QByteArray now = fileBytes(path);
        EXPECT_TRUE(now == versions[0] || now == versions[1]) << "run " << run << ": " << now.size() << " bytes";
        EXPECT_TRUE(readable()) << "run " << run;
        if (run % 2 == 1) {
            EXPECT_EQ(now, before) << "run " << run << ": killed before the replace";
        }
        changed += now != before;
        before = now;
        interrupted += QDir(folder).entryList(QDir::Files | QDir::Hidden).size() > 1;

        // The next start: whatever the write left behind is stale by then.
        ageEverything(folder);
        BookStore(data.folder()).removeStaleTemporaries();
        const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        EXPECT_FALSE(left.contains(QRegularExpression(QStringLiteral("^\\..*\\.[0-9A-Za-z]{6}$"))))
            << "run " << run << ": " << left.join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_GE(interrupted, Runs / 2);
    std::printf("killed %d times: %d after the file was replaced, %d during a write\n", Runs, changed, interrupted);
}

cDIBSection sectionOf(QRgb colour)
{
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(colour);
    cDIBSection dib;
    dib.CreateFromPicture(image);
    return dib;
}

} // namespace

TEST(KilledWrite, AColouredPictureIsAlwaysWhole)
{
    TempDataFolder data;
    makeFolder(data, QStringLiteral("/books/Animals"));
    const QString jpeg = data.root() + QStringLiteral("/colored pictures/Animals/cat.bmp.jpg");
    QDir().mkpath(QFileInfo(jpeg).absolutePath());
    const cDIBSection dibs[2] = {sectionOf(qRgb(200, 0, 0)), sectionOf(qRgb(0, 0, 200))};
    QByteArray versions[2];
    for (int i : {1, 0}) {
        mIntelJPEGLibrary::SaveJPG(dibs[i], jpeg, 90);
        versions[i] = fileBytes(jpeg);
    }
    const Writer write = [&](int i, const std::function<void()>& hook) {
        mIntelJPEGLibrary::SaveJPG(dibs[i], jpeg, 90, hook);
    };
    killWhileWriting(data, jpeg, write, versions, [&] { return !ImageFile::read(jpeg).isNull(); });
}

TEST(KilledWrite, AThumbnailIsAlwaysWhole)
{
    TempDataFolder data;
    writeSolid(data, QStringLiteral("/books/Animals/cat.bmp"), QSize(300, 200), qRgb(200, 0, 0));
    writeSolid(data, QStringLiteral("/books/Animals/dog.bmp"), QSize(200, 300), qRgb(0, 0, 200));
    const QString sources[2] = {data.root() + QStringLiteral("/books/Animals/cat.bmp"),
                                data.root() + QStringLiteral("/books/Animals/dog.bmp")};
    const QString thumb = data.root() + QStringLiteral("/books/Animals/cat.bmp.tnl");
    QByteArray versions[2];
    for (int i : {1, 0}) {
        BookStore::makeThumbnail(sources[i], thumb);
        versions[i] = fileBytes(thumb);
    }
    // The thumbnail's own bytes, written as makeThumbnail writes them (with a
    // place to stop just before the replace).
    const Writer write = [&](int i, const std::function<void()>& hook) {
        AtomicFile::Options options;
        options.beforeReplace = hook;
        AtomicFile::write(thumb, ImageFile::encodeBmp24(BookStore::thumbnailOf(ImageFile::read(sources[i]))),
                          options);
    };
    killWhileWriting(data, thumb, write, versions, [&] { return ImageFile::read(thumb).size() == QSize(100, 100); });
}

TEST(KilledWrite, TheSettingsFileIsAlwaysWhole)
{
    TempDataFolder data;
    Settings values[2];
    values[0].Bubble_speed = 2;
    values[0].Parental_Password = QStringLiteral("first");
    values[1].Bubble_speed = 10;
    values[1].Parental_Password = QStringLiteral("second, longer");
    const QString path = SettingsFile::pathIn(data.folder());
    const QByteArray versions[2] = {SettingsFile::encode(values[0]), SettingsFile::encode(values[1])};
    SettingsFile::write(path, values[0]);
    const Writer write = [&](int i, const std::function<void()>& hook) { SettingsFile::write(path, values[i], hook); };
    killWhileWriting(data, path, write, versions, [&] {
        Settings settings;
        return SettingsFile::read(SettingsFile::pathIn(data.folder()), settings);
    });
}
