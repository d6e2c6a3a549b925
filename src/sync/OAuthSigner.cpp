#include "sync/OAuthSigner.h"

#include "model/Clock.h"

#include <QDateTime>
#include <QMessageAuthenticationCode>
#include <QNetworkRequest>
#include <QRandomGenerator>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>

OAuthSigner::OAuthSigner(const OAuthCredential *consumer)
    : m_consumer(consumer)
{
}

void OAuthSigner::signRequest(const OAuthCredential *token, const QString &method, QNetworkRequest &request) const
{
    const qint64 timestamp = Clock::nowSecs();
    // The securely seeded global generator: signers created within the same second must not
    // share a nonce sequence, or the service would reject the second request as a replay.
    const QString nonce = QString::number(QRandomGenerator::global()->generate());
    request.setRawHeader("Authorization", authorizationHeader(token, method, request.url(), timestamp, nonce));
}

QByteArray OAuthSigner::authorizationHeader(const OAuthCredential *token, const QString &method, const QUrl &url,
                                            qint64 timestamp, const QString &nonce) const
{
    Parameters parameters{
        {QStringLiteral("oauth_timestamp"), QString::number(timestamp)},
        {QStringLiteral("oauth_nonce"), nonce},
        {QStringLiteral("oauth_consumer_key"), m_consumer->key},
        {QStringLiteral("oauth_signature_method"), QStringLiteral("HMAC-SHA1")},
    };
    if (token)
        parameters.append({QStringLiteral("oauth_token"), token->key});
    parameters.append({QStringLiteral("oauth_version"), QStringLiteral("1.0")});

    const QString signingKey = m_consumer->secret + QLatin1Char('&') + (token ? token->secret : QString());
    const QByteArray baseString = signatureBaseString(method, url, parameters);
    parameters.append({QStringLiteral("oauth_signature"), hmacSha1(QString::fromLatin1(baseString), signingKey)});

    QStringList written;
    for (const auto &parameter : qAsConst(parameters))
        written.append(QStringLiteral("%1=\"%2\"").arg(parameter.first, parameter.second));
    return "OAuth " + written.join(QLatin1Char(',')).toLatin1();
}

QByteArray OAuthSigner::signatureBaseString(const QString &method, const QUrl &url, const Parameters &oauthParameters)
{
    const QString baseUrl = url.toString(QUrl::RemoveUserInfo | QUrl::RemovePort | QUrl::RemovePath | QUrl::RemoveQuery
                                         | QUrl::RemoveFragment | QUrl::FullyEncoded);
    const QByteArray encodedUrl = percentEncode(baseUrl + encodePath(url.path(QUrl::FullyDecoded)));

    Parameters parameters = QUrlQuery(url).queryItems(QUrl::FullyDecoded).toVector();
    parameters += oauthParameters;
    for (auto &parameter : parameters)
        parameter.second = QString::fromLatin1(percentEncode(parameter.second));
    std::sort(parameters.begin(), parameters.end());

    QStringList pairs;
    for (const auto &parameter : qAsConst(parameters))
        pairs.append(parameter.first + QLatin1Char('=') + parameter.second);
    return method.toLatin1() + '&' + encodedUrl + '&' + percentEncode(pairs.join(QLatin1Char('&')));
}

QString OAuthSigner::hmacSha1(const QString &message, const QString &key)
{
    return QString::fromLatin1(
        QMessageAuthenticationCode::hash(message.toLatin1(), key.toLatin1(), QCryptographicHash::Sha1).toBase64());
}

QString OAuthSigner::encodePath(const QString &decodedPath)
{
    QStringList pieces = decodedPath.split(QLatin1Char('/'));
    for (auto &piece : pieces)
        piece = QString::fromLatin1(percentEncode(piece));
    return pieces.join(QLatin1Char('/'));
}

QByteArray OAuthSigner::percentEncode(const QString &text)
{
    return text.toUtf8().toPercentEncoding();
}
