// SPDX-License-Identifier: GPL-3.0-or-later
#include "e2e/XDesktop.h"

#include "e2e/KioskKeys.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>

namespace {

QString xmlEscaped(const QString& text)
{
    return text.toHtmlEscaped();
}

} // namespace

QStringList E2e::missingTools()
{
    return TestDesktop::missingPrograms({{"Xvfb", "xvfb"},
                                         {"openbox", "openbox"},
                                         {"xdotool", "xdotool"},
                                         {"xprop", "x11-utils"},
                                         {"xwininfo", "x11-utils"},
                                         {"xmessage", "x11-utils"}});
}

QString E2e::installHint()
{
    return QStringLiteral("install them with: apt-get install xvfb openbox xdotool x11-utils "
                          "(scripts/setup-debian.sh does)");
}

XDesktop::XDesktop() = default;

XDesktop::~XDesktop()
{
    stop(m_windowManager.get());
    stop(m_server.get());
}

void XDesktop::stop(QProcess* process)
{
    if (!process || process->state() == QProcess::NotRunning)
        return;
    process->terminate();
    if (!process->waitForFinished(3000)) {
        process->kill();
        process->waitForFinished(3000);
    }
}

bool XDesktop::start(QString* error)
{
    if (!m_scratch.isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    QDir(m_scratch.path()).mkpath(QStringLiteral("markers"));
    return startServer(error) && startWindowManager(error);
}

bool XDesktop::isRunning() const
{
    return m_server && m_server->state() == QProcess::Running && m_windowManager
        && m_windowManager->state() == QProcess::Running;
}

bool XDesktop::startServer(QString* error)
{
    // -displayfd: the server picks a free display and writes its number on
    // standard output once it accepts connections.
    m_server = std::make_unique<QProcess>();
    m_server->setProcessChannelMode(QProcess::SeparateChannels);
    m_server->start(QStringLiteral("Xvfb"),
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                     QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(ScreenWidth).arg(ScreenHeight),
                     QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!m_server->waitForStarted(5000)) {
        *error = QStringLiteral("Xvfb did not start: ") + m_server->errorString();
        return false;
    }
    QByteArray number;
    QDeadlineTimer deadline(15000);
    while (!number.contains('\n') && !deadline.hasExpired()) {
        if (m_server->waitForReadyRead(200))
            number += m_server->readAllStandardOutput();
        if (m_server->state() != QProcess::Running)
            break;
    }
    number = number.trimmed();
    if (number.isEmpty()) {
        *error = QStringLiteral("Xvfb gave no display: ") + QString::fromLocal8Bit(m_server->readAllStandardError());
        return false;
    }
    m_display = QStringLiteral(":") + QString::fromLatin1(number);
    return true;
}

void XDesktop::writeOpenboxConfig(const QString& path) const
{
    const QString markers = m_scratch.filePath(QStringLiteral("markers"));
    QString bindings;
    for (const KioskKey& key : KioskKeys) {
        const QString name = QLatin1String(key.openbox);
        bindings += QStringLiteral("    <keybind key=\"%1\">\n"
                                   "      <action name=\"Execute\"><command>touch %2</command></action>\n"
                                   "      %3\n"
                                   "    </keybind>\n")
                        .arg(name, xmlEscaped(markers + QLatin1Char('/') + name), QLatin1String(key.action));
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<openbox_config xmlns=\"http://openbox.org/3.4/rc\">\n"
                              "  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>\n"
                              "  <desktops><number>2</number></desktops>\n"
                              "  <keyboard>\n%1  </keyboard>\n"
                              "</openbox_config>\n")
                   .arg(bindings)
                   .toUtf8());
}

bool XDesktop::startWindowManager(QString* error)
{
    const QString config = m_scratch.filePath(QStringLiteral("rc.xml"));
    writeOpenboxConfig(config);
    m_windowManager = std::make_unique<QProcess>();
    m_windowManager->setProcessEnvironment(environment());
    m_windowManager->setProcessChannelMode(QProcess::MergedChannels);
    m_windowManager->setStandardOutputFile(m_scratch.filePath(QStringLiteral("openbox.log")));
    m_windowManager->start(QStringLiteral("openbox"),
                           {QStringLiteral("--config-file"), config, QStringLiteral("--sm-disable")});
    if (!m_windowManager->waitForStarted(5000)) {
        *error = QStringLiteral("openbox did not start: ") + m_windowManager->errorString();
        return false;
    }
    // The window manager is ready once it has announced itself on the root window.
    const bool ready = waitFor(
        [this] {
            bool ok = false;
            const QString check = run(QStringLiteral("xprop"),
                                      {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")}, &ok);
            return ok && check.contains(QLatin1String("window id"));
        },
        15000);
    if (!ready) {
        *error = QStringLiteral("openbox did not take over the display");
        return false;
    }
    // Two desktops, whatever an earlier window manager on this display left.
    xdotool({QStringLiteral("set_num_desktops"), QStringLiteral("2")});
    return true;
}

QProcessEnvironment XDesktop::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("XAUTHORITY"));
    return env;
}

