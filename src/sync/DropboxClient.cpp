#include "sync/DropboxClient.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrlQuery>

namespace {
const QString requestTokenPath = QStringLiteral("/1/oauth/request_token");
const QString accessTokenPath = QStringLiteral("/1/oauth/access_token");
const QString authorizePath = QStringLiteral("/1/oauth/authorize");
const QString downloadPath = QStringLiteral("/1/files/sandbox");
const QString uploadPath = QStringLiteral("/1/files_put/sandbox");
} // namespace

DropboxHosts DropboxHosts::service()
{
    return {QUrl(QStringLiteral("https://api.dropbox.com")), QUrl(QStringLiteral("https://api-content.dropbox.com")),
            QUrl(QStringLiteral("https://www.dropbox.com"))};
}

DropboxClient::DropboxClient(QObject *parent)
    : DropboxClient(DropboxHosts::service(), parent)
{
}

DropboxClient::DropboxClient(const DropboxHosts &hosts, QObject *parent)
    : QObject(parent)
    , m_apiCredential{QStringLiteral("k7m2q9x4v1c8b3n"), QStringLiteral("p5t0r6w2j9h4d7s")}
    , m_hosts(hosts)
    , m_network(new QNetworkAccessManager(this))
    , m_signer(&m_apiCredential)
{
    connect(m_network, &QNetworkAccessManager::finished, this, &DropboxClient::handleNetworkReply);
}

DropboxClient::~DropboxClient()
{
    // The reply must not outlive the upload file it may still be reading.
    dropPendingOperation();
}

void DropboxClient::setApiKey(const QString &akey, const QString &asecret)
{
    m_apiCredential = {akey, asecret};
}

void DropboxClient::setUserLogin(const QString &atoken, const QString &asecret)
{
    m_accessCredential = {atoken, asecret};
}

void DropboxClient::setHosts(const DropboxHosts &hosts)
{
    m_hosts = hosts;
}

void DropboxClient::getRequestToken()
{
    dropPendingOperation();
    const QNetworkRequest request = signedRequest(m_hosts.api, requestTokenPath, QStringLiteral("POST"), nullptr);
    await(OpRequestToken, m_network->post(request, QByteArray()));
}

void DropboxClient::getAccessToken()
{
    dropPendingOperation();
    const QNetworkRequest request
        = signedRequest(m_hosts.api, accessTokenPath, QStringLiteral("POST"), &m_requestCredential);
    await(OpAccessToken, m_network->post(request, QByteArray()));
}

QString DropboxClient::getAuthUrl(const QString &callback) const
{
    QUrl url = m_hosts.web;
    url.setPath(authorizePath);
    url.setQuery(QStringLiteral("oauth_token=%1&oauth_callback=%2").arg(m_requestCredential.key, callback));
    return url.toString(QUrl::FullyEncoded);
}

bool DropboxClient::downloadFile(const QString &path, const QString &target)
{
    dropPendingOperation();
    m_downloadFile.setFileName(target);
    if (!m_downloadFile.open(QIODevice::WriteOnly))
        return false;
    const QNetworkRequest request
        = signedRequest(m_hosts.content, downloadPath + path, QStringLiteral("GET"), &m_accessCredential);
    await(OpDownload, m_network->get(request));
    return true;
}

bool DropboxClient::uploadFile(const QString &path, const QString &local)
{
    dropPendingOperation();
    m_uploadFile.setFileName(local);
    if (!m_uploadFile.open(QIODevice::ReadOnly))
        return false;
    const QNetworkRequest request = signedRequest(m_hosts.content, uploadPath + path, QStringLiteral("PUT"),
                                                  &m_accessCredential, QStringLiteral("overwrite=true"));
    await(OpUpload, m_network->put(request, &m_uploadFile));
    return true;
}

void DropboxClient::cancelOperations()
{
    const ClientOperation operation = m_pendingOperation;
    if (operation == OpNone)
        return;
    dropPendingOperation();
    finishWithError(operation, QNetworkReply::OperationCanceledError);
}

