// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <initializer_list>
#include <memory>

// A private desktop for the real-window tests, driven as a person drives
// one: windows are read from the window manager, the pointer clicks and the
// keyboard types. The window manager binds every combination a child could
// use to leave a program, each to an action that would take the program away
// and that also leaves a marker file: a marker shows a combination that got
// past the program.
class TestDesktop
{
public:
    static constexpr int ScreenWidth = 1024;
    static constexpr int ScreenHeight = 768;

    struct WindowInfo
    {
        quint64 id = 0;
        qint64 pid = 0;
        QString name;
        QRect geometry;
        bool isValid() const { return id != 0; }
    };

    TestDesktop() = default;
    virtual ~TestDesktop() = default;
    TestDesktop(const TestDesktop&) = delete;
    TestDesktop& operator=(const TestDesktop&) = delete;

    // Starts the display server and window manager; false with a reason.
    virtual bool start(QString* error) = 0;
    // The environment, and the command in front of the program, that a
    // program started on this desktop gets.
    virtual QProcessEnvironment environment() const = 0;
    virtual QStringList launcher() const { return {}; }
    // Lets programs on this desktop use a folder the test made.
    virtual void handOver(const QString& /*folder*/) const {}
    // The Qt platform the test program itself uses while the desktop runs.
    virtual QByteArray clientPlatform() const = 0;

    // The window the window manager has focused, or an invalid one.
    virtual WindowInfo activeWindow() const = 0;
    // Lets the window manager apply its focus policy to windows that just
    // appeared, before the test looks at which one is in front.
    virtual void settle() const {}
    // How long a window that came to the front needs before it hears the
    // pointer: a Wayland compositor focuses a window before its first frame
    // is up, and input before it goes to the window beneath.
    virtual int frontSettleMs() const { return 0; }

    // Input as a person gives it; key combinations in xdotool's spelling
    // ("ctrl+alt+Delete").
    virtual void click(QPoint at) const = 0;
    virtual void drag(const QList<QPoint>& path) const = 0;
    virtual void key(const QString& combination) const = 0;

    // The whole screen as it is shown.
    virtual QImage screenshot() const = 0;

    QString scratchFolder() const { return m_scratch.path(); }
    // Key binding markers left by the window manager.
    QString markerFolder() const;
    QStringList markers() const;
    void clearMarkers() const;

    // Which of these programs are not installed, each named with its Debian
    // package: {"xdotool", "xdotool"} gives "xdotool (xdotool)".
    struct Tool
    {
        const char* program;
        const char* package;
    };
    static QStringList missingPrograms(std::initializer_list<Tool> tools);

    // Polls condition every 50 ms until it holds or timeoutMs passed.
    static bool waitFor(const std::function<bool()>& condition, int timeoutMs);
    static void pause(int ms);

protected:
    QTemporaryDir m_scratch;
};

namespace E2e {

// The kind of desktop this test program runs on: made, and the programs it
// needs that are missing, each with its Debian package.
std::unique_ptr<TestDesktop> makeDesktop();
QStringList missingTools();
QString installHint();

}
