// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "e2e/TestDesktop.h"

#include <QJsonObject>
#include <QProcess>
#include <memory>

// A private Wayland desktop: a headless sway (no screen, no input devices,
// software rendering), keys typed with wtype, a virtual pointer of its own, the screen read with grim and the windows with swaymsg.
// Sway binds every combination of KioskKeys to a command that leaves a
// marker file, as a desktop would bind them to a launcher or a switcher.
//
// Sway refuses to run as root, so when the tests do, sway and every program
// on it run as the unprivileged user "nobody".
class SwayDesktop : public TestDesktop
{
public:
    SwayDesktop();
    ~SwayDesktop() override;

    bool start(QString* error) override;
    QProcessEnvironment environment() const override;
    QStringList launcher() const override;
    void handOver(const QString& folder) const override;
    QByteArray clientPlatform() const override { return "offscreen"; }

    WindowInfo activeWindow() const override;
    // The newest dialog has the keyboard, as on GNOME and Plasma: sway hands
    // the focus back to a full-screen window when the dialog before a new
    // one closes.
    void settle() const override;
    int frontSettleMs() const override { return 300; }
    // Whether the window is full screen and shown on the current workspace.
    bool isFullScreen(quint64 id) const;
    bool isVisible(quint64 id) const;
    QString currentWorkspace() const;
    // Gives the keyboard focus to a window, as a click on it would.
    void focus(quint64 id) const;
    // Shows another workspace, as a parent switching away would.
    void showWorkspace(const QString& name) const;
    // Rests the pointer at a point without pressing.
    void movePointer(QPoint to) const;
    // A token a launcher would hand the program it starts, or empty.
    QString activationToken() const;

    void click(QPoint at) const override;
    void drag(const QList<QPoint>& path) const override;
    void key(const QString& combination) const override;
    QImage screenshot() const override;

    // The sway binding and the marker name of a combination in xdotool's
    // spelling: "ctrl+alt+Delete" is "Ctrl+Mod1+Delete", marker "ctrl-alt-Delete".
    static QString swayBinding(const QString& combination);
    static QString markerName(const QString& combination);
    // wtype's arguments for the combination.
    static QStringList wtypeArguments(const QString& combination);

private:
    QString run(const QString& program, const QStringList& arguments, bool* ok = nullptr) const;
    bool swaymsg(const QString& command) const;
    QJsonObject tree() const;
    QJsonObject findWindow(quint64 id) const;
    void writeConfig(const QString& path) const;
    QString runtimeFolder() const;

    bool plugInDevices(QString* error);
    // One command to the virtual pointer ("move X Y", "down", "up"); returns
    // once sway has taken it.
    void pointer(const QString& command) const;

    std::unique_ptr<QProcess> m_sway;
    // Held for the whole run: the pointer, and a keyboard that stays while
    // each wtype call comes and goes (a seat that gains its first keyboard
    // tells clients of a key already down, and they drop that key).
    std::unique_ptr<QProcess> m_pointer;
    std::unique_ptr<QProcess> m_keyboard;
    QString m_display;
    QString m_ipcSocket;
};
