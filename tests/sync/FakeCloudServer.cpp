#include "FakeCloudServer.h"

#include <QDateTime>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <utility>

const QString FakeCloudServer::consumerKey = QStringLiteral("k7m2q9x4v1c8b3n");
const QString FakeCloudServer::consumerSecret = QStringLiteral("p5t0r6w2j9h4d7s");

namespace {
const QByteArray downloadPrefix = "/1/files/sandbox";
const QByteArray uploadPrefix = "/1/files_put/sandbox";
const qint64 allowedClockSkew = 300;

QByteArray jsonError(const QString &message)
{
    QString escaped = message;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return "{\"error\": \"" + escaped.toUtf8() + "\"}";
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status " + QByteArray::number(status);
    }
}

// The service's OAuth 1.0 HMAC-SHA1 check (RFC 5849), kept apart from the program's signer so that
// each checks the other. Two conventions of the service differ from the RFC: the signed URL never
// carries a port, and the two secrets join the signing key as they are, without percent-encoding.
using OAuthParameters = QMap<QByteArray, QByteArray>;

// RFC 3986 unreserved characters stay, every other byte becomes %XX.
QByteArray encode(const QByteArray &bytes)
{
    return bytes.toPercentEncoding();
}

// "+" becomes a blank only in form-encoded text.
QByteArray decode(const QByteArray &bytes, bool form)
{
    return QByteArray::fromPercentEncoding(form ? QByteArray(bytes).replace('+', ' ') : bytes);
}

// The decoded parameters of an "OAuth ..." authorization header, "realm" left out; the reason why
// when the header is not one or names a parameter twice.
QString parseHeader(const QByteArray &header, OAuthParameters *parameters)
{
    parameters->clear();
    if (!header.startsWith("OAuth "))
        return QStringLiteral("no OAuth authorization header");
    for (const QByteArray &piece : header.mid(6).split(',')) {
        const QByteArray item = piece.trimmed();
        const int equals = item.indexOf('=');
        if (equals <= 0)
            return QStringLiteral("malformed parameter '%1'").arg(QString::fromLatin1(item));
        const QByteArray name = decode(item.left(equals), false);
        QByteArray value = item.mid(equals + 1);
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        if (name == "realm")
            continue;
        if (parameters->contains(name))
            return QStringLiteral("parameter %1 given twice").arg(QString::fromLatin1(name));
        parameters->insert(name, decode(value, false));
    }
    return {};
}

// RFC 5849 section 3.4.1, over the request as received: raw path and query, Host header.
QByteArray baseString(const HttpRequest &request, const OAuthParameters &oauth)
{
    QByteArray host = request.header("Host").toLower();
    const int colon = host.lastIndexOf(':');
    if (colon >= 0 && !host.endsWith(']'))
        host.truncate(colon);
    QList<QPair<QByteArray, QByteArray>> pairs;
    for (const QByteArray &item : request.rawQuery().split('&')) {
        const int equals = item.indexOf('=');
        if (!item.isEmpty())
            pairs.append({encode(decode(item.left(equals), true)),
                          encode(equals < 0 ? QByteArray() : decode(item.mid(equals + 1), true))});
    }
    for (auto it = oauth.cbegin(); it != oauth.cend(); ++it) {
        if (it.key() != "oauth_signature")
            pairs.append({encode(it.key()), encode(it.value())});
    }
    std::sort(pairs.begin(), pairs.end());
    QByteArray normalized;
    for (const auto &pair : qAsConst(pairs))
        normalized += (normalized.isEmpty() ? "" : "&") + pair.first + '=' + pair.second;
    return request.method.toUpper() + '&' + encode("http://" + host + request.rawPath()) + '&' + encode(normalized);
}

QString decodedPath(const QByteArray &rawPath)
{
    return QString::fromUtf8(decode(rawPath, false));
}
} // namespace