QString XDesktop::run(const QString& program, const QStringList& arguments, bool* ok, int timeoutMs) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    const bool finished = process.waitForStarted(5000) && process.waitForFinished(timeoutMs);
    if (!finished) {
        process.kill();
        process.waitForFinished(1000);
    }
    if (ok)
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString XDesktop::xdotool(const QStringList& arguments, bool* ok) const
{
    return run(QStringLiteral("xdotool"), arguments, ok);
}

XDesktop::WindowInfo XDesktop::activeWindow() const
{
    // One call: geometry (as shell assignments), then the name, then the
    // process id (missing for programs that do not announce it).
    const QString output = xdotool({QStringLiteral("getactivewindow"), QStringLiteral("getwindowgeometry"),
                                    QStringLiteral("--shell"), QStringLiteral("getwindowname"),
                                    QStringLiteral("getwindowpid")});
    WindowInfo info;
    int x = 0, y = 0, width = 0, height = 0;
    QStringList rest;
    for (const QString& line : output.split(QLatin1Char('\n'))) {
        const int eq = line.indexOf(QLatin1Char('='));
        const QString key = eq > 0 ? line.left(eq) : QString();
        const QString value = line.mid(eq + 1);
        if (key == QLatin1String("WINDOW"))
            info.id = value.toULongLong();
        else if (key == QLatin1String("X"))
            x = value.toInt();
        else if (key == QLatin1String("Y"))
            y = value.toInt();
        else if (key == QLatin1String("WIDTH"))
            width = value.toInt();
        else if (key == QLatin1String("HEIGHT"))
            height = value.toInt();
        else if (key != QLatin1String("SCREEN"))
            rest << line;
    }
    info.geometry = QRect(x, y, width, height);
    if (!rest.isEmpty())
        info.name = rest.takeFirst();
    if (!rest.isEmpty())
        info.pid = rest.takeFirst().toLongLong();
    return info;
}

QStringList XDesktop::windowState(quint64 id) const
{
    const QString output =
        run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(id), QStringLiteral("_NET_WM_STATE")});
    const int eq = output.indexOf(QLatin1Char('='));
    if (eq < 0)
        return {};
    QStringList states = output.mid(eq + 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString& state : states)
        state = state.trimmed();
    return states;
}

bool XDesktop::isViewable(quint64 id) const
{
    return run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(id)})
        .contains(QLatin1String("IsViewable"));
}

bool XDesktop::showingDesktop() const
{
    return run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SHOWING_DESKTOP")})
        .endsWith(QLatin1String("= 1"));
}

int XDesktop::currentDesktop() const
{
    return xdotool({QStringLiteral("get_desktop")}).toInt();
}

void XDesktop::click(QPoint at) const
{
    xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()), QStringLiteral("sleep"),
             QStringLiteral("0.1"), QStringLiteral("click"), QStringLiteral("1")});
}

void XDesktop::drag(const QList<QPoint>& path) const
{
    if (path.isEmpty())
        return;
    QStringList arguments{QStringLiteral("mousemove"), QString::number(path.first().x()),
                          QString::number(path.first().y()), QStringLiteral("sleep"), QStringLiteral("0.1"),
                          QStringLiteral("mousedown"), QStringLiteral("1")};
    for (const QPoint& point : path.mid(1))
        arguments << QStringLiteral("sleep") << QStringLiteral("0.03") << QStringLiteral("mousemove")
                  << QString::number(point.x()) << QString::number(point.y());
    arguments << QStringLiteral("sleep") << QStringLiteral("0.1") << QStringLiteral("mouseup") << QStringLiteral("1");
    xdotool(arguments);
}

void XDesktop::key(const QString& combination) const
{
    xdotool({QStringLiteral("key"), combination});
}

QImage XDesktop::screenshot() const
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

std::unique_ptr<TestDesktop> E2e::makeDesktop()
{
    return std::make_unique<XDesktop>();
}
