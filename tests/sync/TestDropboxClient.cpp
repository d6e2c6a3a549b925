#include "sync/DropboxClient.h"

#include "FakeCloudServer.h"
#include "common/TestFiles.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Call = FakeCloudServer::Call;

namespace {
const QString syncPath = QStringLiteral("/sync_default.tessera");
const QString accessKey = QStringLiteral("x4hq7s2kd9fj3lm");
const QString accessSecret = QStringLiteral("0pw8zr5tn1yc6ve");

QByteArray randomBytes(int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes += char(i * 7919u % 251);
    return bytes;
}

// How the event log writes an error signal of the call.
QString failed(Call call, int error)
{
    static const char *const names[]
        = {"errorRequestToken", "errorAccessToken", "", "errorFileDownload", "errorFileUpload"};
    return QStringLiteral("%1 %2").arg(QLatin1String(names[call])).arg(error);
}
} // namespace

// The client against a stand-in of the service on 127.0.0.1 that checks every signature itself.
class TestDropboxClient : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeCloudServer> m_server;
    std::unique_ptr<DropboxClient> m_client;
    QStringList m_events; // every signal of the client in order, with its arguments

    QString local(const QString &name) const { return m_dir->filePath(name); }

    void record()
    {
        DropboxClient *client = m_client.get();
        auto done = [this](const char *name) { return [this, name] { m_events << QLatin1String(name); }; };
        auto error = [this](Call call) { return [this, call](int code) { m_events << failed(call, code); }; };
        connect(client, &DropboxClient::doneRequestToken, this, done("doneRequestToken"));
        connect(client, &DropboxClient::doneAccessToken, this, [this](const QString &key, const QString &secret) {
            m_events << "doneAccessToken " + key + ' ' + secret;
        });
        connect(client, &DropboxClient::doneFileDownload, this, done("doneFileDownload"));
        connect(client, &DropboxClient::doneFileUpload, this, done("doneFileUpload"));
        connect(client, &DropboxClient::errorRequestToken, this, error(Call::RequestToken));
        connect(client, &DropboxClient::errorAccessToken, this, error(Call::AccessToken));
        connect(client, &DropboxClient::errorFileDownload, this, error(Call::Download));
        connect(client, &DropboxClient::errorFileUpload, this, error(Call::Upload));
    }

    // Sends the call, after whatever it needs first; the caller checks QTest::currentTestFailed().
    // The client holds an access token the server knows.
    void start(Call call)
    {
        switch (call) {
        case Call::RequestToken:
            m_client->getRequestToken();
            break;
        case Call::AccessToken:
            m_client->getRequestToken();
            QTRY_COMPARE(m_events, QStringList{"doneRequestToken"});
            m_client->getAccessToken();
            break;
        case Call::Download:
            QVERIFY(writeFile(local("download.tessera"), "stale contents of an earlier sync"));
            QVERIFY(m_client->downloadFile(syncPath, local("download.tessera")));
            break;
        case Call::Upload:
            QVERIFY(writeFile(local("upload.tessera"), randomBytes(200000)));
            QVERIFY(m_client->uploadFile(syncPath, local("upload.tessera")));
            break;
        default:
            QFAIL("not a client call");
        }
    }

    // Sends the call and waits until the server holds it.
    void startStalled(Call call, FakeCloudServer::Stall stall = FakeCloudServer::StallBeforeReply)
    {
        m_server->setStall(call, stall);
        QSignalSpy stalled(m_server.get(), &FakeCloudServer::stalled);
        start(call);
        QTRY_COMPARE(stalled.count(), 1);
    }

    // Lets stray replies and signals arrive, if there are any.
    static void settle() { QTest::qWait(150); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_server = std::make_unique<FakeCloudServer>();
        QVERIFY(m_server->listen());
        m_client = std::make_unique<DropboxClient>(
            DropboxHosts{m_server->apiUrl(), m_server->contentUrl(), m_server->webUrl()});
        m_events.clear();
        record();
        m_server->addAccessToken(accessKey, accessSecret);
        m_client->setUserLogin(accessKey, accessSecret);
    }

    void cleanup()
    {
        m_client.reset();
        m_server.reset();
        m_dir.reset();
    }

    void tokenExchange_data()
    {
        QTest::addColumn<bool>("secretFirst");
        QTest::addColumn<QString>("requestSecret");
        QTest::addColumn<QString>("grantedSecret");
        // clang-format off
        QTest::newRow("the service's field order") << true << "b9q1n5il4lcc" << "q3z8c1v6b0n4m2x";
        QTest::newRow("token first") << false << "b9q1n5il4lcc" << "q3z8c1v6b0n4m2x";
        QTest::newRow("secrets that need form encoding") << true << "b9/q1+n5 il%" << "0pw8=zr5&tn1";
        // clang-format on
    }

    // Signing in from scratch; afterwards the client signs with the new access token by itself.
    void tokenExchange()
    {
        const QString grantedKey = QStringLiteral("g7v3w1k8p2m5q0z");
        QFETCH(bool, secretFirst);
        QFETCH(QString, requestSecret);
        QFETCH(QString, grantedSecret);
        m_server->setSecretFirst(secretFirst);
        m_server->setNextRequestToken("mh7an9dkrg59", requestSecret);
        m_server->setNextAccessToken(grantedKey, grantedSecret);
        m_server->setFile(syncPath, "wallet");

        m_client->getRequestToken();
        QTRY_COMPARE(m_events.size(), 1);
        m_client->getAccessToken();
        QTRY_COMPARE(m_events.size(), 2);
        QVERIFY(m_client->downloadFile(syncPath, local("download.tessera")));
        QTRY_COMPARE(m_events,
                     (QStringList{"doneRequestToken", "doneAccessToken " + grantedKey + ' ' + grantedSecret,
                                  "doneFileDownload"}));

        const auto requests = m_server->requests();
        QCOMPARE(requests.size(), 3);
        QVERIFY(!requests.at(0).oauth.contains("oauth_token"));
        QCOMPARE(requests.at(1).oauth.value("oauth_token"), QByteArray("mh7an9dkrg59"));
        QCOMPARE(requests.at(2).oauth.value("oauth_token"), grantedKey.toLatin1());
    }

    void authUrl_data()
    {
        QTest::addColumn<QByteArray>("body"); // of the request token reply; empty for the server's own
        QTest::addColumn<QString>("callback");
        QTest::addColumn<QString>("token");
        // clang-format off
        QTest::newRow("maker's callback page") << QByteArray() << "http://tessera.example.com/dropbox/" << "mh7an9dkrg59";
        QTest::newRow("port and query") << QByteArray() << "http://127.0.0.1:8080/dropbox/?from=tessera" << "mh7an9dkrg59";
        QTest::newRow("no token items") << QByteArray("uid=12") << "cb" << "";
        QTest::newRow("text ends at a zero byte") << QByteArray("oauth_token=abc\0garbage", 23) << "cb" << "abc";
        QTest::newRow("encoded value") << QByteArray("oauth_token_secret=s&oauth_token=a%2Fb") << "cb" << "a/b";
        // clang-format on
    }

    void authUrl()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, callback);
        QFETCH(QString, token);
        m_server->setNextRequestToken("mh7an9dkrg59", "b9q1n5il4lcc");
        if (!body.isEmpty())
            m_server->setReplyBody(Call::RequestToken, body);
        m_client->getRequestToken();
        QTRY_COMPARE(m_events, QStringList{"doneRequestToken"});
        QCOMPARE(m_client->getAuthUrl(callback),
                 m_server->webUrl().toString() + "/1/oauth/authorize?oauth_token=" + token
                     + "&oauth_callback=" + callback);
    }

    void userAuthorisation_data()
    {
        QTest::addColumn<bool>("pageVisited");
        // clang-format off
        QTest::newRow("user agreed") << true;
        QTest::newRow("continued without agreeing") << false;
        // clang-format on
    }

    void userAuthorisation()
    {
        QFETCH(bool, pageVisited);
        m_server->setAutoApprove(false);
        m_client->getRequestToken();
        QTRY_COMPARE(m_events.size(), 1);
        if (pageVisited) {
            QNetworkAccessManager browser;
            std::unique_ptr<QNetworkReply> page(browser.get(QNetworkRequest(QUrl(m_client->getAuthUrl("cb")))));
            QTRY_VERIFY(page->isFinished());
            QCOMPARE(page->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
        }
        m_client->getAccessToken();
        QTRY_COMPARE(m_events.size(), 2);
        QVERIFY2(m_events.last().startsWith(
                     pageVisited ? QStringLiteral("doneAccessToken ")
                                 : failed(Call::AccessToken, QNetworkReply::AuthenticationRequiredError)),
                 qPrintable(m_events.last()));
    }

    void download_data()
    {
        QTest::addColumn<QByteArray>("content");
        // clang-format off
        QTest::newRow("text") << QByteArray("wallet");
        QTest::newRow("binary, 300 KiB") << randomBytes(300 * 1024);
        QTest::newRow("empty") << QByteArray();
        // clang-format on
    }

    void download()
    {
        QFETCH(QByteArray, content);
        m_server->setFile(syncPath, content);
        m_client->cancelOperations(); // with nothing pending, neither now nor after the call, it says nothing
        start(Call::Download);
        QTRY_COMPARE(m_events, QStringList{"doneFileDownload"});
        m_client->cancelOperations();
        settle();
        QCOMPARE(m_events, QStringList{"doneFileDownload"});
        QCOMPARE(fileBytes(local("download.tessera")), content);
        QCOMPARE(m_client->pendingOperation(), DropboxClient::OpNone);
        QTRY_VERIFY(m_client->findChildren<QNetworkReply *>().isEmpty());
        const auto request = m_server->requests().last();
        QCOMPARE(request.method, QByteArray("GET"));
        QCOMPARE(request.target, QByteArray("/1/files/sandbox/sync_default.tessera"));
    }

    void downloadThatCannotBeSaved()
    {
        if (!QFileInfo::exists("/dev/full"))
            QSKIP("needs /dev/full");
        m_server->setFile(syncPath, randomBytes(100000));
        QVERIFY(m_client->downloadFile(syncPath, "/dev/full"));
        QTRY_COMPARE(m_events, QStringList{failed(Call::Download, QNetworkReply::UnknownContentError)});
    }

    void upload_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("content");
        // clang-format off
        QTest::newRow("sync file") << syncPath << QByteArray("/1/files_put/sandbox/sync_default.tessera?overwrite=true") << randomBytes(1024 * 1024);
        QTest::newRow("blanks, non-ascii and brackets") << QString::fromUtf8("/My Wallet/Über (2).tessera") << QByteArray("/1/files_put/sandbox/My%20Wallet/%C3%9Cber%20%282%29.tessera?overwrite=true") << QByteArray("wallet");
        QTest::newRow("empty file") << syncPath << QByteArray("/1/files_put/sandbox/sync_default.tessera?overwrite=true") << QByteArray();
        // clang-format on
    }

    void upload()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, content);
        m_server->setFile(path, "older copy");
        QVERIFY(writeFile(local("upload.tessera"), content));
        QVERIFY(m_client->uploadFile(path, local("upload.tessera")));
        QTRY_COMPARE(m_events, QStringList{"doneFileUpload"});
        QCOMPARE(m_server->file(path), content);

        // The server accepted the signature only because it covered the overwrite item.
        const auto request = m_server->requests().last();
        QCOMPARE(request.method, QByteArray("PUT"));
        QCOMPARE(request.target, target);
        QCOMPARE(request.rejection, QString());
        QVERIFY(!request.headers.value("authorization").contains("overwrite"));
    }

    void failures_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("breakage");
        QTest::addColumn<int>("error");
        // clang-format off
        QTest::newRow("request token, server error") << Call::RequestToken << "500" << int(QNetworkReply::InternalServerError);
        QTest::newRow("request token, wrong program secret") << Call::RequestToken << "secret" << int(QNetworkReply::AuthenticationRequiredError);
        QTest::newRow("access token, service unavailable") << Call::AccessToken << "503" << int(QNetworkReply::ServiceUnavailableError);
        QTest::newRow("download, no such file") << Call::Download << "missing" << int(QNetworkReply::ContentNotFoundError);
        QTest::newRow("download, server error") << Call::Download << "500" << int(QNetworkReply::InternalServerError);
        QTest::newRow("download, token revoked") << Call::Download << "revoked" << int(QNetworkReply::AuthenticationRequiredError);
        QTest::newRow("download, no server") << Call::Download << "gone" << int(QNetworkReply::ConnectionRefusedError);
        QTest::newRow("upload, forbidden") << Call::Upload << "403" << int(QNetworkReply::ContentAccessDenied);
        QTest::newRow("upload, token revoked") << Call::Upload << "revoked" << int(QNetworkReply::AuthenticationRequiredError);
        // clang-format on
    }

    void failures()
    {
        QFETCH(Call, call);
        QFETCH(QString, breakage);
        QFETCH(int, error);
        if (breakage != "missing")
            m_server->setFile(syncPath, "wallet");
        if (breakage == "secret") {
            m_client->setApiKey(FakeCloudServer::consumerKey, "wrongsecret0000");
        } else if (breakage == "revoked") {
            m_server->revokeAccessTokens();
        } else if (breakage == "gone") {
            QTcpServer vacated;
            QVERIFY(vacated.listen(QHostAddress::LocalHost));
            const QUrl nobody(QStringLiteral("http://127.0.0.1:%1").arg(vacated.serverPort()));
            m_client->setHosts({nobody, nobody, nobody});
        } else if (breakage != "missing") {
            m_server->setFailure(call, breakage.toInt());
        }
        start(call);
        if (QTest::currentTestFailed())
            return;
        QStringList expected{failed(call, error)};
        if (call == Call::AccessToken)
            expected.prepend("doneRequestToken");
        QTRY_COMPARE(m_events, expected);
        settle();
        QCOMPARE(m_events, expected);
        QCOMPARE(m_client->pendingOperation(), DropboxClient::OpNone);
        QTRY_VERIFY(m_client->findChildren<QNetworkReply *>().isEmpty());
        if (call == Call::Download) // emptied, not left stale nor removed
            QCOMPARE(QFileInfo(local("download.tessera")).exists() ? QFileInfo(local("download.tessera")).size() : -1,
                     0);
        if (call == Call::Upload)
            QCOMPARE(m_server->file(syncPath), QByteArray("wallet"));
    }

    void cancelStalledCall_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<FakeCloudServer::Stall>("stall");
        // clang-format off
        QTest::newRow("request token") << Call::RequestToken << FakeCloudServer::StallBeforeReply;
        QTest::newRow("access token") << Call::AccessToken << FakeCloudServer::StallBeforeReply;
        QTest::newRow("download, before the reply") << Call::Download << FakeCloudServer::StallBeforeReply;
        QTest::newRow("download, half the file received") << Call::Download << FakeCloudServer::StallMidBody;
        QTest::newRow("upload") << Call::Upload << FakeCloudServer::StallBeforeReply;
        // clang-format on
    }

    void cancelStalledCall()
    {
        QFETCH(Call, call);
        QFETCH(FakeCloudServer::Stall, stall);
        m_server->setFile(syncPath, randomBytes(512 * 1024));
        const int signalsBefore = call == Call::AccessToken ? 1 : 0;
        startStalled(call, stall);
        if (QTest::currentTestFailed())
            return;
        settle();

        m_client->cancelOperations();
        QCOMPARE(m_events.size(), signalsBefore + 1);
        QCOMPARE(m_events.last(), failed(call, QNetworkReply::OperationCanceledError));
        QCOMPARE(m_client->pendingOperation(), DropboxClient::OpNone);

        m_server->releaseStalled();
        settle();
        QCOMPARE(m_events.size(), signalsBefore + 1);
        if (call == Call::Download)
            QCOMPARE(QFileInfo(local("download.tessera")).size(), qint64(0));
    }

    // Destroying the client with a call awaited must neither signal nor leave the reply reading a
    // file that is gone.
    void destroyedWhileAwaiting()
    {
        startStalled(Call::Upload);
        if (QTest::currentTestFailed())
            return;
        m_client.reset();
        m_server->releaseStalled();
        settle();
        QCOMPARE(m_events, QStringList());
    }

    void unopenableLocalFiles()
    {
        QVERIFY(!m_client->downloadFile(syncPath, local("no such folder/download.tessera")));
        QVERIFY(!m_client->uploadFile(syncPath, local("no such file.tessera")));
        settle();
        QCOMPARE(m_server->requests().size(), 0);
        QCOMPARE(m_events, QStringList());
        QCOMPARE(m_client->pendingOperation(), DropboxClient::OpNone);
    }

    // Only one operation is awaited; a new call drops the one before without a word.
    void newCallDropsAwaitedOne()
    {
        startStalled(Call::Download);
        if (QTest::currentTestFailed())
            return;
        m_client->getRequestToken();
        QTRY_COMPARE(m_events, QStringList{"doneRequestToken"});
        m_server->releaseStalled();
        settle();
        QCOMPARE(m_events, QStringList{"doneRequestToken"});
    }
};

QTEST_GUILESS_MAIN(TestDropboxClient)
#include "TestDropboxClient.moc"