FakeCloudServer::FakeCloudServer(QObject *parent)
    : QObject(parent)
{
    const Host hosts[] = {ApiHost, ContentHost, WebHost};
    for (const Host host : hosts) {
        m_servers[host] = new QTcpServer(this);
        accept(m_servers[host], host);
    }
}

FakeCloudServer::~FakeCloudServer() = default;

bool FakeCloudServer::listen()
{
    for (QTcpServer *server : m_servers) {
        if (!server->isListening() && !server->listen(QHostAddress::LocalHost))
            return false;
    }
    return true;
}

QUrl FakeCloudServer::apiUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_servers[ApiHost]->serverPort()));
}

QUrl FakeCloudServer::contentUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_servers[ContentHost]->serverPort()));
}

QUrl FakeCloudServer::webUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_servers[WebHost]->serverPort()));
}

void FakeCloudServer::setNextRequestToken(const QString &key, const QString &secret)
{
    m_nextRequestToken = {key, secret};
}

void FakeCloudServer::setNextAccessToken(const QString &key, const QString &secret)
{
    m_nextAccessToken = {key, secret};
}

void FakeCloudServer::addAccessToken(const QString &key, const QString &secret)
{
    m_accessTokens.insert(key, secret);
}

void FakeCloudServer::revokeAccessTokens()
{
    m_accessTokens.clear();
}

void FakeCloudServer::setAutoApprove(bool approve)
{
    m_autoApprove = approve;
}

void FakeCloudServer::setSecretFirst(bool secretFirst)
{
    m_secretFirst = secretFirst;
}

void FakeCloudServer::setFile(const QString &path, const QByteArray &content)
{
    m_files.insert(path, content);
}

QByteArray FakeCloudServer::file(const QString &path) const
{
    return m_files.value(path);
}

void FakeCloudServer::setFailure(Call call, int httpStatus)
{
    m_failures.insert(call, httpStatus);
}

void FakeCloudServer::setReplyBody(Call call, const QByteArray &body)
{
    m_replyBodies.insert(call, body);
}

void FakeCloudServer::setStall(Call call, Stall stall)
{
    m_stalls.insert(call, stall);
}

void FakeCloudServer::releaseStalled()
{
    const QVector<Held> held = std::exchange(m_held, {});
    for (Held entry : held) {
        const bool close = entry.request.wantsClose();
        const QByteArray bytes = entry.carriedOut ? entry.remainder : carryOut(entry.request, entry.index);
        if (entry.socket)
            send(entry.socket, bytes, close);
    }
}

void FakeCloudServer::accept(QTcpServer *server, Host host)
{
    connect(server, &QTcpServer::newConnection, this, [this, server, host] {
        while (QTcpSocket *socket = server->nextPendingConnection()) {
            m_readers.insert(socket, HttpRequestReader());
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, host] { readFrom(socket, host); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_readers.remove(socket);
                socket->deleteLater();
            });
        }
    });
}

void FakeCloudServer::readFrom(QTcpSocket *socket, Host host)
{
    m_readers[socket].append(socket->readAll());
    HttpRequest request;
    // Looked up afresh each time: serving emits signals, and a test's slot may open connections.
    while (m_readers.contains(socket) && m_readers[socket].takeRequest(&request))
        serve(socket, host, request);
    if (m_readers.value(socket).failed())
        send(socket, responseBytes({400, "application/json", jsonError(QStringLiteral("Bad request"))}, true), true);
}

