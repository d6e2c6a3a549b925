#include "sync/DropBoxClient.h"

#include "FakeCloudServer.h"
#include "common/TestFiles.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRandomGenerator>
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
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(7);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

// Every signal of one client, so that a test sees that the expected one came and nothing else.
struct ClientSignals
{
    explicit ClientSignals(DropBoxClient *client)
        : doneRequestToken(client, &DropBoxClient::doneRequestToken)
        , errorRequestToken(client, &DropBoxClient::errorRequestToken)
        , doneAccessToken(client, &DropBoxClient::doneAccessToken)
        , errorAccessToken(client, &DropBoxClient::errorAccessToken)
        , doneFileDownload(client, &DropBoxClient::doneFileDownload)
        , errorFileDownload(client, &DropBoxClient::errorFileDownload)
        , doneFileUpload(client, &DropBoxClient::doneFileUpload)
        , errorFileUpload(client, &DropBoxClient::errorFileUpload)
    {
    }

    int total() const
    {
        return doneRequestToken.count() + errorRequestToken.count() + doneAccessToken.count() + errorAccessToken.count()
            + doneFileDownload.count() + errorFileDownload.count() + doneFileUpload.count() + errorFileUpload.count();
    }

    QSignalSpy &error(Call call)
    {
        switch (call) {
        case Call::RequestToken:
            return errorRequestToken;
        case Call::AccessToken:
            return errorAccessToken;
        case Call::Download:
            return errorFileDownload;
        default:
            return errorFileUpload;
        }
    }

    QSignalSpy doneRequestToken;
    QSignalSpy errorRequestToken;
    QSignalSpy doneAccessToken;
    QSignalSpy errorAccessToken;
    QSignalSpy doneFileDownload;
    QSignalSpy errorFileDownload;
    QSignalSpy doneFileUpload;
    QSignalSpy errorFileUpload;
};
} // namespace

