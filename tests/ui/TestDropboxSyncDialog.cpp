#include "FakeCloudServer.h"
#include "common/MainWindowFixture.h"
#include "common/SqlPeek.h"
#include "common/TestCards.h"
#include "common/TestFiles.h"
#include "model/TextUtils.h"
#include "session/CloudSignIn.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "store/FileOps.h"
#include "ui/DropboxSyncDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

namespace {

// Stands in for the desktop's browser: remembers what the program asked it to open.
class BrowserStandIn : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace

class TestDropboxSyncDialog : public QObject, public MainWindowFixture
{
    Q_OBJECT

private:
    std::unique_ptr<FakeCloudServer> m_server;
    BrowserStandIn m_browser;

    DropboxHosts hosts() const { return {m_server->apiUrl(), m_server->contentUrl(), m_server->webUrl()}; }

    void addCard(const QString &title)
    {
        storeCard(*makeCard(newUuid(), title, {"carol", "secret"}, QDateTime::currentDateTimeUtc()));
    }

    // The titles in the wallet's file, read as another program would, with the wallet's password.
    QStringList walletTitles()
    {
        auto store = CardDb::open(m_path, m_password);
        return store ? titles(*store) : QStringList{"<does not open>"};
    }

    QStringList titles(CardDb &store)
    {
        QStringList list;
        for (const CardListEntry &entry : must(store.cardList()))
            list << entry.title;
        list.sort();
        return list;
    }

    QStringList cloudTitles(const QString &password)
    {
        const QString path = m_dir.filePath(QStringLiteral("cloud-check%1.tessera").arg(++m_serial));
        writeFile(path, m_server->file(DropboxSyncDialog::remotePath));
        auto store = CardDb::openOrCreate(path, password);
        return store ? titles(*store) : QStringList{"<does not open>"};
    }

    QString pageText(DropboxSyncDialog &dialog) { return dialog.findChild<QLabel *>("errorLabel")->text(); }

    QPushButton *button(DropboxSyncDialog &dialog) { return dialog.findChild<QPushButton *>("commonButton"); }
    QLineEdit *edit(DropboxSyncDialog &dialog, const char *name) { return dialog.findChild<QLineEdit *>(name); }

    // Takes a shown dialog through sign-in, answers the password page with the given texts and sends it.
    void submitPasswords(DropboxSyncDialog &dialog, const QString &password, const QString &newPassword)
    {
        const auto onPasswordPage = [&dialog] {
            return dialog.state() == DropboxSyncDialog::StateAskPassword
                || dialog.state() == DropboxSyncDialog::StateCreatePassword;
        };
        QTRY_VERIFY(onPasswordPage() || dialog.state() == DropboxSyncDialog::StateAwaitingAuthorisation);
        if (!onPasswordPage()) {
            button(dialog)->click();
            QTRY_VERIFY(onPasswordPage());
        }
        edit(dialog, "oldPassEdit")->setText(password);
        if (!newPassword.isEmpty()) {
            if (dialog.state() == DropboxSyncDialog::StateAskPassword)
                dialog.findChild<QCheckBox *>("changePassCheck")->click();
            edit(dialog, "newPassEdit")->setText(newPassword);
            edit(dialog, "confirmPassEdit")->setText(newPassword);
        }
        button(dialog)->click();
    }

    // Runs a whole sync to its last page.
    DropboxSyncDialog::SyncState syncWith(const QString &password, const QString &newPassword)
    {
        DropboxSyncDialog dialog(session(), hosts(), m_window.get());
        dialog.show();
        submitPasswords(dialog, password, newPassword);
        const bool finished = QTest::qWaitFor(
            [&] {
                return dialog.state() == DropboxSyncDialog::StateDone
                    || dialog.state() == DropboxSyncDialog::StateError;
            },
            10000);
        Q_UNUSED(finished)
        return dialog.state();
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<FakeCloudServer::Call>();
        QDesktopServices::setUrlHandler("http", &m_browser, "open");
        QDesktopServices::setUrlHandler("https", &m_browser, "open");
    }

    void init()
    {
        QSettings().clear();
        CloudSignIn::forget();
        m_browser.opened.clear();
        m_server = std::make_unique<FakeCloudServer>();
        QVERIFY(m_server->listen());
        openNewWallet("local pw");
        addCard("Alpha");
        addCard("Beta");
    }

    void cleanup()
    {
        m_window.reset();
        m_server.reset();
    }

