// SPDX-License-Identifier: GPL-3.0-or-later
#include "wayland/SwayDesktop.h"

#include "e2e/KioskKeys.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <functional>
#include <unistd.h>

namespace {

// The user sway and the program run as when the tests run as root.
constexpr uid_t Nobody = 65534;

bool runningAsRoot()
{
    return geteuid() == 0;
}

QString windowTitleOf(const QJsonObject& node)
{
    return node.value(QStringLiteral("name")).toString();
}

// Depth first through tiled and floating windows.
QJsonObject findNode(const QJsonObject& node, const std::function<bool(const QJsonObject&)>& test)
{
    if (test(node))
        return node;
    for (const char* children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue& child : node.value(QLatin1String(children)).toArray()) {
            const QJsonObject found = findNode(child.toObject(), test);
            if (!found.isEmpty())
                return found;
        }
    }
    return {};
}

bool isWindow(const QJsonObject& node)
{
    const QString type = node.value(QStringLiteral("type")).toString();
    return (type == QLatin1String("con") || type == QLatin1String("floating_con")) && node.contains(QStringLiteral("pid"));
}

} // namespace

std::unique_ptr<TestDesktop> E2e::makeDesktop()
{
    return std::make_unique<SwayDesktop>();
}

QStringList E2e::missingTools()
{
    QStringList missing = TestDesktop::missingPrograms(
        {{"sway", "sway"}, {"swaymsg", "sway"}, {"wtype", "wtype"}, {"grim", "grim"}, {"setpriv", "util-linux"}});
    // The program's own Wayland platform plugin.
    bool plugin = false;
    for (const QString& base : {QStringLiteral("/usr/lib/x86_64-linux-gnu/qt6/plugins"),
                                QStringLiteral("/usr/lib/qt6/plugins")})
        plugin = plugin || QFile::exists(base + QStringLiteral("/platforms/libqwayland-generic.so"));
    if (!plugin)
        missing << QStringLiteral("Qt's Wayland platform (qt6-wayland)");
    return missing;
}

QString E2e::installHint()
{
    return QStringLiteral("install them with: apt-get install sway wtype grim qt6-wayland "
                          "(scripts/setup-debian.sh does)");
}

SwayDesktop::SwayDesktop() = default;

SwayDesktop::~SwayDesktop()
{
    if (m_pointer && m_pointer->state() != QProcess::NotRunning) {
        m_pointer->closeWriteChannel();
        if (!m_pointer->waitForFinished(2000))
            m_pointer->kill();
        m_pointer->waitForFinished(1000);
    }
    if (m_keyboard && m_keyboard->state() != QProcess::NotRunning) {
        m_keyboard->kill();
        m_keyboard->waitForFinished(1000);
    }
    if (m_sway && m_sway->state() != QProcess::NotRunning) {
        m_sway->terminate();
        if (!m_sway->waitForFinished(3000)) {
            m_sway->kill();
            m_sway->waitForFinished(3000);
        }
    }
}

QString SwayDesktop::runtimeFolder() const
{
    return m_scratch.filePath(QStringLiteral("runtime"));
}

QString SwayDesktop::swayBinding(const QString& combination)
{
    QStringList parts = combination.split(QLatin1Char('+'));
    if (parts.size() == 1 && parts.first() == QLatin1String("super"))
        return QStringLiteral("--release Super_L"); // the lone key: on release, as desktops do
    const QString last = parts.takeLast();
    QStringList binding;
    for (const QString& modifier : parts) {
        if (modifier == QLatin1String("alt"))
            binding << QStringLiteral("Mod1");
        else if (modifier == QLatin1String("super"))
            binding << QStringLiteral("Mod4");
        else if (modifier == QLatin1String("ctrl"))
            binding << QStringLiteral("Ctrl");
        else if (modifier == QLatin1String("shift"))
            binding << QStringLiteral("Shift");
    }
    binding << last;
    return binding.join(QLatin1Char('+'));
}