QNetworkRequest DropboxClient::signedRequest(const QUrl &host, const QString &path, const QString &method,
                                             const OAuthCredential *token, const QString &query) const
{
    QUrl url = host;
    // Sent encoded exactly as it is signed, so that a server that signs the path as it receives it agrees.
    url.setPath(OAuthSigner::encodePath(path), QUrl::TolerantMode);
    url.setQuery(query);
    QNetworkRequest request(url);
    m_signer.signRequest(token, method, request);
    return request;
}

void DropboxClient::await(ClientOperation operation, QNetworkReply *reply)
{
    m_pendingOperation = operation;
    m_currentReply = reply;
}

void DropboxClient::dropPendingOperation()
{
    m_pendingOperation = OpNone;
    if (QNetworkReply *reply = m_currentReply.data()) {
        // Cleared first, so the handler ignores the finished signal the abort sends.
        m_currentReply = nullptr;
        reply->abort();
        reply->deleteLater();
    }
    m_downloadFile.close();
    m_uploadFile.close();
}

void DropboxClient::handleNetworkReply(QNetworkReply *reply)
{
    reply->deleteLater();
    // A reply that is not awaited was cancelled or dropped, and its outcome is settled already.
    if (reply != m_currentReply)
        return;
    const ClientOperation operation = m_pendingOperation;
    m_pendingOperation = OpNone;
    m_currentReply = nullptr;

    if (reply->error() != QNetworkReply::NoError) {
        m_problem = describe(*reply);
        finishWithError(operation, reply->error());
        return;
    }
    const QByteArray body = reply->readAll();
    qDebug() << "Dropbox reply of" << body.size() << "bytes, state:" << operation;
    finishWithBody(operation, body);
}

void DropboxClient::finishWithError(ClientOperation operation, int error)
{
    qDebug() << "Dropbox error" << error << "in" << operation;
    switch (operation) {
    case OpRequestToken:
        emit errorRequestToken(error);
        break;
    case OpAccessToken:
        emit errorAccessToken(error);
        break;
    case OpDownload:
        m_downloadFile.close();
        emit errorFileDownload(error);
        break;
    case OpUpload:
        m_uploadFile.close();
        emit errorFileUpload(error);
        break;
    case OpNone:
        break;
    }
}

QString DropboxClient::describe(const QNetworkReply &reply)
{
    const QString host = reply.url().host();
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid())
        return tr("%1 answered %2 %3")
            .arg(host)
            .arg(status.toInt())
            .arg(reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
            .trimmed();
    switch (reply.error()) {
    case QNetworkReply::HostNotFoundError:
        return tr("the host %1 cannot be found (is the computer offline?)").arg(host);
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
        return tr("the host %1 cannot be reached: %2").arg(host, reply.errorString());
    case QNetworkReply::OperationCanceledError:
        return tr("cancelled");
    default:
        return reply.errorString();
    }
}

void DropboxClient::finishWithBody(ClientOperation operation, const QByteArray &body)
{
    switch (operation) {
    case OpRequestToken:
        m_requestCredential = tokenFromReply(body);
        emit doneRequestToken();
        break;
    case OpAccessToken:
        m_accessCredential = tokenFromReply(body);
        emit doneAccessToken(m_accessCredential.key, m_accessCredential.secret);
        break;
    case OpDownload:
        if (m_downloadFile.write(body) == body.size() && m_downloadFile.flush()) {
            m_downloadFile.close();
            emit doneFileDownload();
        } else {
            // A download that could not be saved leaves what a failed one leaves: an empty file.
            m_problem = tr("the download could not be saved to %1: %2")
                            .arg(m_downloadFile.fileName(), m_downloadFile.errorString());
            m_downloadFile.resize(0);
            finishWithError(OpDownload, QNetworkReply::UnknownContentError);
        }
        break;
    case OpUpload:
        m_uploadFile.close();
        emit doneFileUpload();
        break;
    case OpNone:
        break;
    }
}

OAuthCredential DropboxClient::tokenFromReply(const QByteArray &body)
{
    // A form-encoded body; constData() ends the text at the first zero byte.
    const QUrlQuery query(QString::fromLatin1(body.constData()));
    return {query.queryItemValue(QStringLiteral("oauth_token"), QUrl::FullyDecoded),
            query.queryItemValue(QStringLiteral("oauth_token_secret"), QUrl::FullyDecoded)};
}