    void firstSync()
    {
        DropboxSyncDialog dialog(session(), hosts(), m_window.get());
        dialog.show();
        QCOMPARE(dialog.state(), DropboxSyncDialog::StateConnecting);
        QCOMPARE(dialog.findChild<QLabel *>("statusLabel")->text(), QString("Connecting to Dropbox..."));
        QTRY_COMPARE(dialog.state(), DropboxSyncDialog::StateAwaitingAuthorisation);
        QCOMPARE(button(dialog)->text(), QString("Continue"));
        QCOMPARE(dialog.findChild<QStackedWidget *>()->currentIndex(), 0);
        QCOMPARE(m_browser.opened.size(), 1);
        const QUrl authorisation = m_browser.opened.first();
        QCOMPARE(authorisation.host(), m_server->webUrl().host());
        QCOMPARE(authorisation.path(), QString("/1/oauth/authorize"));
        QVERIFY(authorisation.toString().contains("oauth_callback=http://www.corvale-software.example/dropbox/"));

        button(dialog)->click();
        QTRY_COMPARE(dialog.state(), DropboxSyncDialog::StateCreatePassword);
        QVERIFY(!dialog.findChild<QLabel *>("oldPassLabel")->isVisible());
        QVERIFY(!edit(dialog, "oldPassEdit")->isVisible());
        QVERIFY(!dialog.findChild<QCheckBox *>("changePassCheck")->isVisible());
        CloudSignIn signIn;
        QCOMPARE(CloudSignIn::load(&signIn).status, Keyring::Found);
        QVERIFY(!signIn.key.isEmpty());

        auto *error = dialog.findChild<QLabel *>("passerrLabel");
        button(dialog)->click();
        QVERIFY(error->isVisible());
        QCOMPARE(error->text(), QString("Password can not be empty!"));
        edit(dialog, "newPassEdit")->setText("cloud pw");
        edit(dialog, "confirmPassEdit")->setText("cloud");
        button(dialog)->click();
        QCOMPARE(error->text(), QString("New passwords didn't match!"));
        QCOMPARE(dialog.state(), DropboxSyncDialog::StateCreatePassword);

        edit(dialog, "confirmPassEdit")->setText("cloud pw");
        button(dialog)->click();
        QCOMPARE(dialog.state(), DropboxSyncDialog::StateSyncing);
        QTRY_COMPARE(dialog.state(), DropboxSyncDialog::StateDone);
        QCOMPARE(pageText(dialog), QString("Synchronization done."));
        QCOMPARE(button(dialog)->text(), QString("Close"));
        QCOMPARE(cloudTitles("cloud pw"), (QStringList{"Alpha", "Beta"}));
        QCOMPARE(walletTitles(), (QStringList{"Alpha", "Beta"}));
        QVERIFY(!QFile::exists(dialog.localSyncPath()));
        QCOMPARE(QFileInfo(QFileInfo(dialog.localSyncPath()).absolutePath()).permissions() & 0x0077, 0);
    }

    void laterSyncsMergeBothSides()
    {
        QCOMPARE(syncWith(QString(), "cloud pw"), DropboxSyncDialog::StateDone);
        QCOMPARE(m_browser.opened.size(), 1);

        // Another device added a card to the cloud copy meanwhile; this one added its own.
        const QString other = m_dir.filePath("other-device.tessera");
        writeFile(other, m_server->file(DropboxSyncDialog::remotePath));
        {
            auto store = CardDb::openOrCreate(other, "cloud pw");
            store->addCard(*makeCard(newUuid(), "From the phone", {}, QDateTime::currentDateTimeUtc(), "hello"));
        }
        m_server->setFile(DropboxSyncDialog::remotePath, fileBytes(other));
        addCard("Gamma");

        DropboxSyncDialog dialog(session(), hosts(), m_window.get());
        dialog.show();
        QCOMPARE(dialog.state(), DropboxSyncDialog::StateChecking);
        QTRY_COMPARE(dialog.state(), DropboxSyncDialog::StateAskPassword);
        QCOMPARE(m_browser.opened.size(), 1);
        QVERIFY(!edit(dialog, "newPassEdit")->isEnabled());
        QVERIFY(!edit(dialog, "confirmPassEdit")->isEnabled());
        edit(dialog, "oldPassEdit")->setText("wrong");
        button(dialog)->click();
        QCOMPARE(dialog.findChild<QLabel *>("passerrLabel")->text(),
                 QString("Wrong password for the Tessera data on Dropbox."));
        QCOMPARE(dialog.state(), DropboxSyncDialog::StateAskPassword);
        edit(dialog, "oldPassEdit")->setText("cloud pw");
        button(dialog)->click();
        QTRY_COMPARE(dialog.state(), DropboxSyncDialog::StateDone);
        const QStringList all{"Alpha", "Beta", "From the phone", "Gamma"};
        QCOMPARE(cloudTitles("cloud pw"), all);
        QCOMPARE(walletTitles(), all);
        QCOMPARE(listedTitles(), all);
        QVERIFY(!dialog.findChild<QLabel *>("passerrLabel")->isHidden());
    }

    void changeTheCloudPassword()
    {
        QCOMPARE(syncWith(QString(), "first cloud"), DropboxSyncDialog::StateDone);
        QCOMPARE(syncWith("first cloud", "second cloud"), DropboxSyncDialog::StateDone);
        QCOMPARE(cloudTitles("second cloud"), (QStringList{"Alpha", "Beta"}));
        QCOMPARE(cloudTitles("first cloud"), QStringList{"<does not open>"});
        QVERIFY(session().checkPassword("local pw"));
    }