// The client against a stand-in of the service on 127.0.0.1 that checks every signature itself.
class TestDropBoxClient : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeCloudServer> m_server;
    std::unique_ptr<DropBoxClient> m_client;
    std::unique_ptr<ClientSignals> m_signals;

    QString local(const QString &name) const { return m_dir->filePath(name); }

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
            QTRY_COMPARE(m_signals->doneRequestToken.count(), 1);
            m_client->getAccessToken();
            break;
        case Call::Download:
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

    // Lets stray replies and signals arrive, if there are any.
    static void settle() { QTest::qWait(150); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_server = std::make_unique<FakeCloudServer>();
        QVERIFY(m_server->listen());
        m_client = std::make_unique<DropBoxClient>(
            DropBoxHosts{m_server->apiUrl(), m_server->contentUrl(), m_server->webUrl()});
        m_signals = std::make_unique<ClientSignals>(m_client.get());
        m_server->addAccessToken(accessKey, accessSecret);
        m_client->setUserLogin(accessKey, accessSecret);
    }

    void cleanup()
    {
        m_signals.reset();
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
        QTRY_COMPARE(m_signals->doneRequestToken.count(), 1);
        QVERIFY(m_client->getAuthUrl("http://tessera.example.com/dropbox/").contains("oauth_token=mh7an9dkrg59&"));
        m_client->getAccessToken();
        QTRY_COMPARE(m_signals->doneAccessToken.count(), 1);
        QCOMPARE(m_signals->doneAccessToken.first(), QVariantList({grantedKey, grantedSecret}));
        QVERIFY(m_client->downloadFile(syncPath, local("download.tessera")));
        QTRY_COMPARE(m_signals->doneFileDownload.count(), 1);
        QCOMPARE(m_signals->total(), 3);

        const auto requests = m_server->requests();
        QCOMPARE(requests.size(), 3);
        QCOMPARE(requests.at(0).call, Call::RequestToken);
        QVERIFY(!requests.at(0).oauth.contains("oauth_token"));
        QCOMPARE(requests.at(1).call, Call::AccessToken);
        QCOMPARE(requests.at(1).oauth.value("oauth_token"), QByteArray("mh7an9dkrg59"));
        QCOMPARE(requests.at(2).call, Call::Download);
        QCOMPARE(requests.at(2).oauth.value("oauth_token"), grantedKey.toLatin1());
        for (const auto &request : requests)
            QCOMPARE(request.rejection, QString());
    }

    void tokenReplyBodies_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("query");
        // clang-format off
        QTest::newRow("no token items") << QByteArray("uid=12") << "oauth_token=&";
        QTest::newRow("text ends at a zero byte") << QByteArray("oauth_token=abc\0garbage", 23) << "oauth_token=abc&";
        QTest::newRow("encoded value") << QByteArray("oauth_token_secret=s&oauth_token=a%2Fb") << "oauth_token=a/b&";
        // clang-format on
    }

    void tokenReplyBodies()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, query);
        m_server->setReplyBody(Call::RequestToken, body);
        m_client->getRequestToken();
        QTRY_COMPARE(m_signals->doneRequestToken.count(), 1);
        QVERIFY2(m_client->getAuthUrl("cb").contains("?" + query), qPrintable(m_client->getAuthUrl("cb")));
    }

    void authUrl_data()
    {
        QTest::addColumn<QString>("callback");
        // clang-format off
        QTest::newRow("maker's callback page") << "http://tessera.example.com/dropbox/";
        QTest::newRow("port and query") << "http://127.0.0.1:8080/dropbox/?from=tessera";
        // clang-format on
    }

    void authUrl()
    {
        QFETCH(QString, callback);
        m_server->setNextRequestToken("mh7an9dkrg59", "b9q1n5il4lcc");
        m_client->getRequestToken();
        QTRY_COMPARE(m_signals->doneRequestToken.count(), 1);
        QCOMPARE(m_client->getAuthUrl(callback),
                 m_server->webUrl().toString()
                     + "/1/oauth/authorize?oauth_token=mh7an9dkrg59&oauth_callback=" + callback);
        QCOMPARE(m_server->requests().size(), 1);
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
        QTRY_COMPARE(m_signals->doneRequestToken.count(), 1);
        if (pageVisited) {
            QNetworkAccessManager browser;
            std::unique_ptr<QNetworkReply> page(browser.get(QNetworkRequest(QUrl(m_client->getAuthUrl("cb")))));
            QTRY_VERIFY(page->isFinished());
            QCOMPARE(page->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
        }
        m_client->getAccessToken();
        QTRY_COMPARE(m_signals->total(), 2);
        QCOMPARE(m_signals->doneAccessToken.count(), pageVisited ? 1 : 0);
        if (!pageVisited)
            QCOMPARE(m_signals->errorAccessToken.first().first().toInt(),
                     int(QNetworkReply::AuthenticationRequiredError));
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
        QVERIFY(writeFile(local("download.tessera"), "stale contents of an earlier sync"));
        start(Call::Download);
        QTRY_COMPARE(m_signals->doneFileDownload.count(), 1);
        QCOMPARE(m_signals->total(), 1);
        QCOMPARE(fileBytes(local("download.tessera")), content);
        QCOMPARE(m_client->pendingOperation(), DropBoxClient::OpNone);
        const auto request = m_server->requests().last();
        QCOMPARE(request.method, QByteArray("GET"));
        QCOMPARE(request.target, QByteArray("/1/files/sandbox/sync_default.tessera"));
    }

    void downloadMissingFile()
    {
        QVERIFY(writeFile(local("download.tessera"), "stale contents of an earlier sync"));
        start(Call::Download);
        QTRY_COMPARE(m_signals->errorFileDownload.count(), 1);
        QCOMPARE(m_signals->errorFileDownload.first().first().toInt(), int(QNetworkReply::ContentNotFoundError));
        QCOMPARE(m_signals->total(), 1);
        QVERIFY(QFile::exists(local("download.tessera")));
        QCOMPARE(QFileInfo(local("download.tessera")).size(), qint64(0));
    }

    void downloadThatCannotBeSaved()
    {
        if (!QFileInfo::exists("/dev/full"))
            QSKIP("needs /dev/full");
        m_server->setFile(syncPath, randomBytes(100000));
        QVERIFY(m_client->downloadFile(syncPath, "/dev/full"));
        QTRY_COMPARE(m_signals->errorFileDownload.count(), 1);
        QCOMPARE(m_signals->errorFileDownload.first().first().toInt(), int(QNetworkReply::UnknownContentError));
        QCOMPARE(m_signals->total(), 1);
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
        QTRY_COMPARE(m_signals->doneFileUpload.count(), 1);
        QCOMPARE(m_signals->total(), 1);
        QCOMPARE(m_server->file(path), content);

        // The server accepted the signature only because it covered the overwrite item.
        const auto request = m_server->requests().last();
        QCOMPARE(request.method, QByteArray("PUT"));
        QCOMPARE(request.target, target);
        QCOMPARE(request.rejection, QString());
        QVERIFY(!request.header("Authorization").contains("overwrite"));
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
        } else {
            m_server->setFailure(call, breakage.toInt());
        }
        start(call);
        if (QTest::currentTestFailed())
            return;
        QTRY_COMPARE(m_signals->error(call).count(), 1);
        QCOMPARE(m_signals->error(call).first().first().toInt(), error);
        settle();
        QCOMPARE(m_signals->total(), call == Call::AccessToken ? 2 : 1);
        QCOMPARE(m_client->pendingOperation(), DropBoxClient::OpNone);
        if (call == Call::Download)
            QCOMPARE(QFileInfo(local("download.tessera")).size(), qint64(0));
        if (call == Call::Upload)
            QCOMPARE(m_server->file(syncPath), QByteArray("wallet"));
    }

    void cancelWithNothingPending()
    {
        m_client->cancelOperations();
        m_server->setFile(syncPath, "wallet");
        start(Call::Download);
        QTRY_COMPARE(m_signals->doneFileDownload.count(), 1);
        m_client->cancelOperations();
        settle();
        QCOMPARE(m_signals->total(), 1);
        QCOMPARE(fileBytes(local("download.tessera")), QByteArray("wallet"));
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
        m_server->setStall(call, stall);
        QSignalSpy stalled(m_server.get(), &FakeCloudServer::stalled);
        const int signalsBefore = call == Call::AccessToken ? 1 : 0;
        start(call);
        if (QTest::currentTestFailed())
            return;
        QTRY_COMPARE(stalled.count(), 1);
        settle();

        m_client->cancelOperations();
        QCOMPARE(m_signals->error(call).count(), 1);
        QCOMPARE(m_signals->error(call).first().first().toInt(), int(QNetworkReply::OperationCanceledError));
        QCOMPARE(m_client->pendingOperation(), DropBoxClient::OpNone);

        m_server->releaseStalled();
        settle();
        QCOMPARE(m_signals->total(), signalsBefore + 1);
        if (call == Call::Download)
            QCOMPARE(QFileInfo(local("download.tessera")).size(), qint64(0));
    }

    // Destroying the client with a call awaited must neither signal nor leave the reply reading a
    // file that is gone.
    void destroyedWhileAwaiting()
    {
        m_server->setStall(Call::Upload, FakeCloudServer::StallBeforeReply);
        QSignalSpy stalled(m_server.get(), &FakeCloudServer::stalled);
        start(Call::Upload);
        QTRY_COMPARE(stalled.count(), 1);
        m_client.reset();
        m_server->releaseStalled();
        settle();
        QCOMPARE(m_signals->total(), 0);
    }

    void unopenableLocalFiles()
    {
        QVERIFY(!m_client->downloadFile(syncPath, local("no such folder/download.tessera")));
        QVERIFY(!m_client->uploadFile(syncPath, local("no such file.tessera")));
        settle();
        QCOMPARE(m_server->requests().size(), 0);
        QCOMPARE(m_signals->total(), 0);
        QCOMPARE(m_client->pendingOperation(), DropBoxClient::OpNone);
    }

    // Only one operation is awaited; a new call drops the one before without a word.
    void newCallDropsAwaitedOne()
    {
        m_server->setStall(Call::Download, FakeCloudServer::StallBeforeReply);
        QSignalSpy stalled(m_server.get(), &FakeCloudServer::stalled);
        start(Call::Download);
        QTRY_COMPARE(stalled.count(), 1);
        m_client->getRequestToken();
        QTRY_COMPARE(m_signals->doneRequestToken.count(), 1);
        m_server->releaseStalled();
        settle();
        QCOMPARE(m_signals->total(), 1);
    }

    void repliesAreReleased()
    {
        m_client->getRequestToken();
        QTRY_COMPARE(m_signals->doneRequestToken.count(), 1);
        start(Call::Download);
        QTRY_COMPARE(m_signals->errorFileDownload.count(), 1);
        QTRY_VERIFY(m_client->findChildren<QNetworkReply *>().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDropBoxClient)
#include "TestDropBoxClient.moc"
