// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

// One running program per data folder. The first start holds a lock file in
// the folder and listens on a local socket named after the folder; a later
// start on the same folder finds the lock taken, tells the running program to
// come to the front (handing over a picture pack to open, if it was given
// one) and ends without touching any file.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Claim {
        First,          // this process runs the program
        AlreadyRunning, // another process does; call handOver() and exit
        Failed,         // the lock file cannot be made: errorText() says why
    };

    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    Claim claim();
    // Asks the running program to come to the front and, when packPath is not
    // empty, to open that picture pack. activationToken is what the desktop
    // gave this start to bring a window forward with (Wayland's
    // XDG_ACTIVATION_TOKEN); the running program presents it. False when it
    // could not be reached within timeoutMs.
    bool handOver(const QString& packPath, const QString& activationToken = {}, int timeoutMs = 5000);

    QString errorText() const { return m_error; }

    static QString lockFileName() { return QStringLiteral(".tintaloo.lock"); }

Q_SIGNALS:
    // A later start asked this program to come to the front, with the
    // desktop's activation token when it had one.
    void activationRequested(const QString& packPath, const QString& activationToken);

private:
    void listen();
    void acceptConnection();

    QString m_folder;
    QString m_serverName;
    QLockFile m_lock;
    QLocalServer m_server;
    QString m_error;
};
