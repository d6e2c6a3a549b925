#include "sync/WebDavClient.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRandomGenerator>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTimer>

#include <memory>

namespace {

// A stalled transfer ends after this long without a byte moving.
constexpr int transferTimeoutMs = 60000;
// Removing a temporary file is a courtesy that must not hold up a wallet that locks.
constexpr int discardTimeoutMs = 2000;

bool isThisComputer(const QString &host)
{
    const QHostAddress address(host);
    return host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 || address.isLoopback();
}

QByteArray fingerprintOf(const QSslCertificate &certificate)
{
    return certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper();
}

} // namespace

WebDavClient::WebDavClient(const WebDavAccount &account)
    : m_account(account)
{
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

WalletError WebDavClient::checkAccount(const WebDavAccount &account)
{
    const QUrl &url = account.url;
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("https") && scheme != QLatin1String("http"))
        || url.path().isEmpty() || url.path().endsWith(QLatin1Char('/'))) {
        return WalletError(WalletError::ServerRefused,
                           tr("%1 is not the address of a file on a WebDAV server (https://…/wallet.tessera)")
                               .arg(url.toDisplayString(QUrl::RemoveUserInfo)));
    }
    if (scheme == QLatin1String("http") && !isThisComputer(url.host()) && !account.plainHttpAllowed) {
        return WalletError(WalletError::ServerUntrusted,
                           tr("plain http would send the password to %1 in the clear; use https").arg(url.host()));
    }
    return WalletError();
}

QUrl WebDavClient::fileUrl() const
{
    QUrl url = m_account.url;
    url.setUserInfo(QString());
    return url;
}

QUrl WebDavClient::temporaryUrl() const
{
    QUrl url = fileUrl();
    const QString path = url.path();
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    url.setPath(QStringLiteral("%1.%2.%3.tmp")
                    .arg(path.left(slash + 1), path.mid(slash + 1))
                    .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')));
    return url;
}

QNetworkRequest WebDavClient::request(const QUrl &url) const
{
    QNetworkRequest request(url);
    request.setTransferTimeout(transferTimeoutMs);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("Authorization",
                         "Basic " + (m_account.user + QLatin1Char(':') + m_account.password).toUtf8().toBase64());
    return request;
}

WebDavClient::Result WebDavClient::download(const QString &target, const QByteArray &ifNoneMatch)
{
    Result result;
    result.error = checkAccount(m_account);
    if (result.error.isError())
        return result;
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        result.error = WalletError(WalletError::WriteFailed, tr("%1: %2").arg(target, file.errorString()));
        return result;
    }
    QNetworkRequest get = request(fileUrl());
    if (!ifNoneMatch.isEmpty())
        get.setRawHeader("If-None-Match", ifNoneMatch);
    QNetworkReply *reply = m_network.get(get);
    bool written = true;
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, &file, &written] {
        if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200)
            written = file.write(reply->readAll()) >= 0 && written;
    });
    result = await(reply, false);
    if (result.outcome != Done) {
        file.remove();
    } else if (!written || !file.flush()) {
        result.outcome = Failed;
        result.error = WalletError(WalletError::WriteFailed, tr("%1: %2").arg(target, file.errorString()));
    }
    return result;
}

WebDavClient::Result WebDavClient::upload(const QString &source, const QByteArray &ifMatch)
{
    Result result;
    result.error = checkAccount(m_account);
    if (result.error.isError())
        return result;
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = WalletError(WalletError::Unreadable, tr("%1: %2").arg(source, file.errorString()));
        return result;
    }
    const QUrl temporary = temporaryUrl();
    result = put(temporary, file, QByteArray());
    const bool staged = result.outcome == Done;
    if (staged)
        result = moveOver(temporary, ifMatch);
    if (result.outcome == Done)
        return result;
    // Servers that keep hidden names to themselves answer 403 or 405 to the PUT there; those without MOVE
    // answer 405 or 501, and 502 when a proxy in front rewrites the address MOVE names as destination.
    // One conditional PUT of the file is the best left then; if the file may not be written either, it says so.
    const bool refused = staged ? result.status == 405 || result.status == 501 || result.status == 502
                                : result.status == 403 || result.status == 405;
    if (staged || !refused)
        discard(temporary, result);
    return refused && file.seek(0) ? put(fileUrl(), file, ifMatch) : result;
}

