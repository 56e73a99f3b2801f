// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <algorithm>

namespace {

// A hand-over is one line: the pack to open (may be empty), optionally a NUL
// and the activation token the later start was given, then '\n'. A path
// cannot hold a NUL, and a program that knows no token reads the pack alone.
// Anything longer than a path and a token can be is not a hand-over.
constexpr qint64 MaxMessageBytes = 8192;
constexpr qsizetype MaxTokenBytes = 1024;

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
            const QByteArray line = socket->readLine(MaxMessageBytes);
            const qsizetype separator = line.indexOf('\0');
            const QString pack = QString::fromUtf8(separator < 0 ? line : line.left(separator)).trimmed();
            QByteArray token = separator < 0 ? QByteArray() : line.mid(separator + 1).trimmed();
            // Tokens are short printable words; anything else is not passed on.
            if (token.size() > MaxTokenBytes
                || std::any_of(token.cbegin(), token.cend(), [](char c) { return c <= ' ' || c > '~'; }))
                token.clear();
            socket->write("ok\n");
            socket->disconnectFromServer();
            Q_EMIT activationRequested(pack, QString::fromLatin1(token));
        });
    }
}

bool SingleInstance::handOver(const QString& packPath, const QString& activationToken, int timeoutMs)
{
    QByteArray message = packPath.isEmpty() ? QByteArray() : QFileInfo(packPath).absoluteFilePath().toUtf8();
    message.replace('\n', ' ');
    const QByteArray token = activationToken.toLatin1().left(MaxTokenBytes);
    if (!token.isEmpty() && !token.contains('\n') && !token.contains('\0'))
        message.append('\0').append(token);
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
