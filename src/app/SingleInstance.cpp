#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

QString runtimeFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

} // namespace

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
{
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            emit activationRequested();
        }
    });
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::socketPath() const
{
    return QDir(runtimeFolder()).filePath(m_name + QStringLiteral(".socket"));
}

bool SingleInstance::claim()
{
    m_lock = std::make_unique<QLockFile>(QDir(runtimeFolder()).filePath(m_name + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(100)) {
        // A socket left by an instance that crashed would keep the name taken.
        QLocalServer::removeServer(socketPath());
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        m_server.listen(socketPath());
        return true;
    }
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (socket.waitForConnected(1000)) {
        socket.write("raise\n");
        socket.waitForBytesWritten(1000);
        socket.disconnectFromServer();
        return false;
    }
    // The lock is held but nobody answers: run rather than refuse to start.
    return true;
}
