// SPDX-License-Identifier: GPL-3.0-or-later
// What the program costs while nobody touches it: a picture open, the
// bubbles moving, the pointer still. It runs on a virtual X server (Xvfb)
// and is measured together with that server, over the same seconds as the
// baseline: idle_floor, the least a Qt Widgets window can do that shows
// anything moving at the same wake rate (one 2 x 2 square repainted at each
// wake), on a second server. Both are timed at once so that a busy machine
// weighs on both alike. Target: at most 0.5 % of a core for the program and
// 0.2 % for its X server.
//
//   bench_idle [seconds]      (30 by default)
//
// Needs Xvfb and xdotool; without them it says so and measures nothing.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <memory>

namespace {

constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;

// CPU time of every thread of a process, in nanoseconds.
qint64 cpuNanoseconds(qint64 pid)
{
    qint64 total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (stat.open(QIODevice::ReadOnly))
            total += stat.readAll().split(' ').value(0).toLongLong();
    }
    return total;
}

// A virtual X server on the first free display from :200 on.
class VirtualScreen
{
public:
    bool start()
    {
        for (int number = 200; number < 260; ++number) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))
                || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
                continue;
            m_display = QStringLiteral(":%1").arg(number);
            m_server.start(QStringLiteral("Xvfb"), {m_display, QStringLiteral("-screen"), QStringLiteral("0"),
                                                   QStringLiteral("%1x%2x24").arg(ScreenWidth).arg(ScreenHeight),
                                                   QStringLiteral("-nolisten"), QStringLiteral("tcp")});
            m_server.waitForStarted();
            for (int wait = 0; wait < 50 && m_server.state() == QProcess::Running; ++wait) {
                if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
                    return true;
                QThread::msleep(100);
            }
            m_server.kill();
            m_server.waitForFinished();
        }
        return false;
    }

    ~VirtualScreen()
    {
        if (m_client) {
            m_client->kill();
            m_client->waitForFinished();
        }
        m_server.terminate();
        if (!m_server.waitForFinished(3000))
            m_server.kill();
    }

    void run(const QString& program, const QStringList& arguments)
    {
        m_client = std::make_unique<QProcess>();
        m_client->setProcessEnvironment(environment());
        m_client->setStandardOutputFile(QProcess::nullDevice());
        m_client->setStandardErrorFile(QProcess::nullDevice());
        m_client->start(program, arguments);
        m_client->waitForStarted();
    }

    bool xdotool(const QStringList& arguments) const
    {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.start(QStringLiteral("xdotool"), arguments);
        return tool.waitForFinished(10000) && tool.exitCode() == 0;
    }

    int visibleWindows() const
    {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                               QStringLiteral("--classname"), QStringLiteral(".")});
        tool.waitForFinished(10000);
        return int(tool.readAllStandardOutput().trimmed().split('\n').size());
    }

    bool clientRunning() const { return m_client && m_client->state() == QProcess::Running; }
    qint64 clientPid() const { return m_client ? m_client->processId() : 0; }
    qint64 serverPid() const { return m_server.processId(); }

private:
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        return env;
    }

    QProcess m_server;
    std::unique_ptr<QProcess> m_client;
    QString m_display;
};

double percentOfCore(qint64 nanoseconds, double seconds)
{
    return 100.0 * double(nanoseconds) / (seconds * 1e9);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const double seconds = argc > 1 ? qMax(5.0, QString::fromLocal8Bit(argv[1]).toDouble()) : 30.0;
    for (const char* tool : {"Xvfb", "xdotool"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            std::printf("SKIPPED: bench_idle needs %s (Debian packages xvfb and xdotool)\n", tool);
            return 0;
        }

    QTemporaryDir data;
    {
        // Sounds off, buttons always shown, medium bubble speed, no password.
        QFile settings(data.filePath(QStringLiteral("Settings.ini")));
        if (!settings.open(QIODevice::WriteOnly) || settings.write(" 0 \r\n 0 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n") < 0) {
            std::printf("bench_idle: the settings could not be written\n");
            return 1;
        }
    }
    VirtualScreen program, floor;
    if (!program.start() || !floor.start()) {
        std::printf("bench_idle: Xvfb did not start\n");
        return 1;
    }
    program.run(QStringLiteral(TINTALOO_PROGRAM), {QStringLiteral("--data-dir"), data.path()});
    floor.run(QStringLiteral(IDLE_FLOOR_PROGRAM), {});
    QThread::sleep(5);

    // The first picture of the browser, then the pointer away from the
    // bubbles and the hot corner.
    const int before = program.visibleWindows();
    program.xdotool({QStringLiteral("mousemove"), QString::number((ScreenWidth - 640) / 2 + 86), QStringLiteral("211"),
                     QStringLiteral("click"), QStringLiteral("1")});
    QThread::sleep(3);
    program.xdotool({QStringLiteral("mousemove"), QString::number(ScreenWidth - 24), QString::number(ScreenHeight - 68)});
    QThread::sleep(2);
    if (program.visibleWindows() >= before)
        std::printf("WARNING: the picture browser seems still open; the figures may not be of an open picture\n");
    if (!program.clientRunning() || !floor.clientRunning()) {
        std::printf("bench_idle: a program under test ended early\n");
        return 1;
    }

    const qint64 pids[4] = {program.clientPid(), program.serverPid(), floor.clientPid(), floor.serverPid()};
    qint64 start[4], end[4];
    for (int i = 0; i < 4; ++i)
        start[i] = cpuNanoseconds(pids[i]);
    QThread::msleep(qint64(seconds * 1000));
    for (int i = 0; i < 4; ++i)
        end[i] = cpuNanoseconds(pids[i]);

    const double tintaloo = percentOfCore(end[0] - start[0], seconds);
    const double tintalooServer = percentOfCore(end[1] - start[1], seconds);
    const double base = percentOfCore(end[2] - start[2], seconds);
    const double baseServer = percentOfCore(end[3] - start[3], seconds);
    std::printf("idle over %.0f s, picture open, bubbles moving: tintaloo %.3f %% of a core, its X server %.3f %%\n",
                seconds, tintaloo, tintalooServer);
    std::printf("floor, one 2x2 square repainted at the same wake rate: %.3f %%, its X server %.3f %%\n", base,
                baseServer);
    if (base > 0 && baseServer > 0)
        std::printf("ratio tintaloo against the floor: %.2fx (program), %.2fx (X server), %.2fx (both)\n",
                    tintaloo / base, tintalooServer / baseServer, (tintaloo + tintalooServer) / (base + baseServer));
    std::printf("target at most 0.5 %% + 0.2 %%: %s\n", tintaloo <= 0.5 && tintalooServer <= 0.2 ? "yes" : "NO");
    return 0;
}
