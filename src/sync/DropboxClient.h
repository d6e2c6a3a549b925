#pragma once

#include "sync/OAuthCredential.h"
#include "sync/OAuthSigner.h"

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

// Where the client finds the service: scheme, host and port of each of its three hosts.
struct DropboxHosts
{
    QUrl api; // OAuth token calls
    QUrl content; // file downloads and uploads
    QUrl web; // the page where the user authorises the program (opened in a browser, never sent)

    static DropboxHosts service();
};

// The program's connection to the cloud service (API version 1): OAuth 1.0 authorisation and the
// download and upload of one file in the program's sandbox folder. Every call that sends a request
// ends in exactly one done or error signal; errors carry QNetworkReply::NetworkError codes
// (ContentNotFoundError, 203, for a remote file that does not exist). One operation at a time:
// starting a call while another is awaited drops the earlier one without a signal.
class DropboxClient : public QObject
{
    Q_OBJECT

public:
    enum ClientOperation { OpNone = 0, OpRequestToken = 1, OpAccessToken = 2, OpDownload = 3, OpUpload = 4 };
    Q_ENUM(ClientOperation)

    explicit DropboxClient(QObject *parent = nullptr);
    explicit DropboxClient(const DropboxHosts &hosts, QObject *parent = nullptr);
    ~DropboxClient() override;

    Q_INVOKABLE void setApiKey(const QString &akey, const QString &asecret);
    // An access token kept from an earlier authorisation.
    Q_INVOKABLE void setUserLogin(const QString &atoken, const QString &asecret);
    Q_INVOKABLE void getRequestToken();
    // Exchanges the request token, once the user has authorised it, for an access token, which
    // the client then signs with.
    Q_INVOKABLE void getAccessToken();
    // The page where the user authorises the request token; callback goes in as it is.
    Q_INVOKABLE QString getAuthUrl(const QString &callback) const;
    // False, with nothing sent, when the target cannot be opened for writing. The target is emptied
    // at once and written only when the whole file has arrived.
    Q_INVOKABLE bool downloadFile(const QString &path, const QString &target);
    // Replaces the remote file; false, with nothing sent, when the local file cannot be read.
    Q_INVOKABLE bool uploadFile(const QString &path, const QString &local);
    // Ends the awaited operation at once with its error signal and OperationCanceledError.
    Q_INVOKABLE void cancelOperations();

    ClientOperation pendingOperation() const { return m_pendingOperation; }
    // What went wrong in the last operation that failed, in words: a host that cannot be reached, or
    // what the service answered.
    QString problem() const { return m_problem; }
    DropboxHosts hosts() const { return m_hosts; }
    void setHosts(const DropboxHosts &hosts);

signals:
    void doneRequestToken();
    void errorRequestToken(int error);
    void doneAccessToken(const QString &key, const QString &secret);
    void errorAccessToken(int error);
    void doneFileDownload();
    void errorFileDownload(int error);
    void doneFileUpload();
    void errorFileUpload(int error);

private slots:
    void handleNetworkReply(QNetworkReply *reply);

private:
    QNetworkRequest signedRequest(const QUrl &host, const QString &path, const QString &method,
                                  const OAuthCredential *token, const QString &query = QString()) const;
    void await(ClientOperation operation, QNetworkReply *reply);
    void dropPendingOperation();
    void finishWithError(ClientOperation operation, int error);
    void finishWithBody(ClientOperation operation, const QByteArray &body);
    static OAuthCredential tokenFromReply(const QByteArray &body);
    static QString describe(const QNetworkReply &reply);

    OAuthCredential m_apiCredential;
    OAuthCredential m_accessCredential;
    OAuthCredential m_requestCredential;
    DropboxHosts m_hosts;
    QNetworkAccessManager *m_network;
    OAuthSigner m_signer;
    ClientOperation m_pendingOperation = OpNone;
    QPointer<QNetworkReply> m_currentReply;
    QFile m_downloadFile;
    QFile m_uploadFile;
    QString m_problem;
};