void FakeCloudServer::serve(QTcpSocket *socket, Host host, const HttpRequest &http)
{
    Request request;
    static_cast<HttpRequest &>(request) = http;
    const QByteArray rawPath = http.rawPath();
    request.path = decodedPath(rawPath);
    if (host == ApiHost && http.method == "POST" && rawPath == "/1/oauth/request_token") {
        request.call = RequestToken;
    } else if (host == ApiHost && http.method == "POST" && rawPath == "/1/oauth/access_token") {
        request.call = AccessToken;
    } else if (host == WebHost && http.method == "GET" && rawPath == "/1/oauth/authorize") {
        request.call = Authorize;
    } else if (host == ContentHost && http.method == "GET" && rawPath.startsWith(downloadPrefix + '/')) {
        request.call = Download;
        request.path = decodedPath(rawPath.mid(downloadPrefix.size()));
    } else if (host == ContentHost && http.method == "PUT" && rawPath.startsWith(uploadPrefix + '/')) {
        request.call = Upload;
        request.path = decodedPath(rawPath.mid(uploadPrefix.size()));
    }
    request.query.setQuery(QString::fromLatin1(http.rawQuery()));
    parseHeader(http.header("Authorization"), &request.oauth);

    const int index = m_requests.size();
    m_requests.append(request);

    const Stall stall = m_stalls.value(request.call, NoStall);
    if (stall == StallBeforeReply) {
        m_held.append({socket, request, index, false, {}});
        emit stalled(request.call);
        return;
    }
    const QByteArray bytes = carryOut(request, index);
    if (stall == StallMidBody) {
        const int bodyStart = bytes.indexOf("\r\n\r\n") + 4;
        const int cut = bodyStart + (bytes.size() - bodyStart) / 2;
        send(socket, bytes.left(cut), false);
        m_held.append({socket, request, index, true, bytes.mid(cut)});
        emit stalled(request.call);
        return;
    }
    send(socket, bytes, http.wantsClose());
}

QByteArray FakeCloudServer::carryOut(Request &request, int index)
{
    const Response response = answer(request);
    request.status = response.status;
    m_requests[index] = request;
    return responseBytes(response, request.wantsClose());
}

FakeCloudServer::Response FakeCloudServer::answer(Request &request)
{
    const QByteArray json = "application/json";
    if (request.call == UnknownCall)
        return {404, json, jsonError(QStringLiteral("No such call"))};
    if (const int status = m_failures.value(request.call))
        return {status, json, jsonError(QStringLiteral("Failure asked for by the test"))};

    if (request.call == Authorize) {
        const QString token = request.query.queryItemValue(QStringLiteral("oauth_token"), QUrl::FullyDecoded);
        if (!m_requestTokens.contains(token))
            return {404, json, jsonError(QStringLiteral("Unknown request token"))};
        m_approvedTokens.insert(token);
        return {200, "text/html; charset=utf-8", "<html><body>Access granted.</body></html>"};
    }

    QString token;
    QString tokenSecret;
    request.rejection = checkOAuth(request, &token, &tokenSecret);
    if (!request.rejection.isEmpty())
        return {401, json, jsonError(request.rejection)};
    if (m_replyBodies.contains(request.call))
        return {200, "text/plain", m_replyBodies.value(request.call)};
    return answerSigned(request, token);
}

FakeCloudServer::Response FakeCloudServer::answerSigned(Request &request, const QString &token)
{
    const QByteArray json = "application/json";
    switch (request.call) {
    case RequestToken: {
        const auto issued = takeToken(m_nextRequestToken);
        m_requestTokens.insert(issued.first, issued.second);
        return {200, "text/plain", tokenReply(issued, {})};
    }
    case AccessToken: {
        if (!m_autoApprove && !m_approvedTokens.contains(token))
            return {401, json, jsonError(QStringLiteral("Request token has not been authorized"))};
        m_requestTokens.remove(token);
        m_approvedTokens.remove(token);
        const auto issued = takeToken(m_nextAccessToken);
        m_accessTokens.insert(issued.first, issued.second);
        return {200, "text/plain", tokenReply(issued, "&uid=4815162342")};
    }
    case Download:
        if (!m_files.contains(request.path))
            return {404, json, jsonError(QStringLiteral("File not found"))};
        return {200, "application/octet-stream", m_files.value(request.path)};
    case Upload:
        m_files.insert(request.path, request.body);
        return {200, json,
                "{\"bytes\": " + QByteArray::number(request.body.size()) + ", \"path\": \"" + request.path.toUtf8()
                    + "\"}"};
    case Authorize:
    case UnknownCall:
        break;
    }
    return {404, json, jsonError(QStringLiteral("No such call"))};
}

