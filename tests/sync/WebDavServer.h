#pragma once

#include <QByteArray>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

// A real WebDAV server for tests: Apache httpd with mod_dav on 127.0.0.1, basic authentication for one
// user, plain http or https with a certificate made for it. It answers PUT under /full/ with 507, all under
// /broken/ and /forbidden/ with 500 and 403, MOVE under /nomove/ with 405, hidden names under /nohidden/
// with 403. Stopped when the object goes, whatever the test did.
class WebDavServer
{
public:
    static inline const QString user = QStringLiteral("ana");
    static inline const QString password = QStringLiteral("app-password");

    ~WebDavServer() { stop(); }

    // A new certificate for the next start (each start over https makes one if there is none).
    bool makeCertificate();
    bool start(bool tls = false);
    void stop();

    QUrl url(const QString &path) const;
    // Where the file at path on the server lives on disk.
    QString filePath(const QString &path) const { return m_dir.filePath(QStringLiteral("root/") + path); }
    // Puts a copy of source at path on the server, behind its back.
    bool place(const QString &path, const QString &source) const;
    // Dates the files on the server back, so that their ETags are strong at once (the server gives a weak
    // one to a file changed within the last second, which a sync answers by waiting).
    void ageFiles() const;
    // The hidden files next to the file at path on the server whose names start with its name.
    QStringList temporaryFiles(const QString &path) const;
    QByteArray fingerprint() const { return m_fingerprint; }
    // Every request answered since the start, as "METHOD STATUS".
    QStringList requests() const;

private:
    bool writeConfig(bool tls);
    bool listening() const;

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    bool m_tls = false;
    QByteArray m_fingerprint;
};
