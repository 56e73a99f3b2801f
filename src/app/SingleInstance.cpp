#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

namespace {

// A hand-over is one line: the pack to open (may be empty), then '\n'.
// Anything longer than a path can be is not a hand-over.
constexpr qint64 MaxMessageBytes = 8192;

QString canonicalFolder(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(folder).absoluteFilePath() : canonical;
}

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent)
    : QObject(parent)
    , m_folder(canonicalFolder(dataFolder))
    , m_lock(m_folder + QLatin1Char('/') + lockFileName())
{
    // A socket name, not a path: Qt keeps it in the temporary folder, where a
    // path of any length fits.
    const QByteArray hash = QCryptographicHash::hash(m_folder.toUtf8(), QCryptographicHash::Sha256).toHex();
    m_serverName = QStringLiteral("tintaloo-") + QString::fromLatin1(hash.left(24));
    // The program runs for hours: a lock is stale only when its process is gone.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

SingleInstance::~SingleInstance()
{
    m_server.close();
}

SingleInstance::Claim SingleInstance::claim()
{
    if (m_lock.tryLock(0)) {
        listen();
        return Claim::First;
    }
    switch (m_lock.error()) {
    case QLockFile::LockFailedError:
        return Claim::AlreadyRunning;
    case QLockFile::PermissionError:
        m_error = tr("The lock file in the data folder '%1' cannot be created.")
                      .arg(QDir::toNativeSeparators(m_folder));
        return Claim::Failed;
    default:
        m_error = tr("The data folder '%1' cannot be locked.").arg(QDir::toNativeSeparators(m_folder));
        return Claim::Failed;
    }
}

void SingleInstance::listen()
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server.listen(m_serverName))
        return;
    // A socket left behind by a program that was killed: we hold the lock,
    // so nobody else is listening on it.
    QLocalServer::removeServer(m_serverName);
    m_server.listen(m_serverName);
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > MaxMessageBytes)
                    socket->abort();
                return;
            }
            const QString pack = QString::fromUtf8(socket->readLine(MaxMessageBytes)).trimmed();
            socket->write("ok\n");
            socket->disconnectFromServer();
            Q_EMIT activationRequested(pack);
        });
    }
}

bool SingleInstance::handOver(const QString& packPath, int timeoutMs)
{
    QByteArray message = packPath.isEmpty() ? QByteArray() : QFileInfo(packPath).absoluteFilePath().toUtf8();
    message.replace('\n', ' ');
    message.append('\n');
    const QDeadlineTimer deadline(timeoutMs);
    // The running program may have taken the lock a moment ago and not be
    // listening yet: try again until the deadline.
    while (true) {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(qMax<qint64>(1, deadline.remainingTime())))) {
            socket.write(message);
            if (socket.waitForBytesWritten(int(qMax<qint64>(1, deadline.remainingTime())))
                && socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
                return socket.readLine(16).startsWith("ok");
            return false;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
}
