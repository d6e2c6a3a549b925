#pragma once

#include "store/WalletError.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QUrl>

#include <atomic>

class QFile;
class QNetworkReply;
class QNetworkRequest;

// Where a copy of the wallet lives on a WebDAV server, and how to sign in there.
struct WebDavAccount
{
    QUrl url; // the file itself
    QString user;
    QString password;
    // The SHA-256 fingerprint (hex) of a certificate the user accepted although the system does not
    // trust it; empty when only certificates the system trusts are accepted.
    QByteArray acceptedFingerprint;
    // Plain http to another host than this one sends the password in the clear: only when the user
    // said so after a warning.
    bool plainHttpAllowed = false;
};

// Downloads and uploads one file on a WebDAV server, each request waiting for its answer. Uploads are
// conditional on the ETag the caller saw, so that a newer copy on the server is never overwritten. An
// upload goes to a hidden temporary name next to the file and is then moved over it in one MOVE, so the
// file on the server is the old one or the new one, however the server stores a PUT under way; a server
// that refuses the temporary name or the MOVE gets one conditional PUT of the file instead.
class WebDavClient
{
    Q_DECLARE_TR_FUNCTIONS(WebDavClient)

public:
    enum Outcome {
        Done,
        NotModified, // the file still has the ETag the caller named
        NoFile, // nothing at the URL yet
        Changed, // the upload's condition failed: someone else uploaded since the caller's download
        Failed,
    };
    struct Result
    {
        Outcome outcome = Failed;
        // The file's ETag as the server sent it, quotes included; may be weak (W/"...") or empty.
        QByteArray etag;
        WalletError error;
        // For a certificate the system does not trust: its fingerprint, to show the user.
        QByteArray fingerprint;
        // The HTTP status; 0 when no answer came.
        int status = 0;
    };

    explicit WebDavClient(const WebDavAccount &account);

    // Writes the file to target (made readable by its owner only) unless its ETag is still
    // ifNoneMatch; target is removed when no file arrives.
    Result download(const QString &target, const QByteArray &ifNoneMatch = QByteArray());
    // Uploads source in place of the file with ETag ifMatch, or as a new file when ifMatch is empty.
    Result upload(const QString &source, const QByteArray &ifMatch);

    // A request under way is given up once stop turns true (the wallet locks): it fails at once.
    void stopWhen(const std::atomic_bool *stop) { m_stop = stop; }

    // The fingerprint of the last certificate the system did not trust, empty when there was none.
    QByteArray untrustedFingerprint() const { return m_untrusted; }

    // A weak ETag never satisfies If-Match; the server gives one to a file changed within the last second.
    static bool isWeak(const QByteArray &etag) { return etag.startsWith("W/"); }
    // Why the account cannot be used as it is (a URL that is no http(s) file, plain http elsewhere than
    // on this computer unless allowed); None when it can.
    static WalletError checkAccount(const WebDavAccount &account);

private:
    QUrl fileUrl() const;
    // A hidden name next to the file that no wallet has, new for each upload so that devices never collide.
    QUrl temporaryUrl() const;
    QNetworkRequest request(const QUrl &url) const;
    // One PUT of the whole file to url, where a file with ETag ifMatch is, or none when it is empty.
    Result put(const QUrl &url, QFile &file, const QByteArray &ifMatch);
    Result moveOver(const QUrl &temporary, const QByteArray &ifMatch);
    // Removes what an upload that did not finish may have left at temporary, briefly, even when stopped.
    void discard(const QUrl &temporary, const Result &failed);
    Result await(QNetworkReply *reply, bool uploading, bool stoppable = true);
    WalletError statusError(int status, bool uploading) const;

    WebDavAccount m_account;
    QNetworkAccessManager m_network;
    QByteArray m_untrusted;
    const std::atomic_bool *m_stop = nullptr;
};
