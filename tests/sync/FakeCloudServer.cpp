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

// The service's OAuth 1.0 HMAC-SHA1 check (RFC 5849), kept apart from the program's signer so that
// each checks the other. Two conventions of the service differ from the RFC: the signed URL never
// carries a port, and the two secrets join the signing key as they are, without percent-encoding.
using OAuthParameters = QMap<QByteArray, QByteArray>;

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

// Cuts the next whole request off the bytes Qt's client sent on one connection: request line,
// headers and a Content-Length body (the only body framing it uses here).
bool takeRequest(QByteArray &buffer, FakeCloudServer::Request *request)
{
    const int headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return false;
    FakeCloudServer::Request parsed;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    parsed.method = requestLine.value(0);
    parsed.target = requestLine.value(1);
    const int mark = parsed.target.indexOf('?');
    parsed.rawPath = mark < 0 ? parsed.target : parsed.target.left(mark);
    parsed.rawQuery = mark < 0 ? QByteArray() : parsed.target.mid(mark + 1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines.at(i).indexOf(':');
        parsed.headers.insert(lines.at(i).left(colon).trimmed().toLower(), lines.at(i).mid(colon + 1).trimmed());
    }
    const int bodyStart = headEnd + 4;
    const int length = parsed.headers.value("content-length").toInt();
    if (buffer.size() - bodyStart < length)
        return false;
    parsed.body = buffer.mid(bodyStart, length);
    parsed.close = parsed.headers.value("connection").toLower() == "close";
    buffer.remove(0, bodyStart + length);
    *request = parsed;
    return true;
}

// RFC 5849 section 3.4.1, over the request as received: raw path and query, Host header.
QByteArray baseString(const FakeCloudServer::Request &request, const OAuthParameters &oauth)
{
    QByteArray host = request.headers.value("host").toLower();
    const int colon = host.lastIndexOf(':');
    if (colon >= 0 && !host.endsWith(']'))
        host.truncate(colon);
    QList<QPair<QByteArray, QByteArray>> pairs;
    for (const QByteArray &item : request.rawQuery.split('&')) {
        const int equals = item.indexOf('=');
        if (!item.isEmpty())
            pairs.append({decode(item.left(equals), true).toPercentEncoding(),
                          (equals < 0 ? QByteArray() : decode(item.mid(equals + 1), true)).toPercentEncoding()});
    }
    for (auto it = oauth.cbegin(); it != oauth.cend(); ++it) {
        if (it.key() != "oauth_signature")
            pairs.append({it.key().toPercentEncoding(), it.value().toPercentEncoding()});
    }
    std::sort(pairs.begin(), pairs.end());
    QByteArray normalized;
    for (const auto &pair : qAsConst(pairs))
        normalized += (normalized.isEmpty() ? "" : "&") + pair.first + '=' + pair.second;
    return request.method.toUpper() + '&' + QByteArray("http://" + host + request.rawPath).toPercentEncoding() + '&'
        + normalized.toPercentEncoding();
}

QPair<QString, QString> takeToken(QPair<QString, QString> &next)
{
    if (!next.first.isEmpty())
        return std::exchange(next, {});
    auto made = [] { return QString::number(QRandomGenerator::global()->generate64(), 36); };
    return {made(), made()};
}
} // namespace

FakeCloudServer::FakeCloudServer(QObject *parent)
    : QObject(parent)
{
    for (const Host host : {ApiHost, ContentHost, WebHost}) {
        QTcpServer *server = m_servers[host] = new QTcpServer(this);
        connect(server, &QTcpServer::newConnection, this, [this, server, host] {
            while (QTcpSocket *socket = server->nextPendingConnection()) {
                m_buffers.insert(socket, {});
                connect(socket, &QTcpSocket::readyRead, this, [this, socket, host] { readFrom(socket, host); });
                connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                    m_buffers.remove(socket);
                    socket->deleteLater();
                });
            }
        });
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

QUrl FakeCloudServer::url(Host host) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_servers[host]->serverPort()));
}

void FakeCloudServer::releaseStalled()
{
    const QVector<Held> held = std::exchange(m_held, {});
    for (Held entry : held) {
        const bool close = entry.request.close;
        const QByteArray bytes = entry.carriedOut ? entry.remainder : carryOut(entry.request, entry.index);
        if (entry.socket)
            send(entry.socket, bytes, close);
    }
}

