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
    // empty, to open that picture pack. False when it could not be reached
    // within timeoutMs.
    bool handOver(const QString& packPath, int timeoutMs = 5000);

    QString errorText() const { return m_error; }
    QString serverName() const { return m_serverName; }

    static QString lockFileName() { return QStringLiteral(".tintaloo.lock"); }

Q_SIGNALS:
    // A later start asked this program to come to the front.
    void activationRequested(const QString& packPath);

private:
    void listen();
    void acceptConnection();

    QString m_folder;
    QString m_serverName;
    QLockFile m_lock;
    QLocalServer m_server;
    QString m_error;
};
