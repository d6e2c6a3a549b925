#include "WebDavServer.h"
#include "common/SyncedCards.h"
#include "store/CardDb.h"
#include "sync/WebDavClient.h"
#include "sync/WebDavSync.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestWebDavSync : public QObject
{
    Q_OBJECT

private:
    WebDavServer m_server;
    QTemporaryDir m_dir;
    int m_serial = 0;
    QString m_remote;

    WebDavAccount account(const QString &path) const
    {
        return {m_server.url(path), WebDavServer::user, WebDavServer::password, QByteArray(), false};
    }

    bool sync(const QString &wallet, WebDavSync::Report *report = nullptr, WalletError *error = nullptr,
              const WalletMerge::BeforeLocalWrite &beforeWrite = {})
    {
        WebDavClient client(account(m_remote));
        WebDavSync::Options options;
        options.beforeLocalWrite = beforeWrite;
        options.backOffMs = 100;
        WebDavSync::Report ignored;
        auto store = CardDb::open(wallet, "a");
        return store && WebDavSync::run(*store, client, options, report ? report : &ignored, error);
    }

    QString device(const QString &name) { return m_dir.filePath(QString("%1-%2.tessera").arg(name).arg(m_serial)); }

    // Device "a" holds cards x and y and has made the server's first copy in folder.
    void seed(const QString &folder = QString())
    {
        m_remote = QString("%1wallet-%2.tessera").arg(folder).arg(++m_serial);
        const QString a = device("a");
        auto store = CardDb::create(a, {"a", QByteArray()}, cheapHardened);
        QVERIFY(store->addCard(*makeCard("x", "Mail", {"ann", "old"}))
                && store->addCard(*makeCard("y", "Bank", {"bob", "pin"})));
        store.reset();
        WebDavSync::Report report;
        QVERIFY(sync(a, &report));
        QCOMPARE(report.sent, 2);
        QCOMPARE(contents(m_server.filePath(m_remote), "a"), contents(a, "a"));
        QVERIFY(CardDb::open(a, "a")->saveCopy(device("b")));
        m_server.ageFiles();
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath("data")));
        QVERIFY(m_server.start());
    }

    // Both devices edit, sync in turn, and end with every edit, the server's copy too.
    void twoDevicesConverge_data()
    {
        QTest::addColumn<QString>("onA");
        QTest::addColumn<QString>("onB");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("folder");
        const QStringList differentCards{"x|live|ann|secret", "y|live|bobby|pin"};
        // clang-format off
        QTest::newRow("different cards") << "x:1=secret" << "y:0=bobby" << differentCards << "";
        QTest::newRow("same card, different fields") << "x:0=ann2" << "x:1=new" << QStringList{"x|live|ann2|new", "y|live|bob|pin"} << "";
        QTest::newRow("MOVE refused") << "x:1=secret" << "y:0=bobby" << differentCards << "nomove/";
        QTest::newRow("hidden names refused") << "x:1=secret" << "y:0=bobby" << differentCards << "nohidden/";
        // clang-format on
    }

    void twoDevicesConverge()
    {
        QFETCH(QString, onA);
        QFETCH(QString, onB);
        QFETCH(QStringList, expected);
        QFETCH(QString, folder);
        seed(folder);
        // Left by a round that was cut off: in no later round's way.
        const QFileInfo remote(m_server.filePath(m_remote));
        const QString stale = "." + remote.fileName() + ".0123456789abcdef.tmp";
        QVERIFY(writeFile(remote.dir().filePath(stale), "part"));
        const QString a = device("a"), b = device("b");
        int second = 10;
        for (const auto &[path, change] : {std::pair{a, onA}, {b, onB}}) {
            edit(*CardDb::open(path, "a"), change.section(':', 0, 0), change.section(':', 1).section('=', 0, 0).toInt(),
                 change.section('=', 1), second += 10);
        }
        for (const QString &path : {a, b, a}) {
            QVERIFY(sync(path));
            m_server.ageFiles();
        }
        QCOMPARE(contents(a, "a"), expected);
        QCOMPARE(contents(b, "a"), expected);
        QCOMPARE(contents(m_server.filePath(m_remote), "a"), expected);
        QCOMPARE(m_server.temporaryFiles(m_remote), QStringList{stale});
    }

    // Device c uploads while a merges what b sent: a's upload is refused, and a merges again.
    void concurrentUploadIsMergedAgain()
    {
        seed();
        const QString a = device("a"), b = device("b"), c = device("c");
        QVERIFY(CardDb::open(b, "a")->saveCopy(c));
        edit(*CardDb::open(b, "a"), "x", 1, "from-b", 10);
        QVERIFY(sync(b));
        m_server.ageFiles();
        edit(*CardDb::open(c, "a"), "y", 1, "from-c", 20);
        edit(*CardDb::open(a, "a"), "x", 0, "from-a", 30);
        bool uploaded = false;
        WebDavSync::Report report;
        WalletError error;
        QVERIFY2(sync(a, &report, &error,
                      [&](CardDb &) {
                          if (!uploaded)
                              uploaded = sync(c);
                          return WalletError();
                      }),
                 qPrintable(error.message()));
        QVERIFY(uploaded);
        QCOMPARE(report.received, 2);
        QCOMPARE(report.sent, 1);
        const QStringList expected{"x|live|from-a|from-b", "y|live|bob|from-c"};
        QCOMPARE(contents(a, "a"), expected);
        QCOMPARE(contents(m_server.filePath(m_remote), "a"), expected);
        QVERIFY(m_server.requests().contains("MOVE 412"));
        QCOMPARE(m_server.temporaryFiles(m_remote), QStringList());
    }

    // Nothing new on either side: one conditional request. A copy under another password asks it once.
    void unchangedRoundAsksOnce()
    {
        seed();
        const QString a = device("a"), other = device("other");
        QVERIFY(CardDb::open(a, "a")->saveCopy(other));
        edit(*CardDb::open(other, "a"), "x", 1, "changed", 10);
        QVERIFY(CardDb::open(other, "a")->changePassword("a", "other"));
        QVERIFY(m_server.place(m_remote, other));

        WebDavClient client(account(m_remote));
        WebDavSync::Options options;
        WebDavSync::Report report;
        WalletError error;
        QVERIFY(!WebDavSync::run(*CardDb::open(a, "a"), client, options, &report, &error));
        QCOMPARE(error.message(), QString("wrong password: the copy on the server has another password"));
        int asked = 0;
        options.copyPassword = [&asked] {
            ++asked;
            return QString("other");
        };
        QVERIFY(WebDavSync::run(*CardDb::open(a, "a"), client, options, &report, &error));
        QCOMPARE(asked, 1);
        QCOMPARE(contents(a, "a").first(), QString("x|live|ann|changed"));

        options.knownEtag = report.etag;
        options.copyKey = report.copyKey;
        options.localChanged = false;
        const int before = m_server.requests().size();
        QVERIFY(WebDavSync::run(*CardDb::open(a, "a"), client, options, &report, &error));
        QCOMPARE(m_server.requests().mid(before), QStringList{"GET 304"});
        QCOMPARE(report.etag, options.knownEtag);
        QCOMPARE(asked, 1);
    }

    void serverErrors_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("401") << "w" << "wrong" << "the server refused: wrong user name or password; check the app password";
        QTest::newRow("403") << "forbidden/w" << "" << "the server refused: no permission for /forbidden/w";
        QTest::newRow("no folder") << "none/w" << "" << "the server refused: the folder of /none/w does not exist";
        QTest::newRow("507") << "full/w" << "" << "the server refused: no room left on the server";
        QTest::newRow("500") << "broken/w" << "" << "the server refused: server error 500";
        QTest::newRow("no server") << "gone/w" << "" << "cannot reach the server: 127.0.0.1: Connection refused";
        QTest::newRow("plain http elsewhere") << "http://example.org/w" << "" << "the connection to the server cannot be trusted: plain http would send the password to example.org in the clear; use https";
        QTest::newRow("a folder") << "https://example.org/dav/" << "" << "the server refused: https://example.org/dav/ is not the address of a file on a WebDAV server (https://…/wallet.tessera)";
        // clang-format on
    }

    // Each fails the round plainly, with the wallet unchanged.
    void serverErrors()
    {
        QFETCH(QString, path);
        QFETCH(QString, password);
        QFETCH(QString, message);
        seed();
        WebDavAccount target = account(path);
        target.password = password.isEmpty() ? target.password : password;
        if (path.startsWith("gone"))
            target.url.setPort(m_server.url("").port() + 1);
        else if (path.contains(':'))
            target.url = QUrl(path);
        WebDavClient client(target);
        const QByteArray before = fileBytes(device("a")), remoteBefore = fileBytes(m_server.filePath(path));
        WebDavSync::Report report;
        WalletError error;
        QVERIFY(!WebDavSync::run(*CardDb::open(device("a"), "a"), client, {}, &report, &error));
        QCOMPARE(error.message(), message);
        QCOMPARE(fileBytes(device("a")), before);
        QCOMPARE(fileBytes(m_server.filePath(path)), remoteBefore);
    }

    void interruptedUpload_data()
    {
        QTest::addColumn<bool>("serverGone");
        QTest::newRow("server gone") << true;
        QTest::newRow("another upload") << false;
    }

    // The server dies, or another device uploads, while a large upload is under way: the server's file is
    // the old one or the other device's, never part of the large one, and no temporary file stays.
    void interruptedUpload()
    {
        QFETCH(bool, serverGone);
        seed();
        const QString path = m_server.filePath(m_remote);
        const QByteArray other = "another device's copy";
        const QByteArray expected = serverGone ? fileBytes(path) : other;
        QByteArray large(24 << 20, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(large.data()), large.size() / 4);
        QVERIFY(writeFile(m_dir.filePath("large"), large) && writeFile(m_dir.filePath("other"), other));
        WebDavClient client(account(m_remote));
        const QByteArray etag = client.download(m_dir.filePath("probe")).etag;
        // Once the server has staged part of the upload.
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const QFileInfoList staged
                = QDir(QFileInfo(path).path()).entryInfoList({".davfs.tmp*"}, QDir::Files | QDir::Hidden);
            if (!staged.isEmpty() && staged.first().size() > 0) {
                serverGone ? m_server.stop() : void(m_server.place(m_remote, m_dir.filePath("other")));
                watch.stop();
            }
        });
        watch.start(1);
        const WebDavClient::Result result = client.upload(m_dir.filePath("large"), etag);
        QVERIFY(!watch.isActive());
        QCOMPARE(result.outcome, serverGone ? WebDavClient::Failed : WebDavClient::Changed);
        QCOMPARE(fileBytes(path), expected);
        QVERIFY(m_server.start());
        QCOMPARE(m_server.temporaryFiles(m_remote), QStringList());
    }

    // A wallet that locks gives up a request the server keeps waiting, long before the transfer's timeout.
    void stopsWhenTold()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        WebDavClient client({QUrl(QString("http://127.0.0.1:%1/w").arg(silent.serverPort())), "u", "p", {}, false});
        std::atomic_bool stop{false};
        client.stopWhen(&stop);
        QTimer::singleShot(300, [&stop] { stop = true; });
        QElapsedTimer took;
        took.start();
        QCOMPARE(client.download(m_dir.filePath("never")).error.kind(), WalletError::ServerUnreachable);
        QVERIFY(took.elapsed() < 30000);
    }

    // Refused while unknown, accepted by its fingerprint, refused again when the certificate changes.
    void selfSignedCertificate()
    {
        seed();
        WebDavServer server;
        QVERIFY(server.start(true));
        WebDavAccount target{server.url("w"), WebDavServer::user, WebDavServer::password, QByteArray(), false};
        WebDavClient::Result result = WebDavClient(target).upload(device("a"), QByteArray());
        QCOMPARE(result.error.kind(), WalletError::ServerUntrusted);
        QCOMPARE(result.fingerprint, server.fingerprint());
        QVERIFY(result.error.message().endsWith(server.fingerprint()));
        QVERIFY(!QFileInfo::exists(server.filePath("w")));

        target.acceptedFingerprint = server.fingerprint();
        QCOMPARE(WebDavClient(target).upload(device("a"), QByteArray()).outcome, WebDavClient::Done);
        QCOMPARE(fileBytes(server.filePath("w")), fileBytes(device("a")));

        QVERIFY(server.makeCertificate() && server.start(true));
        result = WebDavClient(target).download(m_dir.filePath("probe"));
        QVERIFY2(result.error.kind() == WalletError::ServerUntrusted, qPrintable(result.error.message()));
        QVERIFY(result.error.message().contains("its certificate changed since you accepted it"));
    }
};

QTEST_GUILESS_MAIN(TestWebDavSync)
#include "TestWebDavSync.moc"
