// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <memory>

class TestDesktop;

// The real, built tintaloo program running on a test desktop with its own
// data folder. Whatever it prints goes to a log kept for failure messages.
class TintalooProcess
{
public:
    TintalooProcess(const TestDesktop& desktop, const QString& dataFolder);
    ~TintalooProcess();
    TintalooProcess(const TintalooProcess&) = delete;
    TintalooProcess& operator=(const TintalooProcess&) = delete;

    // The language the program is started in, as a family's desktop sets it
    // (LANGUAGE and LANG): "de", "pt_BR", "ja". English when not set.
    void setLanguage(const QString& code) { m_language = code; }

    // Starts the program; extra is added to the desktop's environment.
    bool start(const QProcessEnvironment& extra = {});
    qint64 pid() const;
    bool isRunning();
    // Waits for the program to end by itself; true when it did in time.
    bool waitForExit(int timeoutMs);
    bool exitedNormally() const;
    int exitCode() const;
    QString log() const;

private:
    const TestDesktop& m_desktop;
    QString m_dataFolder;
    QString m_language;
    QString m_logPath;
    std::unique_ptr<QProcess> m_process;
};
