#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// A private X desktop for the real-window tests: a virtual X server (Xvfb)
// with openbox as window manager, driven with xdotool and read with xprop.
//
// Openbox gets its own configuration in which every key combination a child
// could use to leave a program is bound to an action that WOULD take the
// program away (switch windows, show the desktop, close, lower, change
// desktop) and also leaves a marker file. A combination whose marker appears
// reached the window manager.
class XDesktop
{
public:
    static constexpr int ScreenWidth = 1024;
    static constexpr int ScreenHeight = 768;

    // The programs the desktop needs that are not installed, each with its
    // Debian package ("xdotool (xdotool)"); empty when all are there.
    static QStringList missingTools();
    static QString installHint();

    XDesktop();
    ~XDesktop();
    XDesktop(const XDesktop&) = delete;
    XDesktop& operator=(const XDesktop&) = delete;

    // Starts the X server and the window manager; false with a reason.
    bool start(QString* error);
    bool isRunning() const;
    QString display() const { return m_display; }
    // The environment a program started on this desktop gets.
    QProcessEnvironment environment() const;
    QString scratchFolder() const { return m_scratch.path(); }

    // Runs an X tool on this desktop. Its standard output, trimmed; ok says
    // whether it exited with 0 in time.
    QString run(const QString& program, const QStringList& arguments, bool* ok = nullptr,
                int timeoutMs = 10000) const;
    QString xdotool(const QStringList& arguments, bool* ok = nullptr) const;

    struct WindowInfo
    {
        quint64 id = 0;
        qint64 pid = 0;
        QString name;
        QRect geometry;
        bool isValid() const { return id != 0; }
    };
    // The window the window manager calls active, or an invalid one.
    WindowInfo activeWindow() const;
    // _NET_WM_STATE of a window, atom names ("_NET_WM_STATE_FULLSCREEN").
    QStringList windowState(quint64 id) const;
    bool isViewable(quint64 id) const;
    bool showingDesktop() const;
    int currentDesktop() const;

    // Input as a person gives it.
    void click(QPoint at) const;
    void drag(const QList<QPoint>& path) const;
    void key(const QString& combination) const;

    // The whole screen as it is shown.
    QImage screenshot() const;

    // Key binding markers left by the window manager.
    QStringList markers() const;
    void clearMarkers() const;

    // Polls condition every 50 ms until it holds or timeoutMs passed.
    static bool waitFor(const std::function<bool()>& condition, int timeoutMs);
    static void pause(int ms);

private:
    bool startServer(QString* error);
    bool startWindowManager(QString* error);
    void writeOpenboxConfig(const QString& path) const;
    void stop(QProcess* process);

    QTemporaryDir m_scratch;
    std::unique_ptr<QProcess> m_server;
    std::unique_ptr<QProcess> m_windowManager;
    QString m_display;
};