QString SwayDesktop::markerName(const QString& combination)
{
    return QString(combination).replace(QLatin1Char('+'), QLatin1Char('-'));
}

QStringList SwayDesktop::wtypeArguments(const QString& combination)
{
    QStringList parts = combination.split(QLatin1Char('+'));
    if (parts.size() == 1 && parts.first() == QLatin1String("super"))
        return {QStringLiteral("-k"), QStringLiteral("Super_L")};
    const QString last = parts.takeLast();
    QStringList modifiers;
    for (const QString& modifier : parts)
        modifiers << (modifier == QLatin1String("super") ? QStringLiteral("logo") : modifier);
    QStringList arguments;
    for (const QString& modifier : modifiers)
        arguments << QStringLiteral("-M") << modifier;
    arguments << QStringLiteral("-k") << last;
    for (auto m = modifiers.crbegin(); m != modifiers.crend(); ++m)
        arguments << QStringLiteral("-m") << *m;
    return arguments;
}

void SwayDesktop::writeConfig(const QString& path) const
{
    QString config = QStringLiteral("output HEADLESS-1 resolution %1x%2 position 0 0\n"
                                    "default_border none\n"
                                    "default_floating_border none\n"
                                    // As GNOME and Plasma do, and sway does not
                                    // over a full-screen window: a dialog that
                                    // appears gets the keyboard.
                                    "for_window [floating] focus\n"
                                    // A software cursor is part of every
                                    // screenshot; it hides while it rests.
                                    "seat * hide_cursor 100\n"
                                    "focus_on_window_activation focus\n")
                         .arg(ScreenWidth)
                         .arg(ScreenHeight);
    for (const KioskKey& key : KioskKeys) {
        const QString combination = QLatin1String(key.xdotool);
        config += QStringLiteral("bindsym %1 exec touch '%2/%3'\n")
                      .arg(swayBinding(combination), markerFolder(), markerName(combination));
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(config.toUtf8());
}

void SwayDesktop::handOver(const QString& folder) const
{
    if (!runningAsRoot())
        return;
    QProcess chown;
    chown.start(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("%1:%1").arg(Nobody), folder});
    chown.waitForFinished(10000);
}

QStringList SwayDesktop::launcher() const
{
    if (!runningAsRoot())
        return {};
    return {QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(Nobody),
            QStringLiteral("--regid=%1").arg(Nobody), QStringLiteral("--clear-groups"), QStringLiteral("--")};
}

QProcessEnvironment SwayDesktop::environment() const
{
    // A clean environment: nothing of the test machine's own session.
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/local/bin:/usr/bin:/bin"));
    env.insert(QStringLiteral("HOME"), m_scratch.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder());
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    if (!m_display.isEmpty())
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), m_display);
    if (!m_ipcSocket.isEmpty())
        env.insert(QStringLiteral("SWAYSOCK"), m_ipcSocket);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    return env;
}