WebDavClient::Result WebDavClient::put(const QUrl &url, QFile &file, const QByteArray &ifMatch)
{
    QNetworkRequest put = request(url);
    put.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/octet-stream"));
    if (ifMatch.isEmpty())
        put.setRawHeader("If-None-Match", "*");
    else
        put.setRawHeader("If-Match", ifMatch);
    return await(m_network.put(put, &file), true);
}

WebDavClient::Result WebDavClient::moveOver(const QUrl &temporary, const QByteArray &ifMatch)
{
    QNetworkRequest move = request(temporary);
    const QByteArray destination = fileUrl().toEncoded();
    move.setRawHeader("Destination", destination);
    if (ifMatch.isEmpty()) {
        move.setRawHeader("Overwrite", "F");
    } else {
        // If-Match would name the file moved; a list tagged with the destination names the one replaced. A
        // server ignores a tag that names no file of its own, so the tag is the Destination to the byte.
        move.setRawHeader("Overwrite", "T");
        move.setRawHeader("If", '<' + destination + "> ([" + ifMatch + "])");
    }
    return await(m_network.sendCustomRequest(move, "MOVE"), true);
}

void WebDavClient::discard(const QUrl &temporary, const Result &failed)
{
    if (failed.status == 0 && !(m_stop && m_stop->load()))
        return; // the server is out of reach
    QNetworkRequest remove = request(temporary);
    remove.setTransferTimeout(discardTimeoutMs);
    await(m_network.deleteResource(remove), true, false);
}

WebDavClient::Result WebDavClient::await(QNetworkReply *reply, bool uploading, bool stoppable)
{
    const std::unique_ptr<QNetworkReply> owned(reply);
    Result result;
    QObject::connect(reply, &QNetworkReply::sslErrors, reply, [this, reply, &result] {
        result.fingerprint = fingerprintOf(reply->sslConfiguration().peerCertificate());
        m_untrusted = result.fingerprint;
        if (!m_account.acceptedFingerprint.isEmpty() && result.fingerprint == m_account.acceptedFingerprint)
            reply->ignoreSslErrors();
    });
    if (!reply->isFinished()) {
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer stopCheck;
        if (m_stop && stoppable) {
            QObject::connect(&stopCheck, &QTimer::timeout, reply, [this, reply] {
                if (m_stop->load())
                    reply->abort();
            });
            stopCheck.start(100);
        }
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    result.etag = reply->rawHeader("ETag");
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.status = status;
    if (status == 0) {
        const bool tls = reply->error() == QNetworkReply::SslHandshakeFailedError;
        if (tls && !result.fingerprint.isEmpty()) {
            const QString why = m_account.acceptedFingerprint.isEmpty()
                ? tr("the system does not trust its certificate, whose SHA-256 fingerprint is %1")
                      .arg(QString::fromLatin1(result.fingerprint))
                : tr("its certificate changed since you accepted it; the SHA-256 fingerprint is now %1")
                      .arg(QString::fromLatin1(result.fingerprint));
            result.error = WalletError(WalletError::ServerUntrusted, why);
        } else {
            result.error = WalletError(tls ? WalletError::ServerUntrusted : WalletError::ServerUnreachable,
                                       tr("%1: %2").arg(m_account.url.host(), reply->errorString()));
        }
        return result;
    }
    if (status == 304)
        result.outcome = NotModified;
    else if (status == 412)
        result.outcome = Changed;
    else if (status == 404 && !uploading)
        result.outcome = NoFile;
    else if (status >= 200 && status < 300)
        result.outcome = Done;
    else
        result.error = statusError(status, uploading);
    return result;
}

WalletError WebDavClient::statusError(int status, bool uploading) const
{
    QString why;
    switch (status) {
    case 401:
        why = tr("wrong user name or password; check the app password");
        break;
    case 403:
        why = tr("no permission for %1").arg(m_account.url.path());
        break;
    case 404:
    case 409:
        why = uploading ? tr("the folder of %1 does not exist").arg(m_account.url.path())
                        : tr("no such file or folder: %1").arg(m_account.url.path());
        break;
    case 507:
        why = tr("no room left on the server");
        break;
    default:
        why = status >= 500 ? tr("server error %1").arg(status) : tr("answer %1").arg(status);
        break;
    }
    return WalletError(WalletError::ServerRefused, why);
}