QString FakeCloudServer::checkOAuth(const Request &request, QString *token, QString *tokenSecret)
{
    OAuthParameters oauth;
    const QString error = parseHeader(request.header("Authorization"), &oauth);
    if (!error.isEmpty())
        return error;
    if (QString::fromUtf8(oauth.value("oauth_consumer_key")) != consumerKey)
        return QStringLiteral("Unknown consumer key");
    if (oauth.value("oauth_signature_method") != "HMAC-SHA1")
        return QStringLiteral("Unsupported signature method");
    if (oauth.contains("oauth_version") && oauth.value("oauth_version") != "1.0")
        return QStringLiteral("Unsupported OAuth version");
    bool numeric = false;
    const qint64 timestamp = oauth.value("oauth_timestamp").toLongLong(&numeric);
    if (!numeric || qAbs(QDateTime::currentSecsSinceEpoch() - timestamp) > allowedClockSkew)
        return QStringLiteral("Timestamp missing or off");
    const QByteArray nonce = oauth.value("oauth_timestamp") + ':' + oauth.value("oauth_nonce");
    if (oauth.value("oauth_nonce").isEmpty() || m_usedNonces.contains(nonce))
        return QStringLiteral("Nonce missing or used before");

    *token = QString::fromUtf8(oauth.value("oauth_token"));
    if (request.call == RequestToken) {
        if (oauth.contains("oauth_token"))
            return QStringLiteral("No token expected");
    } else if (request.call == AccessToken) {
        if (!m_requestTokens.contains(*token))
            return QStringLiteral("Unknown request token");
        *tokenSecret = m_requestTokens.value(*token);
    } else if (!m_accessTokens.contains(*token)) {
        return QStringLiteral("Unknown or revoked access token");
    } else {
        *tokenSecret = m_accessTokens.value(*token);
    }

    const QByteArray base = baseString(request, oauth);
    const QByteArray key = consumerSecret.toUtf8() + '&' + tokenSecret->toUtf8();
    if (oauth.value("oauth_signature")
        != QMessageAuthenticationCode::hash(base, key, QCryptographicHash::Sha1).toBase64())
        return QStringLiteral("Invalid signature for base string %1").arg(QString::fromLatin1(base));
    m_usedNonces.insert(nonce);
    return {};
}

QByteArray FakeCloudServer::tokenReply(const QPair<QString, QString> &token, const QByteArray &extra) const
{
    const QByteArray key = "oauth_token=" + encode(token.first.toUtf8());
    const QByteArray secret = "oauth_token_secret=" + encode(token.second.toUtf8());
    return (m_secretFirst ? secret + '&' + key : key + '&' + secret) + extra;
}

QPair<QString, QString> FakeCloudServer::takeToken(QPair<QString, QString> &next)
{
    if (!next.first.isEmpty())
        return std::exchange(next, {});
    const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    auto made = [&alphabet] {
        QString text;
        for (int i = 0; i < 15; ++i)
            text += alphabet.at(QRandomGenerator::global()->bounded(alphabet.size()));
        return text;
    };
    return {made(), made()};
}

QByteArray FakeCloudServer::responseBytes(const Response &response, bool close)
{
    return "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status)
        + "\r\nContent-Type: " + response.contentType
        + "\r\nContent-Length: " + QByteArray::number(response.body.size())
        + "\r\nConnection: " + (close ? "close" : "keep-alive") + "\r\n\r\n" + response.body;
}

void FakeCloudServer::send(QTcpSocket *socket, const QByteArray &bytes, bool close)
{
    socket->write(bytes);
    socket->flush();
    if (close)
        socket->disconnectFromHost();
}
