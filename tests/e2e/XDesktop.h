// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "e2e/TestDesktop.h"

#include <QProcess>
#include <memory>

// A private X desktop: a virtual X server (Xvfb) with openbox as window
// manager, driven with xdotool and read with xprop. Openbox gets its own
// configuration in which every combination of KioskKeys is bound to an action
// that WOULD take the program away (switch windows, show the desktop, close,
// lower, change desktop) and also leaves a marker file.
class XDesktop : public TestDesktop
{
public:
    XDesktop();
    ~XDesktop() override;

    bool start(QString* error) override;
    bool isRunning() const;
    QString display() const { return m_display; }
    QProcessEnvironment environment() const override;
    QByteArray clientPlatform() const override { return "xcb"; }

    // Runs an X tool on this desktop. Its standard output, trimmed; ok says
    // whether it exited with 0 in time.
    QString run(const QString& program, const QStringList& arguments, bool* ok = nullptr,
                int timeoutMs = 10000) const;
    QString xdotool(const QStringList& arguments, bool* ok = nullptr) const;

    WindowInfo activeWindow() const override;
    // _NET_WM_STATE of a window, atom names ("_NET_WM_STATE_FULLSCREEN").
    QStringList windowState(quint64 id) const;
    bool isViewable(quint64 id) const;
    bool showingDesktop() const;
    int currentDesktop() const;

    void click(QPoint at) const override;
    void drag(const QList<QPoint>& path) const override;
    void key(const QString& combination) const override;
    QImage screenshot() const override;

private:
    bool startServer(QString* error);
    bool startWindowManager(QString* error);
    void writeOpenboxConfig(const QString& path) const;
    void stop(QProcess* process);

    std::unique_ptr<QProcess> m_server;
    std::unique_ptr<QProcess> m_windowManager;
    QString m_display;
};
