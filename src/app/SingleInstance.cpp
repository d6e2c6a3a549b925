#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// The lock and the socket live in the session's runtime folder, else in a folder of this user's own
// under the temporary folder. Either must be a real folder that only this user can enter: in a shared
// folder another local user could take the names first and keep Tessera from starting.
QString privateFolder(QString *problem)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder
        = runtime.isEmpty() ? QDir(QDir::tempPath()).filePath(QStringLiteral("tessera-%1").arg(::getuid())) : runtime;
    const QByteArray name = QFile::encodeName(folder);
    if (runtime.isEmpty() && ::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
        *problem = QObject::tr("cannot create %1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
        return QString();
    }
    struct stat info
    {
    };
    if (::lstat(name.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid()
        || (info.st_mode & 077) != 0) {
        *problem = QObject::tr("%1 is not a folder that only you can enter").arg(folder);
        return QString();
    }
    return folder;
}

} // namespace

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
{
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            const auto readRequests = [this, socket] {
                while (socket->canReadLine()) {
                    const QByteArray line = socket->readLine().chopped(1);
                    if (line == "raise")
                        emit activationRequested(QString());
                    else if (line.startsWith("open "))
                        emit activationRequested(QString::fromUtf8(line.mid(5)));
                }
            };
            connect(socket, &QLocalSocket::readyRead, this, readRequests);
            readRequests();
        }
    });
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim(const QString &walletPath)
{
    m_folder = privateFolder(&m_problem);
    if (m_folder.isEmpty())
        return true;
    const QString socketPath = QDir(m_folder).filePath(m_name + QStringLiteral(".socket"));
    m_lock = std::make_unique<QLockFile>(QDir(m_folder).filePath(m_name + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(100)) {
        // A socket left by an instance that crashed would keep the name taken.
        QLocalServer::removeServer(socketPath);
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        m_server.listen(socketPath);
        return true;
    }
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (socket.waitForConnected(1000)) {
        socket.write(walletPath.isEmpty() ? QByteArray("raise\n") : "open " + walletPath.toUtf8() + '\n');
        socket.waitForBytesWritten(1000);
        socket.disconnectFromServer();
        return false;
    }
    // The lock is held but nobody answers: run rather than refuse to start.
    return true;
}
