#include "WebDavServer.h"

#include "common/TestFiles.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSslCertificate>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

const QString modules = QStringLiteral("/usr/lib/apache2/modules/");

quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}

// Apache drops root for the account in User/Group; that account must be able to write the folders.
bool handOver(const QString &path)
{
    if (geteuid() != 0)
        return true;
    const passwd *account = getpwnam("www-data");
    return account && chown(QFile::encodeName(path).constData(), account->pw_uid, account->pw_gid) == 0;
}

} // namespace

bool WebDavServer::makeCertificate()
{
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-days", "2",
                   "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout",
                   m_dir.filePath("key.pem"), "-out", m_dir.filePath("cert.pem")});
    if (!openssl.waitForFinished() || openssl.exitCode() != 0)
        return false;
    const QSslCertificate certificate(fileBytes(m_dir.filePath("cert.pem")));
    m_fingerprint = certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper();
    return !certificate.isNull();
}

bool WebDavServer::writeConfig(bool tls)
{
    const QString root = m_dir.filePath("root");
    const QString run = m_dir.filePath("run");
    for (const QString &folder : {root, run, root + "/nomove", root + "/nohidden"})
        if (!QDir().mkpath(folder) || !handOver(folder))
            return false;
    const QByteArray hash = QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha1).toBase64();
    if (!writeFile(m_dir.filePath("users"), user.toUtf8() + ":{SHA}" + hash + "\n"))
        return false;
    QString config;
    for (const char *module : {"mpm_event", "authn_core", "authn_file", "authz_core", "authz_user", "auth_basic", "dav",
                               "dav_fs", "rewrite", "socache_shmcb", "ssl"}) {
        config += QStringLiteral("LoadModule %1_module %2mod_%1.so\n").arg(QLatin1String(module), modules);
    }
    config += QStringLiteral("ServerRoot %1\nListen 127.0.0.1:%2\nServerName 127.0.0.1\nPidFile %3/pid\n"
                             "ErrorLog %3/error.log\nLogFormat \"%m %>s\" requests\nCustomLog %3/access.log "
                             "requests\nDavLockDB %3/davlock\nDocumentRoot %4\n")
                  .arg(m_dir.path())
                  .arg(m_port)
                  .arg(run, root);
    if (geteuid() == 0)
        config += QStringLiteral("User www-data\nGroup www-data\n");
    if (tls) {
        config += QStringLiteral("SSLEngine on\nSSLCertificateFile %1\nSSLCertificateKeyFile %2\n")
                      .arg(m_dir.filePath("cert.pem"), m_dir.filePath("key.pem"));
    }
    config += QStringLiteral("<Directory %1>\nDav On\nAuthType Basic\nAuthName wallet\nAuthUserFile %2\n"
                             "Require valid-user\nRewriteEngine On\nRewriteCond %{REQUEST_METHOD} =PUT\n"
                             "RewriteRule ^full/ - [R=507,L]\nRewriteRule ^broken/ - [R=500,L]\n"
                             "RewriteRule ^forbidden/ - [F]\nRewriteRule ^nohidden/\\. - [F]\n"
                             "RewriteCond %{REQUEST_METHOD} =MOVE\nRewriteRule ^nomove/ - [R=405,L]\n</Directory>\n")
                  .arg(root, m_dir.filePath("users"));
    return writeFile(m_dir.filePath("httpd.conf"), config.toUtf8());
}

bool WebDavServer::start(bool tls)
{
    stop();
    m_tls = tls;
    if (m_port == 0)
        m_port = freePort();
    if (tls && !QFile::exists(m_dir.filePath("cert.pem")) && !makeCertificate())
        return false;
    if (!m_dir.isValid() || !handOver(m_dir.path()) || !writeConfig(tls))
        return false;
    // A session of its own, so that a stop takes the workers with the parent at once.
    m_process.start(QStringLiteral("setsid"),
                    {"/usr/sbin/apache2", "-f", m_dir.filePath("httpd.conf"), "-DFOREGROUND"});
    if (!m_process.waitForStarted())
        return false;
    for (int i = 0; i < 100 && m_process.state() == QProcess::Running; ++i) {
        if (listening())
            return true;
        QThread::msleep(50);
    }
    return false;
}

void WebDavServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    ::kill(-pid_t(m_process.processId()), SIGKILL);
    m_process.waitForFinished();
    // The workers die a moment after the parent; until then they still take connections.
    for (int i = 0; i < 100 && listening(); ++i)
        QThread::msleep(20);
}

bool WebDavServer::listening() const
{
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, m_port);
    return probe.waitForConnected(100);
}

bool WebDavServer::place(const QString &path, const QString &source) const
{
    const QString target = filePath(path);
    QFile::remove(target);
    return QFile::copy(source, target) && handOver(target);
}

QUrl WebDavServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("%1://127.0.0.1:%2/%3").arg(m_tls ? "https" : "http").arg(m_port).arg(path));
}

QStringList WebDavServer::requests() const
{
    return QString::fromUtf8(fileBytes(m_dir.filePath("run/access.log"))).split('\n', Qt::SkipEmptyParts);
}

void WebDavServer::ageFiles() const
{
    const QDateTime past = QDateTime::currentDateTimeUtc().addSecs(-5);
    for (QDirIterator entry(filePath(QString()), QDir::Files, QDirIterator::Subdirectories); entry.hasNext();) {
        QFile file(entry.next());
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(past, QFileDevice::FileModificationTime);
    }
}

QStringList WebDavServer::temporaryFiles(const QString &path) const
{
    const QFileInfo file(filePath(path));
    return file.dir().entryList({"." + file.fileName() + "*"}, QDir::Files | QDir::Hidden);
}
