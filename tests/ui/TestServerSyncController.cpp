#include "WebDavServer.h"
#include "common/GuiTestUtils.h"
#include "common/TestCards.h"
#include "common/TestFiles.h"
#include "session/Keyring.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "ui/ServerSyncController.h"
#include "ui/ServerSyncDialog.h"

#include <QAction>
#include <QLineEdit>
#include <QWidget>

// The window's side of the sync with a WebDAV server, against a real one over https with a certificate
// the system does not trust. The rounds themselves are tested in TestWebDavSync.
class TestServerSyncController : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    // English, for its plural forms.
    void initTestCase()
    {
        isolateSettings(m_dir);
        installEnglish();
    }

    // The user fills in the dialog, accepts the certificate by its fingerprint, and the wallet goes up;
    // the app password is in the keyring, never in the settings file, and the next unlock syncs by itself.
    void syncsFromTheDialog()
    {
        WebDavServer server;
        QVERIFY(server.start(true));
        const QString wallet = m_dir.filePath("window.tessera");
        auto store = CardDb::create(wallet, {"pw", QByteArray()}, cheapHardened);
        QVERIFY(store->addCard(*makeCard("x", "Mail", {"ann", "old"})));
        store.reset();
        QWidget window;
        WalletSession session;
        ServerSyncController controller(session, &window);
        QSignalSpy messages(&controller, &ServerSyncController::statusMessage);
        QVERIFY(session.unlock(wallet, "pw"));

        QTimer::singleShot(0, &window, [&server] {
            auto *dialog = findTopLevel<ServerSyncDialog>();
            QVERIFY(dialog);
            dialog->findChild<QLineEdit *>("urlEdit")->setText(server.url("wallet.tessera").toString());
            dialog->findChild<QLineEdit *>("userEdit")->setText(WebDavServer::user);
            dialog->findChild<QLineEdit *>("passwordEdit")->setText(WebDavServer::password);
            dialog->accept();
        });
        MessageBox::setNextAnswer(MessageBox::Accept);
        controller.syncWithServerAction()->trigger();
        const QStringList answered = waitForAnswered();
        QVERIFY2(answered.first().endsWith(server.fingerprint()), qPrintable(answered.first()));
        QTRY_COMPARE(messages.last().at(0).toString(), QString("Synced with 127.0.0.1: 0 cards received, 1 card sent"));
        QVERIFY(messages.first().at(0).toString().startsWith("Not synced with 127.0.0.1: the connection to the server "
                                                             "cannot be trusted: the system does not trust"));
        QVERIFY(CardDb::open(server.filePath("wallet.tessera"), "pw")->cardByUuid("x"));

        QCOMPARE(Keyring::read(Keyring::serverKey(server.url("wallet.tessera"), WebDavServer::user)).secret,
                 WebDavServer::password);
        QSettings().sync();
        QVERIFY(!fileBytes(QSettings().fileName()).contains(WebDavServer::password.toUtf8()));

        session.lock();
        QVERIFY(CardDb::open(server.filePath("wallet.tessera"), "pw")->addCard(*makeCard("y", "Bank", {"bob"})));
        messages.clear();
        QVERIFY(session.unlock(wallet, "pw"));
        QTRY_COMPARE(messages.count(), 1);
        QCOMPARE(messages.last().at(0).toString(), QString("Synced with 127.0.0.1: 1 card received, 0 cards sent"));
        QCOMPARE(must(session.cardList()).size(), 2);
    }
};

QTEST_MAIN(TestServerSyncController)
#include "TestServerSyncController.moc"
