// SPDX-License-Identifier: GPL-3.0-or-later
// The real program, started as a separate process on the offscreen platform,
// as a person or a file manager would start it.
#include "app/SingleInstance.h"
#include "support/TempDataFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QSysInfo>
#include <QThread>
#include <gtest/gtest.h>

namespace {

struct Result
{
    int exitCode = -1;
    QString out;
    QString err;
};

QProcessEnvironment offscreen()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The English words are compared, whatever the machine's language.
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    return env;
}

void start(QProcess& process, const QStringList& arguments)
{
    process.setProcessEnvironment(offscreen());
    process.start(QStringLiteral(TINTALOO_EXECUTABLE), arguments);
    ASSERT_TRUE(process.waitForStarted(10000));
}

Result run(const QStringList& arguments)
{
    QProcess process;
    start(process, arguments);
    Result result;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return result; // still running: it opened a window instead of refusing
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

// Every file under root with its size, time and contents.
QMap<QString, QString> snapshot(const QString& root)
{
    QMap<QString, QString> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QFileInfo info(path);
        files.insert(path.mid(root.size()),
                     QString::number(info.size()) + QLatin1Char(' ')
                         + QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char(' ')
                         + QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex()));
    }
    return files;
}

// Waits until the first program has seeded its folder, holds the lock and
// has stopped writing (it then waits in the first-run welcome).
bool waitUntilSettled(const QString& root, QProcess& program)
{
    QElapsedTimer clock;
    clock.start();
    QMap<QString, QString> last;
    while (clock.elapsed() < 30000 && program.state() == QProcess::Running) {
        QThread::msleep(500);
        const QMap<QString, QString> now = snapshot(root);
        const bool ready = now.contains(QLatin1Char('/') + SingleInstance::lockFileName())
                           && now.contains(QStringLiteral("/help/index.htm"));
        if (ready && now == last)
            return true;
        last = now;
    }
    return false;
}

} // namespace

TEST(ProgramProcess, VersionAndHelpPrintAndEnd)
{
    const Result version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("The Tintaloo Version 6.0\n"));

    const Result help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: "))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--data-dir <dir>")));
}

TEST(ProgramProcess, UnknownOptionsPrintTheUsageAndExitTwo)
{
    TempDataFolder data;
    const Result result = run({QStringLiteral("--data-dir"), data.root(), QStringLiteral("--colour-everything")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.contains(QStringLiteral("colour-everything"))) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral("Usage: ")));
    EXPECT_TRUE(result.out.isEmpty());
    // Refused before the data folder was touched.
    EXPECT_TRUE(snapshot(data.root()).isEmpty());
}

TEST(ProgramProcess, BadDataFoldersAreRefusedWithExitOne)
{
    TempDataFolder data;
    data.writeFile(QStringLiteral("/not a folder"), "x");
    const QString file = data.path(QStringLiteral("/not a folder"));
    for (const QString& bad : {file, file + QStringLiteral("/below"), QStringLiteral("/proc/tintaloo-data")}) {
        const Result result = run({QStringLiteral("--data-dir"), bad});
        EXPECT_EQ(result.exitCode, 1) << bad.toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("tintaloo: The data folder"))) << result.err.toStdString();
    }
    EXPECT_EQ(snapshot(data.root()).size(), 1);
}

TEST(ProgramProcess, ASecondStartOnTheSameFolderEndsAndTouchesNothing)
{
    TempDataFolder data;
    QProcess first;
    start(first, {QStringLiteral("--data-dir"), data.root()});
    ASSERT_TRUE(waitUntilSettled(data.root(), first)) << first.readAllStandardError().toStdString();
    const QMap<QString, QString> before = snapshot(data.root());
    EXPECT_GT(before.keys().filter(QStringLiteral("/books/")).size(), 5);

    const Result second = run({QStringLiteral("--data-dir"), data.root() + QStringLiteral("/./")});
    EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_FALSE(second.err.contains(QStringLiteral("did not answer"))) << second.err.toStdString();

    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(snapshot(data.root()), before);
    first.kill();
    first.waitForFinished();
}

TEST(SingleInstance, ALockLeftByAProgramThatDiedDoesNotKeepTheFolder)
{
    TempDataFolder data;
    // The lock file's format: process id, program name, host name.
    data.writeFile(QLatin1Char('/') + SingleInstance::lockFileName(),
                   "2147483000\ntintaloo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    SingleInstance instance(data.root());
    EXPECT_EQ(instance.claim(), SingleInstance::Claim::First);

    SingleInstance later(data.root());
    EXPECT_EQ(later.claim(), SingleInstance::Claim::AlreadyRunning);
}

// What a later start hands over: the pack, and the token its desktop gave it
// to bring the running program forward; a token that is not a plain word is
// not passed on.
TEST(SingleInstance, ALaterStartHandsOverItsPackAndActivationToken)
{
    TempDataFolder data;
    SingleInstance running(data.root());
    ASSERT_EQ(running.claim(), SingleInstance::Claim::First);
    QStringList packs, tokens;
    QObject::connect(&running, &SingleInstance::activationRequested, [&](const QString& pack, const QString& token) {
        packs << pack;
        tokens << token;
    });
    const auto handOver = [&](const QString& pack, const QString& token) {
        bool answered = false;
        // The later start blocks while it waits for the answer; the running
        // program answers from its event loop.
        std::unique_ptr<QThread> later(QThread::create([&] {
            SingleInstance instance(data.root());
            answered = instance.claim() == SingleInstance::Claim::AlreadyRunning && instance.handOver(pack, token);
        }));
        later->start();
        QElapsedTimer clock;
        clock.start();
        while (!later->isFinished() && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        later->wait();
        return answered;
    };

    EXPECT_TRUE(handOver(QStringLiteral("/tmp/My pack.zip"), QStringLiteral("sway-token_0123")));
    EXPECT_TRUE(handOver(QString(), QString()));
    EXPECT_TRUE(handOver(QString(), QStringLiteral("two words")));
    QCoreApplication::processEvents();
    EXPECT_EQ(packs, QStringList({QStringLiteral("/tmp/My pack.zip"), QString(), QString()}));
    EXPECT_EQ(tokens, QStringList({QStringLiteral("sway-token_0123"), QString(), QString()}));
}
