#pragma once

#include "sync/OAuthCredential.h"

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>

class QNetworkRequest;
class QUrl;

// Signs requests for the cloud service with OAuth 1.0 HMAC-SHA1. The service expects the header
// parameters in a fixed order with their values written as they are (the Base64 signature
// included), and signs the URL without its port.
class OAuthSigner
{
public:
    using Parameters = QVector<QPair<QString, QString>>;

    // The consumer credential is read at every signing, so a later change of it takes effect.
    explicit OAuthSigner(const OAuthCredential *consumer);

    // Sets the "Authorization" header for the request's URL with the current time and a fresh nonce;
    // token may be null (only the request-token call goes without one).
    void signRequest(const OAuthCredential *token, const QString &method, QNetworkRequest &request) const;

    // The header signRequest sets, for a given time and nonce.
    QByteArray authorizationHeader(const OAuthCredential *token, const QString &method, const QUrl &url,
                                   qint64 timestamp, const QString &nonce) const;

    // Method, encoded URL and the sorted, encoded parameters: the URL's query items plus the given
    // OAuth parameters.
    static QByteArray signatureBaseString(const QString &method, const QUrl &url, const Parameters &oauthParameters);

    // Base64 of HMAC-SHA1 (RFC 2104); key and message enter as their Latin-1 bytes.
    static QString hmacSha1(const QString &message, const QString &key);

    // Each "/"-separated piece of a decoded path percent-encoded on its own. The client sends paths
    // in this form so that the path on the wire is exactly the one that was signed.
    static QString encodePath(const QString &decodedPath);

    // Every byte of the UTF-8 text except letters, digits and "-._~" as %XX.
    static QByteArray percentEncode(const QString &text);

private:
    const OAuthCredential *m_consumer;
};
