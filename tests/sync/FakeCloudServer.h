#pragma once

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QUrl>
#include <QUrlQuery>
#include <QVector>

class QTcpServer;
class QTcpSocket;

// A stand-in for the cloud service on 127.0.0.1, for tests. It serves the service's API version 1
// on three ports, one per host: the token calls (apiUrl), the sandbox file calls (contentUrl) and
// the authorisation page (webUrl). It checks the OAuth signature of every call with its own code,
// answers a bad one with 401, keeps files in memory and records every request it receives. Tests
// can make a call fail, stall it until released, or refuse tokens.
class FakeCloudServer : public QObject
{
    Q_OBJECT

public:
    enum Call { RequestToken, AccessToken, Authorize, Download, Upload, UnknownCall };
    Q_ENUM(Call)
    enum Stall {
        NoStall,
        StallBeforeReply, // the request is received and recorded, but not acted on until released
        StallMidBody // the call is carried out and half of the reply sent; the rest waits for release
    };
    Q_ENUM(Stall)

    // One request as it arrived, the call it makes and what the server made of it.
    struct Request
    {
        QByteArray method;
        QByteArray target; // path and query, as on the request line
        QByteArray rawPath; // the target cut at "?", not decoded
        QByteArray rawQuery;
        QHash<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
        bool close = false; // the client asked to close the connection after the answer
        Call call = UnknownCall;
        QString path; // decoded path below the sandbox for file calls
        QMap<QByteArray, QByteArray> oauth; // the Authorization parameters, decoded
        QString rejection; // why the OAuth check failed; empty when it passed or did not apply
    };

    static const QString consumerKey; // the program's built-in key and secret, accepted by default
    static const QString consumerSecret;

    explicit FakeCloudServer(QObject *parent = nullptr);
    ~FakeCloudServer() override;

    // Starts the three listeners on free ports of 127.0.0.1.
    bool listen();
    QUrl apiUrl() const { return url(ApiHost); }
    QUrl contentUrl() const { return url(ContentHost); }
    QUrl webUrl() const { return url(WebHost); }

    // The next token issued; otherwise a random one is made up.
    void setNextRequestToken(const QString &key, const QString &secret) { m_nextRequestToken = {key, secret}; }
    void setNextAccessToken(const QString &key, const QString &secret) { m_nextAccessToken = {key, secret}; }
    // An access token the user granted earlier.
    void addAccessToken(const QString &key, const QString &secret) { m_accessTokens.insert(key, secret); }
    // Every access token issued or added so far is refused from now on.
    void revokeAccessTokens() { m_accessTokens.clear(); }
    // When off, a request token is exchanged only after its authorisation page was visited (GET
    // webUrl()/1/oauth/authorize?oauth_token=...); on at first, as if the user always agreed.
    void setAutoApprove(bool approve) { m_autoApprove = approve; }
    // Token replies are written "oauth_token_secret=...&oauth_token=..." (the service's order),
    // or with the token first.
    void setSecretFirst(bool secretFirst) { m_secretFirst = secretFirst; }

    // Paths below the sandbox begin with "/", e.g. "/sync_default.tessera".
    void setFile(const QString &path, const QByteArray &content) { m_files.insert(path, content); }
    QByteArray file(const QString &path) const { return m_files.value(path); }

    // Answer the call with this HTTP status (0: answer normally); the call changes nothing.
    void setFailure(Call call, int httpStatus) { m_failures.insert(call, httpStatus); }
    // Answer the call, once its OAuth check passed, with status 200 and this body instead.
    void setReplyBody(Call call, const QByteArray &body) { m_replyBodies.insert(call, body); }
    void setStall(Call call, Stall stall) { m_stalls.insert(call, stall); }
    // Carries out and answers every stalled call (mind that their clients may have gone).
    void releaseStalled();

    QVector<Request> requests() const { return m_requests; }

signals:
    void stalled(FakeCloudServer::Call call);

private:
    enum Host { ApiHost, ContentHost, WebHost };
    struct Response
    {
        int status;
        QByteArray body;
    };
    struct Held
    {
        QPointer<QTcpSocket> socket;
        Request request;
        int index; // in requests()
        bool carriedOut;
        QByteArray remainder; // what is still to be sent once carried out
    };

    QUrl url(Host host) const;
    void readFrom(QTcpSocket *socket, Host host);
    void serve(QTcpSocket *socket, Host host, Request request);
    QByteArray carryOut(Request &request, int index);
    Response answer(Request &request);
    QString checkOAuth(const Request &request, QString *token, QString *tokenSecret);
    QByteArray tokenReply(const QPair<QString, QString> &token) const;
    static void send(QTcpSocket *socket, const QByteArray &bytes, bool close);

    QTcpServer *m_servers[3];
    QPair<QString, QString> m_nextRequestToken;
    QPair<QString, QString> m_nextAccessToken;
    QHash<QString, QString> m_requestTokens; // key -> secret
    QSet<QString> m_approvedTokens;
    QHash<QString, QString> m_accessTokens;
    QSet<QByteArray> m_usedNonces;
    bool m_autoApprove = true;
    bool m_secretFirst = true;
    QMap<QString, QByteArray> m_files;
    QHash<int, int> m_failures;
    QHash<int, QByteArray> m_replyBodies;
    QHash<int, Stall> m_stalls;
    QVector<Held> m_held;
    QVector<Request> m_requests;
    QHash<QTcpSocket *, QByteArray> m_buffers; // what each connection sent that is not a whole request yet
};