void FakeCloudServer::readFrom(QTcpSocket *socket, Host host)
{
    m_buffers[socket] += socket->readAll();
    Request request;
    // Looked up afresh each time: serving emits signals, and a test's slot may open connections.
    while (m_buffers.contains(socket) && takeRequest(m_buffers[socket], &request))
        serve(socket, host, request);
}

void FakeCloudServer::serve(QTcpSocket *socket, Host host, Request request)
{
    const QByteArray &rawPath = request.rawPath;
    if (host == ApiHost && request.method == "POST" && rawPath == "/1/oauth/request_token") {
        request.call = RequestToken;
    } else if (host == ApiHost && request.method == "POST" && rawPath == "/1/oauth/access_token") {
        request.call = AccessToken;
    } else if (host == WebHost && request.method == "GET" && rawPath == "/1/oauth/authorize") {
        request.call = Authorize;
    } else if (host == ContentHost && request.method == "GET" && rawPath.startsWith(downloadPrefix + '/')) {
        request.call = Download;
        request.path = QString::fromUtf8(decode(rawPath.mid(downloadPrefix.size()), false));
    } else if (host == ContentHost && request.method == "PUT" && rawPath.startsWith(uploadPrefix + '/')) {
        request.call = Upload;
        request.path = QString::fromUtf8(decode(rawPath.mid(uploadPrefix.size()), false));
    }
    parseHeader(request.headers.value("authorization"), &request.oauth);

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
    send(socket, bytes, request.close);
}

QByteArray FakeCloudServer::carryOut(Request &request, int index)
{
    const Response response = answer(request);
    m_requests[index] = request;
    // The client goes by the status code alone, so one reason phrase does for all.
    return "HTTP/1.1 " + QByteArray::number(response.status)
        + " Answer\r\nContent-Length: " + QByteArray::number(response.body.size())
        + "\r\nConnection: " + (request.close ? "close" : "keep-alive") + "\r\n\r\n" + response.body;
}

FakeCloudServer::Response FakeCloudServer::answer(Request &request)
{
    if (request.call == UnknownCall)
        return {404, "No such call"};
    if (const int status = m_failures.value(request.call))
        return {status, "Failure asked for by the test"};

    if (request.call == Authorize) {
        const QString token = QUrlQuery(QString::fromLatin1(request.rawQuery))
                                  .queryItemValue(QStringLiteral("oauth_token"), QUrl::FullyDecoded);
        if (!m_requestTokens.contains(token))
            return {404, "Unknown request token"};
        m_approvedTokens.insert(token);
        return {200, "<html><body>Access granted.</body></html>"};
    }

    QString token;
    QString tokenSecret;
    request.rejection = checkOAuth(request, &token, &tokenSecret);
    if (!request.rejection.isEmpty())
        return {401, request.rejection.toUtf8()};
    if (m_replyBodies.contains(request.call))
        return {200, m_replyBodies.value(request.call)};

    switch (request.call) {
    case RequestToken: {
        const auto issued = takeToken(m_nextRequestToken);
        m_requestTokens.insert(issued.first, issued.second);
        return {200, tokenReply(issued)};
    }
    case AccessToken: {
        if (!m_autoApprove && !m_approvedTokens.contains(token))
            return {401, "Request token has not been authorized"};
        m_requestTokens.remove(token);
        m_approvedTokens.remove(token);
        const auto issued = takeToken(m_nextAccessToken);
        m_accessTokens.insert(issued.first, issued.second);
        return {200, tokenReply(issued) + "&uid=4815162342"};
    }
    case Download:
        if (!m_files.contains(request.path))
            return {404, "File not found"};
        return {200, m_files.value(request.path)};
    default: // Upload
        m_files.insert(request.path, request.body);
        return {200, "{}"};
    }
}

QString FakeCloudServer::checkOAuth(const Request &request, QString *token, QString *tokenSecret)
{
    OAuthParameters oauth;
    const QString error = parseHeader(request.headers.value("authorization"), &oauth);
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

QByteArray FakeCloudServer::tokenReply(const QPair<QString, QString> &token) const
{
    const QByteArray key = "oauth_token=" + token.first.toUtf8().toPercentEncoding();
    const QByteArray secret = "oauth_token_secret=" + token.second.toUtf8().toPercentEncoding();
    return m_secretFirst ? secret + '&' + key : key + '&' + secret;
}

void FakeCloudServer::send(QTcpSocket *socket, const QByteArray &bytes, bool close)
{
    socket->write(bytes);
    socket->flush();
    if (close)
        socket->disconnectFromHost();
}