bool SwayDesktop::start(QString* error)
{
    if (!m_scratch.isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    QDir scratch(m_scratch.path());
    scratch.mkpath(QStringLiteral("markers"));
    scratch.mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(runtimeFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString config = m_scratch.filePath(QStringLiteral("sway.config"));
    writeConfig(config);
    handOver(m_scratch.path());

    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    m_sway = std::make_unique<QProcess>();
    m_sway->setProcessEnvironment(env);
    m_sway->setProcessChannelMode(QProcess::MergedChannels);
    m_sway->setStandardOutputFile(m_scratch.filePath(QStringLiteral("sway.log")));
    QStringList command = launcher();
    command << QStringLiteral("sway") << QStringLiteral("-c") << config;
    m_sway->start(command.takeFirst(), command);
    if (!m_sway->waitForStarted(5000)) {
        *error = QStringLiteral("sway did not start: ") + m_sway->errorString();
        return false;
    }
    // Sway makes its Wayland socket and its IPC socket once it is ready.
    const bool ready = waitFor(
        [&] {
            const QDir runtime(runtimeFolder());
            const QStringList sockets = runtime.entryList({QStringLiteral("wayland-*")}, QDir::System | QDir::Files);
            const QStringList ipc = runtime.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System | QDir::Files);
            for (const QString& socket : sockets) {
                if (!socket.endsWith(QLatin1String(".lock")))
                    m_display = socket;
            }
            if (!ipc.isEmpty())
                m_ipcSocket = runtime.filePath(ipc.first());
            return (!m_display.isEmpty() && !m_ipcSocket.isEmpty()) || m_sway->state() != QProcess::Running;
        },
        15000);
    if (!ready || m_sway->state() != QProcess::Running) {
        QFile log(m_scratch.filePath(QStringLiteral("sway.log")));
        log.open(QIODevice::ReadOnly);
        *error = QStringLiteral("sway did not come up: ") + QString::fromLocal8Bit(log.readAll().right(2000));
        return false;
    }
    if (!waitFor([&] { return swaymsg(QStringLiteral("nop")); }, 5000)) {
        *error = QStringLiteral("sway does not answer on its IPC socket");
        return false;
    }
    return plugInDevices(error);
}

bool SwayDesktop::plugInDevices(QString* error)
{
    m_pointer = std::make_unique<QProcess>();
    m_pointer->setProcessEnvironment(environment());
    QStringList command = launcher();
    command << QStringLiteral(TINTALOO_VIRTUAL_POINTER) << QString::number(ScreenWidth) << QString::number(ScreenHeight);
    m_pointer->start(command.takeFirst(), command);
    if (!m_pointer->waitForStarted(5000) || !m_pointer->waitForReadyRead(5000)
        || !m_pointer->readAllStandardOutput().contains("ready")) {
        *error = QStringLiteral("no pointer could be plugged into sway: ")
            + QString::fromLocal8Bit(m_pointer->readAllStandardError());
        return false;
    }
    m_keyboard = std::make_unique<QProcess>();
    m_keyboard->setProcessEnvironment(environment());
    QStringList keyboard = launcher();
    keyboard << QStringLiteral("wtype") << QStringLiteral("-s") << QStringLiteral("86400000");
    m_keyboard->start(keyboard.takeFirst(), keyboard);
    if (!m_keyboard->waitForStarted(5000)) {
        *error = QStringLiteral("no keyboard could be plugged into sway");
        return false;
    }

    return true;
}

QString SwayDesktop::run(const QString& program, const QStringList& arguments, bool* ok) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    QStringList command = launcher();
    command << program << arguments;
    process.start(command.takeFirst(), command);
    const bool finished = process.waitForStarted(5000) && process.waitForFinished(10000);
    if (!finished) {
        process.kill();
        process.waitForFinished(1000);
    }
    if (ok)
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool SwayDesktop::swaymsg(const QString& command) const
{
    bool ok = false;
    run(QStringLiteral("swaymsg"), {command}, &ok);
    return ok;
}

QJsonObject SwayDesktop::tree() const
{
    return QJsonDocument::fromJson(run(QStringLiteral("swaymsg"), {QStringLiteral("-t"), QStringLiteral("get_tree")}).toUtf8())
        .object();
}

QJsonObject SwayDesktop::findWindow(quint64 id) const
{
    return findNode(tree(), [id](const QJsonObject& node) {
        return isWindow(node) && quint64(node.value(QStringLiteral("id")).toInteger()) == id;
    });
}

TestDesktop::WindowInfo SwayDesktop::activeWindow() const
{
    const QJsonObject node = findNode(tree(), [](const QJsonObject& n) {
        return isWindow(n) && n.value(QStringLiteral("focused")).toBool();
    });
    WindowInfo info;
    if (node.isEmpty())
        return info;
    info.id = quint64(node.value(QStringLiteral("id")).toInteger());
    info.pid = node.value(QStringLiteral("pid")).toInteger();
    info.name = windowTitleOf(node);
    const QJsonObject rect = node.value(QStringLiteral("rect")).toObject();
    info.geometry = QRect(rect.value(QStringLiteral("x")).toInt(), rect.value(QStringLiteral("y")).toInt(),
                          rect.value(QStringLiteral("width")).toInt(), rect.value(QStringLiteral("height")).toInt());
    return info;
}

void SwayDesktop::settle() const
{
    quint64 newest = 0;
    bool newestFocused = false;
    findNode(tree(), [&](const QJsonObject& node) {
        if (isWindow(node) && node.value(QStringLiteral("type")).toString() == QLatin1String("floating_con")
            && node.value(QStringLiteral("visible")).toBool()) {
            const auto id = quint64(node.value(QStringLiteral("id")).toInteger());
            if (id > newest) {
                newest = id;
                newestFocused = node.value(QStringLiteral("focused")).toBool();
            }
        }
        return false;
    });
    if (newest != 0 && !newestFocused)
        focus(newest);
}

bool SwayDesktop::isFullScreen(quint64 id) const
{
    return findWindow(id).value(QStringLiteral("fullscreen_mode")).toInt() != 0;
}

bool SwayDesktop::isVisible(quint64 id) const
{
    return findWindow(id).value(QStringLiteral("visible")).toBool();
}

QString SwayDesktop::currentWorkspace() const
{
    const QJsonArray workspaces = QJsonDocument::fromJson(
        run(QStringLiteral("swaymsg"), {QStringLiteral("-t"), QStringLiteral("get_workspaces")}).toUtf8()).array();
    for (const QJsonValue& workspace : workspaces) {
        if (workspace.toObject().value(QStringLiteral("focused")).toBool())
            return workspace.toObject().value(QStringLiteral("name")).toString();
    }
    return {};
}

void SwayDesktop::focus(quint64 id) const
{
    swaymsg(QStringLiteral("[con_id=%1] focus").arg(id));
}

void SwayDesktop::showWorkspace(const QString& name) const
{
    swaymsg(QStringLiteral("workspace ") + name);
}

void SwayDesktop::movePointer(QPoint to) const
{
    pointer(QStringLiteral("move %1 %2").arg(qBound(0, to.x(), ScreenWidth - 1)).arg(qBound(0, to.y(), ScreenHeight - 1)));
}

void SwayDesktop::pointer(const QString& command) const
{
    if (!m_pointer || m_pointer->state() != QProcess::Running)
        return;
    m_pointer->write(command.toLatin1() + '\n');
    m_pointer->waitForBytesWritten(2000);
    while (!m_pointer->canReadLine() && m_pointer->waitForReadyRead(2000)) {
    }
    m_pointer->readLine();
}

QString SwayDesktop::activationToken() const
{
    bool ok = false;
    const QString token = run(QStringLiteral(TINTALOO_ACTIVATION_TOKEN), {}, &ok).trimmed();
    return ok ? token : QString();
}

void SwayDesktop::click(QPoint at) const
{
    // A hand moves onto the button before it presses: the window under the
    // pointer hears of it first, as with a real mouse.
    movePointer(at - QPoint(2, 0));
    pause(30);
    movePointer(at);
    pause(30);
    pointer(QStringLiteral("down"));
    pause(30);
    pointer(QStringLiteral("up"));
}

void SwayDesktop::drag(const QList<QPoint>& path) const
{
    if (path.isEmpty())
        return;
    movePointer(path.first() - QPoint(2, 0));
    pause(30);
    movePointer(path.first());
    pause(30);
    pointer(QStringLiteral("down"));
    // At a hand's pace, so the program hears each step, and well inside
    // sway's time for hiding a resting cursor.
    for (int i = 1; i < path.size(); ++i) {
        pause(30);
        movePointer(path[i]);
    }
    pause(30);
    pointer(QStringLiteral("up"));
}

void SwayDesktop::key(const QString& combination) const
{
    run(QStringLiteral("wtype"), wtypeArguments(combination));
}

QImage SwayDesktop::screenshot() const
{
    pause(200); // the resting pointer hides
    const QString path = m_scratch.filePath(QStringLiteral("screen.png"));
    QFile::remove(path);
    run(QStringLiteral("grim"), {path});
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}
