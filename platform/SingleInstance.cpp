#include "SingleInstance.h"

#include <unistd.h>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include "ProgramInfo.h"

namespace kbs {

namespace {
const QByteArray kAsk = QByteArrayLiteral("show\n");
const QByteArray kShown = QByteArrayLiteral("shown\n");
}  // namespace

QString SingleInstance::serverNameFor(const QString& catalogue) {
    const QFileInfo info(catalogue);
    const QString canonical = info.canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash(
            (canonical.isEmpty() ? info.absoluteFilePath() : canonical).toUtf8(),
            QCryptographicHash::Sha256)
            .toHex()
            .left(24);
    const QString name = QStringLiteral("%1-%2-%3")
                             .arg(ProgramInfo::appId())
                             .arg(::getuid())
                             .arg(QLatin1String(hash));
    // The user's own runtime folder where there is one; the shared temporary folder otherwise,
    // where the user ID in the name keeps users apart.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : QDir(runtime).filePath(name);
}

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_name(std::move(serverName)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::askRunning(const QDeadlineTimer& deadline) {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    socket.write(kAsk);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    QByteArray reply;
    while (!reply.contains('\n') && !deadline.hasExpired() &&
           socket.waitForReadyRead(int(deadline.remainingTime())))
        reply += socket.readAll();
    return reply == kShown;
}

bool SingleInstance::handOver(int waitMs) {
    // Two starts at once: the lock lets one decide while the other waits, then finds it.
    const QString socketPath =
        m_name.contains(QLatin1Char('/')) ? m_name : QDir(QDir::tempPath()).filePath(m_name);
    // One deadline for the whole decision: a copy that is stopped and never answers holds
    // this start up for waitMs at most.
    const QDeadlineTimer deadline(waitMs);
    QLockFile lock(socketPath + QStringLiteral(".lock"));
    const bool locked = lock.tryLock(int(deadline.remainingTime()));
    if (askRunning(deadline))
        return true;
    // Nobody answers: a socket left by a copy that was killed is in the way.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
    if (!m_server->listen(m_name)) {
        // Without a socket this copy simply cannot be found by the next start.
        delete m_server;
        m_server = nullptr;
    }
    if (locked)
        lock.unlock();
    return false;
}

void SingleInstance::answer() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            socket->readLine();
            Q_EMIT activationRequested();
            socket->write(kShown);
            socket->flush();
            socket->disconnectFromServer();
        });
    }
}

}  // namespace kbs