    // A failure says what failed: the sign-in, what the service answered, a host that cannot be reached.
    void lostConnection_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<DropboxSyncDialog::SyncState>("state");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("authorisation refused") << "refused" << DropboxSyncDialog::StateDisconnected << "Tessera is not connected to Dropbox. Sync again to sign in once more.";
        QTest::newRow("access token revoked") << "revoked" << DropboxSyncDialog::StateError << "The sync with Dropbox failed: 127.0.0.1 answered 401 Answer.";
        QTest::newRow("host unreachable") << "unreachable" << DropboxSyncDialog::StateError << "The sync with Dropbox failed: the host 127.0.0.1 cannot be reached: Connection refused.";
        // clang-format on
    }

    void lostConnection()
    {
        QFETCH(QString, cause);
        QFETCH(DropboxSyncDialog::SyncState, state);
        QFETCH(QString, text);
        DropboxHosts where = hosts();
        if (cause == "refused") {
            m_server->setAutoApprove(false);
        } else {
            QCOMPARE(syncWith(QString(), "cloud pw"), DropboxSyncDialog::StateDone);
            if (cause == "revoked")
                m_server->revokeAccessTokens();
            else
                where.content = QUrl("http://127.0.0.1:1");
        }
        DropboxSyncDialog dialog(session(), where, m_window.get());
        dialog.show();
        if (cause == "refused") {
            QTRY_COMPARE(dialog.state(), DropboxSyncDialog::StateAwaitingAuthorisation);
            button(dialog)->click();
        }
        QTRY_COMPARE(dialog.state(), state);
        QCOMPARE(pageText(dialog), text);
        CloudSignIn none;
        if (cause == "refused")
            QCOMPARE(CloudSignIn::load(&none).status, Keyring::NotFound);
    }

    void failedSyncLeavesTheWalletAsItWas_data()
    {
        QTest::addColumn<QString>("breakage");
        // clang-format off
        QTest::newRow("upload refused") << "upload refused";
        QTest::newRow("wallet busy with another writer") << "busy";
        // The upload went through but the wallet cannot take the merge: that is no success either.
        QTest::newRow("wallet busy once uploaded") << "busy once uploaded";
        // clang-format on
    }

    void failedSyncLeavesTheWalletAsItWas()
    {
        QFETCH(QString, breakage);
        const QByteArray before = fileBytes(m_path);
        SqlPeek otherWriter(m_path);
        if (breakage == "upload refused") {
            m_server->setFailure(FakeCloudServer::Upload, 500);
        } else if (breakage == "busy") {
            QVERIFY(otherWriter.exec("BEGIN IMMEDIATE"));
        } else {
            m_server->setStall(FakeCloudServer::Upload, FakeCloudServer::StallBeforeReply);
            connect(
                m_server.get(), &FakeCloudServer::stalled, this,
                [&] {
                    QVERIFY(otherWriter.exec("BEGIN IMMEDIATE"));
                    m_server->releaseStalled();
                },
                Qt::QueuedConnection);
        }
        QCOMPARE(syncWith(QString(), "cloud pw"), DropboxSyncDialog::StateError);
        if (breakage != "upload refused")
            QVERIFY(otherWriter.exec("ROLLBACK"));
        QCOMPARE(fileBytes(m_path), before);
        QCOMPARE(m_server->file(DropboxSyncDialog::remotePath).isEmpty(), breakage != "busy once uploaded");
        QCOMPARE(walletTitles(), (QStringList{"Alpha", "Beta"}));
    }

    void cancelDuringTheUpload()
    {
        const QByteArray before = fileBytes(m_path);
        m_server->setStall(FakeCloudServer::Upload, FakeCloudServer::StallBeforeReply);
        QSignalSpy stalled(m_server.get(), &FakeCloudServer::stalled);
        auto *dialog = new DropboxSyncDialog(session(), hosts(), m_window.get());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<DropboxSyncDialog> watch(dialog);
        dialog->show();
        submitPasswords(*dialog, QString(), "cloud pw");
        QVERIFY(!button(*dialog)->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QTRY_VERIFY(stalled.count() == 1);
        QVERIFY(button(*dialog)->isEnabled());
        QCOMPARE(button(*dialog)->text(), QString("Cancel"));
        button(*dialog)->click();
        QTRY_VERIFY(watch.isNull());
        QCOMPARE(fileBytes(m_path), before);
        QCOMPARE(walletTitles(), (QStringList{"Alpha", "Beta"}));
        m_server->releaseStalled();
    }

    void fromTheToolsMenu()
    {
        m_window->setCloudHosts(hosts());
        const CloudSignIn stale{"stale", "keys"};
        QCOMPARE(stale.save().status, Keyring::Found);
        // Polled, not awaited: the dialog reads the keyring in its constructor, which runs the event loop.
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&poll] {
            auto *dialog = findTopLevel<DropboxSyncDialog>();
            if (dialog && dialog->state() == DropboxSyncDialog::StateError) {
                poll.stop();
                dialog->findChild<QPushButton *>("commonButton")->click();
            }
        });
        poll.start(10);
        m_window->findChild<QAction *>("actionDropboxSync")->trigger();
        QVERIFY(!findTopLevel<DropboxSyncDialog>());
    }
};

QTEST_MAIN(TestDropboxSyncDialog)
#include "TestDropboxSyncDialog.moc"
