#include "common/MainWindowFixture.h"
#include "common/SqlPeek.h"
#include "common/TestCards.h"
#include "common/TestFiles.h"
#include "model/TextUtils.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "store/WalletBackups.h"
#include "ui/ChangePasswordDialog.h"
#include "ui/DetailView.h"
#include "ui/FileDialog.h"
#include "ui/ImportPreviewDialog.h"
#include "ui/LoginDialog.h"
#include "ui/ManualViewer.h"
#include "ui/MessageBox.h"
#include "ui/NewWalletDialog.h"
#include "ui/PreferencesDialog.h"
#include "ui/StrengthMeter.h"
#include "ui/UnlockView.h"
#include "ui/UpgradeBar.h"
#include "ui/WalletCommands.h"
#include "ui/WalletSecurityDialog.h"
#include "ui/WelcomePage.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>

namespace {

void clickOk(QDialog *dialog)
{
    dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
}

// Types into the named line edits of a dialog, replacing their text, then presses OK; returns the error shown.
QString submit(QDialog *dialog, const QMap<QString, QString> &typed)
{
    for (auto it = typed.begin(); it != typed.end(); ++it) {
        auto *edit = dialog->findChild<QLineEdit *>(it.key());
        edit->clear();
        QTest::keyClicks(edit, it.value());
    }
    clickOk(dialog);
    auto *error = dialog->findChild<QLabel *>("errorLabel");
    return error->isVisible() ? error->text() : QString();
}

} // namespace

class TestMainWindow : public QObject, public MainWindowFixture
{
    Q_OBJECT

private:
    // A wallet on disk with the given cards (titles), made behind the window's back.
    // Hardened at the cheapest key derivation the file allows, or else in the phone app's format.
    QString walletWith(const QStringList &titles, const QString &password = QStringLiteral("pw"), bool hardened = false)
    {
        const QString path = newPath();
        auto store = hardened ? CardDb::create(path, {password, QByteArray()}, cheapHardened)
                              : CardDb::openOrCreate(path, password);
        for (const QString &title : titles)
            store->addCard(*makeCard(newUuid(), title, {"user", "secret"}, QDateTime::currentDateTimeUtc()));
        return path;
    }

    // Opens a wallet through the Open action and the unlock dialog, as a user does.
    void unlock(const QString &path, const QString &password = QStringLiteral("pw"))
    {
        FileDialog::setNextFileName(path);
        action("actionOpenWallet")->trigger();
        auto *login = waitForTopLevel<LoginDialog>();
        QVERIFY(login);
        submit(login, {{"passwordEdit", password}});
        QTRY_VERIFY(!findTopLevel<LoginDialog>());
    }

    // A shown main window, with the wallet at path unlocked through the dialogs unless path is empty.
    MainWindow &openWindow(const QString &path = QString())
    {
        MainWindowFixture::openWindow();
        if (!path.isEmpty())
            unlock(path);
        return *m_window;
    }

    QMap<QString, bool> actionStates()
    {
        QMap<QString, bool> states;
        for (const char *name : {"actionSaveWalletCopy", "actionImport", "actionCloseWallet", "actionAddCard",
                                 "actionEditCard", "actionDuplicateCard", "actionDeleteCard", "actionChange_Password",
                                 "actionDropboxSync", "actionClearDropboxSettings", "actionNewWallet",
                                 "actionOpenWallet", "actionExit", "actionPreferences", "actionAbout"})
            states.insert(QString::fromLatin1(name), action(name)->isEnabled());
        return states;
    }

private slots:
    // English, for its plural forms.
    void initTestCase()
    {
        installEnglish();
    }

    void init() { QSettings().clear(); }

    void cleanup()
    {
        m_window.reset();
        const QWidgetList widgets = QApplication::topLevelWidgets();
        for (QWidget *widget : widgets)
            delete widget;
    }

    // A first start shows the welcome page and offers only the actions that need no wallet; a preference
    // changed is kept even on Cancel.
    void firstStart()
    {
        MainWindow &window = openWindow();
        QCOMPARE(window.windowTitle(), QString("Tessera"));
        QVERIFY(!window.findChild<QSplitter *>("splitter")->isVisible());
        QVERIFY(window.findChild<WelcomePage *>()->isVisible());
        QVERIFY(!window.findChild<QToolBar *>("toolBar")->actions().contains(action("actionDropboxSync")));
        QCOMPARE(window.findChild<QListWidget *>("recentList")->item(0)->text(),
                 QString("Wallets you open are listed here."));
        QVERIFY(!window.findChild<QPushButton *>("forgetRecent")->isEnabled());
        QStringList copying;
        for (QAction *item : window.findChildren<QAction *>()) {
            // Enter in the search field copies too, but only reaches a visible search field.
            const bool menuAction = !qobject_cast<QLineEdit *>(item->parent());
            if (menuAction && (item->text().startsWith("Copy ") || item->text() == "Open URL"))
                copying << item->text() + (item->isEnabled() ? " enabled" : "");
        }
        copying.sort();
        QCOMPARE(copying,
                 (QStringList{"Copy One-Time Code", "Copy Password", "Copy URL", "Copy User Name", "Open URL"}));
        QCOMPARE(
            actionStates().keys(true),
            (QStringList{"actionAbout", "actionExit", "actionNewWallet", "actionOpenWallet", "actionPreferences"}));
        QCOMPARE(session().state(), WalletSession::NoWallet);
        action("actionPreferences")->trigger();
        auto *preferences = waitForTopLevel<PreferencesDialog>();
        QVERIFY(preferences);
        auto *box = preferences->findChild<QCheckBox *>("openLastWalletCheckBox");
        QVERIFY(box->isChecked());
        box->click();
        preferences->reject();
        QVERIFY(window.close());
        QSettings settings;
        QCOMPARE(settings.value("openFilePath").toString(), QDir::homePath());
        QCOMPARE(settings.value("saveFilePath").toString(), QDir::homePath());
        QCOMPARE(settings.value("lastDatabase").toString(), QString());
        QCOMPARE(settings.value("openLastDatabase").toBool(), false);
        QVERIFY(!settings.value("geometry").toByteArray().isEmpty());
    }

    // The window comes back where and as large as it was, start after start.
    void geometryRestoredExactly()
    {
        const QRect placed(60, 70, 620, 420);
        openWindow().setGeometry(placed);
        for (int start = 0; start < 3; ++start) {
            m_window->close();
            QCOMPARE(openWindow().geometry(), placed);
        }
    }

    void savedSizeFitsTheScreen()
    {
        MainWindow &large = openWindow();
        large.resize(5000, 4000);
        large.close();
        MainWindow &window = openWindow();
        const QRect available = window.screen()->availableGeometry();
        QVERIFY(window.width() <= available.width() && window.height() <= available.height());
        QVERIFY(available.contains(window.geometry().topLeft()));
    }

    void createWalletThroughTheDialogs()
    {
        MainWindow &window = openWindow();
        action("actionNewWallet")->trigger();
        auto *dialog = waitForTopLevel<NewWalletDialog>();
        QVERIFY(dialog);
        QCOMPARE(submit(dialog, {}), QString("Password can not be empty!"));
        QCOMPARE(submit(dialog, {{"newPasswordEdit", "one"}, {"confirmPasswordEdit", "two"}}),
                 QString("Passwords didn't match!"));
        QVERIFY(dialog->isVisible());

        QCOMPARE(dialog->findChild<StrengthMeter *>("strengthMeter")->findChild<QLabel *>()->text(),
                 QString("Very weak"));
        MessageBox::setNextAnswer(MessageBox::Decline);
        submit(dialog, {{"confirmPasswordEdit", "one"}});
        QVERIFY(waitForAnswered().value(0).startsWith("Weak Password: This password is easy to guess."));
        QVERIFY(dialog->isVisible());

        const QString path = newPath();
        QVERIFY(writeFile(path, "an old file the user chose to replace"));
        FileDialog::setNextFileName(path);
        MessageBox::setNextAnswer(MessageBox::Accept);
        clickOk(dialog);
        QTRY_VERIFY(session().isUnlocked());
        QCOMPARE(MessageBox::takeAnswered().size(), 1);
        QCOMPARE(window.windowTitle(), QString("Tessera - %1").arg(QFileInfo(path).fileName()));
        QVERIFY(window.findChild<QSplitter *>("splitter")->isVisible());
        QCOMPARE(must(session().cardList()).size(), 0);
        QVERIFY(!QFile::exists(path + ".copy"));
        QVERIFY(CardDb::openOrCreate(path, "one"));
        QCOMPARE(session().path(), path);
    }

    // New wallets are hardened, with the key derivation their creator gives, unless the user asks for
    // the phone app's format; a key file created in the dialog is then required, and remembered.
    void newWalletFormats_data()
    {
        QTest::addColumn<bool>("phoneApp");
        QTest::addColumn<bool>("keyFile");
        QTest::addColumn<int>("format");
        QTest::newRow("hardened") << false << false << 3;
        QTest::newRow("phone app") << true << false << 2;
        QTest::newRow("key file") << false << true << 3;
    }

    void newWalletFormats()
    {
        QFETCH(bool, phoneApp);
        QFETCH(bool, keyFile);
        QFETCH(int, format);
        MainWindow &window = openWindow();
        window.findChild<WalletCommands *>()->setNewWalletKdf(cheapHardened.kdf);
        action("actionNewWallet")->trigger();
        auto *dialog = waitForTopLevel<NewWalletDialog>();
        auto *phoneBox = dialog->findChild<QCheckBox *>("compatibleCheckBox");
        QVERIFY(!phoneBox->isChecked());
        phoneBox->setChecked(phoneApp);
        const QString keyPath = m_dir.filePath("made.key");
        if (keyFile) {
            FileDialog::setNextFileName(keyPath);
            dialog->findChild<QPushButton *>("createKeyFile")->click();
        }
        const QString path = newPath();
        FileDialog::setNextFileName(path);
        MessageBox::setNextAnswer(MessageBox::Accept);
        submit(dialog, {{"newPasswordEdit", "pw"}, {"confirmPasswordEdit", "pw"}});
        QTRY_VERIFY(session().isUnlocked());
        QCOMPARE(MessageBox::takeAnswered().size(), 1);
        WalletInfo info;
        QVERIFY(!CardDb::info(path, &info).isError());
        QCOMPARE(info.format, format);
        QCOMPARE(info.iterations, format == 3 ? 1u : 2048u);
        QCOMPARE(info.keyFileRequired, keyFile);
        if (!keyFile)
            return;

        session().lock();
        auto *unlockView = window.findChild<UnlockView *>();
        auto *keyField = unlockView->findChild<QLineEdit *>("keyFilePath");
        auto *password = unlockView->findChild<QLineEdit *>("unlockPassword");
        QCOMPARE(keyField->text(), keyPath);
        keyField->clear();
        QTest::keyClicks(password, "pw");
        QTest::keyClick(password, Qt::Key_Return);
        QTRY_VERIFY(password->isEnabled());
        QCOMPARE(unlockView->findChild<QLabel *>("unlockError")->text(),
                 QString("Wrong password or key file. Try again!"));
        keyField->setText(keyPath);
        QTest::keyClicks(password, "pw");
        QTest::keyClick(password, Qt::Key_Return);
        QTRY_VERIFY(session().isUnlocked());
    }

    // File > Wallet Security converts to the other format after asking the password again, keeping the
    // cards and a backup; the offer to upgrade shows only for a wallet in the phone app's format.
    void convertFromWalletSecurity_data()
    {
        QTest::addColumn<bool>("hardened");
        QTest::newRow("upgrade from the offer") << false;
        QTest::newRow("to the phone app's format") << true;
    }

    void convertFromWalletSecurity()
    {
        QFETCH(bool, hardened);
        const QString path = walletWith({"Alpha", "Beta"}, "pw", hardened);
        MainWindow &window = openWindow(path);
        window.findChild<WalletCommands *>()->setNewWalletKdf(cheapHardened.kdf);
        auto *offer = window.findChild<UpgradeBar *>();
        QCOMPARE(offer->isVisible(), !hardened);
        if (hardened)
            action("actionWalletSecurity")->trigger();
        else
            offer->findChild<QPushButton *>("upgradeButton")->click();
        auto *dialog = waitForTopLevel<WalletSecurityDialog>();
        const QString hardenedText = "Hardened (version 3)", phoneText = "Readable by the phone app (version 2)";
        auto *format = dialog->findChild<QLabel *>("format");
        QCOMPARE(format->text(), hardened ? hardenedText : phoneText);
        auto *password = dialog->findChild<QLineEdit *>("convertPassword");
        MessageBox::setNextAnswer(MessageBox::Accept);
        QTest::keyClicks(password, "wrong");
        QTest::keyClick(password, Qt::Key_Return);
        QCOMPARE(waitForAnswered(), QStringList{"Error: The wallet could not be converted: wrong password."});
        QTest::keyClicks(password, "pw");
        QTest::keyClick(password, Qt::Key_Return);
        QTRY_VERIFY(dialog->findChild<QLabel *>("outcome")->isVisible());
        QCOMPARE(format->text(), hardened ? phoneText : hardenedText);
        WalletInfo info;
        QVERIFY(!CardDb::info(path, &info).isError());
        QCOMPARE(info.format, hardened ? 2 : 3);
        QCOMPARE(CardDb::open(path, "pw")->cardCount(), 2);
        QCOMPARE(WalletBackups::list(path).size(), 1);
        QCOMPARE(offer->isVisible(), hardened);
    }

    // Dismissed, the offer stays away from that wallet, and only that one.
    void upgradeOfferDismissed()
    {
        MainWindow &window = openWindow(walletWith({"Alpha"}));
        auto *offer = window.findChild<UpgradeBar *>();
        offer->findChild<QPushButton *>("dismissButton")->click();
        QVERIFY(!offer->isVisible());
        session().lock();
        QVERIFY(session().unlock("pw"));
        QVERIFY(!offer->isVisible());
        unlock(walletWith({"Beta"}));
        QVERIFY(offer->isVisible());
    }

    void savedWalletsGetTheExtension_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        // clang-format off
        QTest::newRow("new wallet") << "actionNewWallet" << "home" << "home.tessera";
        QTest::newRow("copy") << "actionSaveWalletCopy" << "backup" << "backup.tessera";
        QTest::newRow("own extension kept") << "actionSaveWalletCopy" << "backup.wallet" << "backup.wallet";
        // clang-format on
    }

    void savedWalletsGetTheExtension()
    {
        QFETCH(QString, action);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        const QString folder = m_dir.filePath(QString::number(++m_serial));
        QVERIFY(QDir().mkpath(folder));
        openWindow(walletWith({"Alpha"}));
        FileDialog::setNextFileName(folder + "/" + chosen);
        this->action(action.toLatin1().constData())->trigger();
        if (auto *dialog = findTopLevel<NewWalletDialog>()) {
            MessageBox::setNextAnswer(MessageBox::Accept);
            submit(dialog, {{"newPasswordEdit", "pw"}, {"confirmPasswordEdit", "pw"}});
            QCOMPARE(MessageBox::takeAnswered().size(), 1);
        }
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{written});
    }

    void unlockWithWrongThenRightPassword()
    {
        const QString path = walletWith({"Alpha"});
        MainWindow &window = openWindow();
        FileDialog::setNextFileName(path);
        action("actionOpenWallet")->trigger();
        auto *login = waitForTopLevel<LoginDialog>();
        QVERIFY(login);
        QVERIFY(login->findChild<QLabel *>("promptLabel")->text().contains(path));
        auto *password = login->findChild<QLineEdit *>("passwordEdit");
        QTest::keyClicks(password, "wrong");
        clickOk(login);
        auto *error = login->findChild<QLabel *>("errorLabel");
        QTRY_VERIFY(error->isVisible());
        QCOMPARE(error->text(), QString("Wrong password. Try again!"));
        QCOMPARE(password->text(), QString());
        QCOMPARE(login->findChild<QStackedWidget *>("stackedWidget")->currentIndex(), 0);
        QVERIFY(!session().isUnlocked());

        QTest::keyClicks(password, "pw");
        clickOk(login);
        QTRY_VERIFY(!findTopLevel<LoginDialog>());
        QVERIFY(session().isUnlocked());
        QCOMPARE(listedTitles(), QStringList{"Alpha"});
        QCOMPARE(window.focusWidget(), window.findChild<QWidget *>("searchEdit"));
        QVERIFY(action("actionAddCard")->isEnabled());
        QVERIFY(!action("actionEditCard")->isEnabled());
    }

    // A wallet another program holds locked keeps the worker busy: the progress page must not close.
    void progressPageCannotBeClosed()
    {
        const QString path = walletWith({"Alpha"});
        openWindow();
        SqlPeek holder(path);
        FileDialog::setNextFileName(path);
        action("actionOpenWallet")->trigger();
        auto *login = waitForTopLevel<LoginDialog>();
        QVERIFY(holder.exec("BEGIN EXCLUSIVE"));
        submit(login, {{"passwordEdit", "pw"}});
        auto *pages = login->findChild<QStackedWidget *>("stackedWidget");
        QCOMPARE(pages->currentIndex(), 1);
        QTest::keyClick(login, Qt::Key_Escape);
        QVERIFY(login->isVisible());
        login->close();
        QVERIFY(login->isVisible());
        login->reject();
        QVERIFY(login->isVisible());
        QVERIFY(holder.exec("ROLLBACK"));
        QTRY_VERIFY_WITH_TIMEOUT(!findTopLevel<LoginDialog>(), 10000);
        QVERIFY(session().isUnlocked());
    }

    void cancellingTheUnlockKeepsTheOpenWallet()
    {
        const QString first = walletWith({"First"});
        const QString second = walletWith({"Second"});
        openWindow(first);
        FileDialog::setNextFileName(second);
        action("actionOpenWallet")->trigger();
        auto *login = waitForTopLevel<LoginDialog>();
        QVERIFY(login);
        QTest::keyClick(login, Qt::Key_Escape);
        QTRY_VERIFY(!findTopLevel<LoginDialog>());
        QCOMPARE(session().path(), first);
        QCOMPARE(listedTitles(), QStringList{"First"});

        FileDialog::setNextFileName(first);
        action("actionOpenWallet")->trigger();
        QTest::qWait(50);
        QVERIFY(!findTopLevel<LoginDialog>());
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("newer") << "UPDATE Identity SET Version = 4" << "Newer Wallet" << "\"%1\" is a newer Tessera wallet. Please update your copy of Tessera.";
        QTest::newRow("invalid") << "UPDATE Identity SET Signature = 'Other'" << "Invalid Wallet" << "\"%1\" is not a valid Tessera wallet.";
        QTest::newRow("unsupported") << "UPDATE Identity SET Version = 1" << "Unsupported Wallet" << "\"%1\" is an older wallet that this version of Tessera doesn't support. " "Please update your phone application to the latest version.";
        QTest::newRow("locked") << "BEGIN EXCLUSIVE" << "Locked Wallet" << "\"%1\" is locked and can't be opened.";
        // clang-format on
    }

    void refusedFiles()
    {
        QFETCH(QString, damage);
        QFETCH(QString, title);
        QFETCH(QString, text);
        const QString path = walletWith({"Alpha"});
        SqlPeek peek(path);
        QVERIFY(peek.exec(damage));
        openWindow();
        MessageBox::setNextAnswer(MessageBox::Accept);
        FileDialog::setNextFileName(path);
        action("actionOpenWallet")->trigger();
        QCOMPARE(waitForAnswered(), QStringList{title + ": " + text.arg(path)});
        QVERIFY(!findTopLevel<LoginDialog>());
        QVERIFY(!session().isUnlocked());
    }

    void readOnlyWallet()
    {
        const QString path = walletWith({"Alpha"});
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
        MainWindow &window = openWindow(path);
        QVERIFY(!session().isWritable());
        QCOMPARE(window.windowTitle(), QString("Tessera - %1 [Read Only]").arg(QFileInfo(path).fileName()));
        listView()->setCurrentIndex(listView()->model()->index(0, 0));
        QTRY_VERIFY(detailView()->hasCard());
        QCOMPARE(actionStates().keys(true),
                 (QStringList{"actionAbout", "actionCloseWallet", "actionExit", "actionNewWallet", "actionOpenWallet",
                              "actionPreferences", "actionSaveWalletCopy"}));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }

    // Another program replaces, deletes or truncates the open wallet: the window follows or says so.
    void walletChangedOutside_data()
    {
        QTest::addColumn<QString>("outside");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("told");
        QTest::newRow("replaced by a newer copy") << "replace" << QStringList{"Alpha", "Beta"} << "";
        QTest::newRow("replaced, another password")
            << "replace other" << QStringList() << "Unlock it with its password";
        QTest::newRow("deleted") << "delete" << QStringList{"Alpha"} << "deleted or moved";
        QTest::newRow("truncated") << "truncate" << QStringList() << "cannot be read";
    }

    void walletChangedOutside()
    {
        QFETCH(QString, outside);
        QFETCH(QStringList, listed);
        QFETCH(QString, told);
        const QString path = walletWith({"Alpha"});
        MainWindow &window = openWindow(path);
        const QString other = outside == "replace" ? newPath() : walletWith({"Beta"}, "other");
        if (outside == "replace") {
            QVERIFY(QFile::copy(path, other));
            Card card(newUuid(), QDateTime::currentDateTime(), "login.default", 21, "Beta", QString());
            QVERIFY(CardDb::open(other, "pw")->addCard(card));
        }
        if (outside.startsWith("replace"))
            QVERIFY(std::rename(QFile::encodeName(other), QFile::encodeName(path)) == 0);
        else if (outside == "delete")
            QVERIFY(QFile::remove(path));
        else
            QVERIFY(QFile(path).resize(0));
        if (!told.isEmpty() && outside != "replace other")
            MessageBox::setNextAnswer(MessageBox::Accept);
        if (outside == "replace other") {
            QTRY_VERIFY(window.findChild<UnlockView *>()->isVisible());
            QVERIFY(window.findChild<UnlockView *>()->findChild<QLabel *>("unlockError")->text().contains(told));
            return;
        }
        if (!told.isEmpty())
            QVERIFY(waitForAnswered().value(0).contains(told));
        const CardListView *view = listView();
        const auto titles = [view] {
            QStringList shown;
            for (int row = 0; view->model() && row < view->model()->rowCount(); ++row)
                shown << view->model()->index(row, 0).data().toString();
            return shown;
        };
        QTRY_COMPARE(titles(), listed);
    }

    // By default the window opens on the unlock view of the wallet open last; "Open Another Wallet…"
    // leads to the welcome page, as does a last wallet that is gone or the preference turned off.
    void reopensTheLastWallet()
    {
        const QString path = walletWith({"Alpha"});
        openWindow(path).close();
        QCOMPARE(QSettings().value("lastDatabase").toString(), path);
        MainWindow &window = openWindow();
        auto *unlockView = window.findChild<UnlockView *>();
        QTRY_VERIFY(unlockView->isVisible());
        QVERIFY(!findTopLevel<LoginDialog>());
        QVERIFY(!window.findChild<WelcomePage *>()->isVisible());
        QCOMPARE(window.windowTitle(), QString("Tessera - %1 [Locked]").arg(QFileInfo(path).fileName()));
        QTest::keyClicks(unlockView->findChild<QLineEdit *>("unlockPassword"), "pw");
        QTest::keyClick(unlockView->findChild<QLineEdit *>("unlockPassword"), Qt::Key_Return);
        QTRY_VERIFY(session().isUnlocked());
        QCOMPARE(listedTitles(), QStringList{"Alpha"});
        window.close();

        openWindow();
        QTRY_VERIFY(m_window->findChild<UnlockView *>()->isVisible());
        m_window->findChild<UnlockView *>()->findChild<QPushButton *>("otherWallet")->click();
        QCOMPARE(session().state(), WalletSession::NoWallet);
        QVERIFY(m_window->findChild<WelcomePage *>()->isVisible());

        for (const auto &[key, value] : {std::pair<QString, QVariant>{"lastDatabase", m_dir.filePath("gone.tessera")},
                                         {"openLastDatabase", false}}) {
            QSettings().setValue("lastDatabase", path);
            QSettings().setValue(key, value);
            openWindow();
            QTest::qWait(50);
            QCOMPARE(session().state(), WalletSession::NoWallet);
            QVERIFY(m_window->findChild<WelcomePage *>()->isVisible());
            QVERIFY(!findTopLevel<QMessageBox>());
        }
    }

    // The welcome page lists the wallets opened last, newest first with their folders, at most five;
    // one that is gone is greyed, does not open, and can be forgotten.
    void welcomePageListsRecentWallets()
    {
        QStringList paths;
        for (int i = 0; i < 6; ++i) {
            paths.prepend(walletWith({}));
            openWindow(paths.first());
        }
        QVERIFY(QFile::remove(paths.at(1)));
        session().close();
        auto *welcome = m_window->findChild<WelcomePage *>();
        QVERIFY(welcome->isVisible());
        auto *list = welcome->findChild<QListWidget *>("recentList");
        QCOMPARE(list->count(), 5);
        const QString folder = QDir::toNativeSeparators(m_dir.path());
        QCOMPARE(list->item(0)->text(), QFileInfo(paths.at(0)).fileName() + "\n" + folder);
        QCOMPARE(list->item(1)->text(), QFileInfo(paths.at(1)).fileName() + " (not found)\n" + folder);
        QCOMPARE(list->item(1)->foreground().color(), list->palette().color(QPalette::Disabled, QPalette::Text));
        QCOMPARE(list->item(4)->text(), QFileInfo(paths.at(4)).fileName() + "\n" + folder);
        auto *menu = m_window->findChild<QMenu *>("menuOpenRecent");
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 5);
        QCOMPARE(menu->actions().at(1)->text(), "&2 " + QDir::toNativeSeparators(paths.at(1)));
        QVERIFY(menu->actions().at(0)->isEnabled());
        QVERIFY(!menu->actions().at(1)->isEnabled());

        emit list->itemActivated(list->item(1));
        QVERIFY(!findTopLevel<LoginDialog>());
        list->setCurrentRow(1);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->item(1)->text(), QFileInfo(paths.at(2)).fileName() + "\n" + folder);
        list->setCurrentRow(3);
        welcome->findChild<QPushButton *>("forgetRecent")->click();
        QCOMPARE(list->count(), 3);

        emit list->itemActivated(list->item(2));
        auto *login = waitForTopLevel<LoginDialog>();
        QVERIFY(login);
        QVERIFY(login->findChild<QLabel *>("promptLabel")->text().contains(paths.at(3)));
    }

    // Importing from the welcome page makes a new wallet first and fills it.
    void importIntoANewWallet()
    {
        MainWindow &window = openWindow();
        window.findChild<WalletCommands *>()->setNewWalletKdf(cheapHardened.kdf);
        auto *import = window.findChild<QPushButton *>("welcomeImport");
        import->click();
        auto *dialog = waitForTopLevel<NewWalletDialog>();
        QVERIFY(dialog);
        const QString path = newPath();
        FileDialog::setNextFileName(path);
        FileDialog::setNextFileName(testData("import/keepassx-export.xml"));
        MessageBox::setNextAnswer(MessageBox::Accept);
        MessageBox::setNextAnswer(MessageBox::Accept);
        submit(dialog, {{"newPasswordEdit", "pw"}, {"confirmPasswordEdit", "pw"}});
        QTRY_VERIFY(session().isUnlocked());
        QCOMPARE(session().path(), path);
        QCOMPARE(waitForAnswered().value(0).left(15), QString("Weak Password: "));
        auto *preview = waitForTopLevel<ImportPreviewDialog>();
        QVERIFY(preview);
        preview->findChild<QPushButton *>("importButton")->click();
        QTRY_VERIFY(!listedTitles().isEmpty());
        MessageBox::takeAnswered();
    }

    // A wallet given on the command line (or by a second start) is asked for at once, instead of the
    // last one; a file that is not there says so.
    void opensTheWalletGiven()
    {
        const QString last = walletWith({"Alpha"});
        const QString given = walletWith({"Beta"});
        QSettings().setValue("lastDatabase", last);
        m_session = std::make_unique<WalletSession>();
        m_window = std::make_unique<MainWindow>(*m_session, given);
        m_window->show();
        auto *login = waitForTopLevel<LoginDialog>();
        QVERIFY(login);
        QVERIFY(login->findChild<QLabel *>("promptLabel")->text().contains(given));
        submit(login, {{"passwordEdit", "pw"}});
        QTRY_COMPARE(listedTitles(), QStringList{"Beta"});
        MessageBox::setNextAnswer(MessageBox::Accept);
        m_window->openWallet(m_dir.filePath("missing.tessera"));
        QCOMPARE(waitForAnswered(),
                 QStringList{"Cannot Open Wallet: \"" + m_dir.filePath("missing.tessera") + "\" does not exist."});
        QCOMPARE(session().path(), given);
    }

    // F1 opens the manual that came with the program, in a viewer of its own; the Help menu has no
    // link to a web site.
    void manualShipsWithTheProgram()
    {
        MainWindow &window = openWindow();
        QCOMPARE(action("actionManual")->shortcut(), QKeySequence(Qt::Key_F1));
        action("actionManual")->trigger();
        auto *viewer = waitForTopLevel<ManualViewer>();
        QVERIFY(viewer);
        auto *browser = viewer->findChild<QTextBrowser *>("manualBrowser");
        QCOMPARE(browser->documentTitle(), QString("Tessera Manual"));
        QVERIFY(browser->toPlainText().contains("Syncing through a folder, backups"));
        QStringList items;
        for (QAction *item : window.findChild<QMenu *>("menuHelp")->actions())
            items << item->text();
        QCOMPARE(items, (QStringList{"Manual", "", "Keyboard Shortcuts", "About"}));
    }

    // A wallet's status messages go when another wallet opens, and stay when the same one unlocks again.
    void statusClearedForAnotherWallet()
    {
        const QString other = walletWith({"Beta"});
        MainWindow &window = openWindow(walletWith({"Alpha"}));
        window.statusBar()->showMessage("about Alpha");
        session().lock();
        QVERIFY(session().unlock("pw"));
        QCOMPARE(window.statusBar()->currentMessage(), QString("about Alpha"));
        unlock(other);
        QCOMPARE(window.statusBar()->currentMessage(), QString());
    }

    void saveACopyAndExport()
    {
        const QString path = walletWith({"Alpha", "Beta"});
        openWindow(path);
        QSignalSpy listChanges(&session(), &WalletSession::cardsChanged);
        const QString copy = newPath();
        QVERIFY(writeFile(copy, "replaced"));
        FileDialog::setNextFileName(copy);
        action("actionSaveWalletCopy")->trigger();
        const QString rows = "SELECT group_concat(hex(Data) || UUID || ID) FROM Cards";
        const QString identity = "SELECT Sync_UUID || hex(Hash) || hex(Info) FROM Identity";
        QCOMPARE(SqlPeek(copy).value(rows), SqlPeek(path).value(rows));
        QCOMPARE(SqlPeek(copy).value(identity), SqlPeek(path).value(identity));
        auto store = CardDb::openOrCreate(copy, "pw");
        QVERIFY(store);
        QCOMPARE(store->cardCount(), 2);
        QCOMPARE(listChanges.count(), 0);

        const QByteArray before = fileBytes(path);
        FileDialog::setNextFileName(path);
        action("actionSaveWalletCopy")->trigger();
        QCOMPARE(fileBytes(path), before);
        QVERIFY(!findTopLevel<QMessageBox>());
        QVERIFY(!QFile::exists(path + ".copy"));

        // File > Export warns, then writes the file readable by its owner only, in the format of its name.
        const QString target = m_dir.filePath("cards.csv");
        FileDialog::setNextFileName(target);
        MessageBox::setNextAnswer(MessageBox::Accept);
        action("actionExport")->trigger();
        QVERIFY(waitForAnswered().value(0).contains("in the clear"));
        QVERIFY(fileBytes(target).startsWith("Title,Username,Password,URL,Notes,Type\r\nAlpha,user,secret,"));
        QCOMPARE(int(QFile::permissions(target) & 0x0777), 0x0600);
    }

    // View > Trash lists the trashed cards under a banner, read-only; restoring, deleting for ever and
    // emptying the trash take them out of the list, the latter two after asking.
    void trashView()
    {
        const QString path = walletWith({"Alpha", "Beta", "Gamma", "Omega"});
        {
            auto store = CardDb::open(path, "pw");
            QVERIFY(store->trashCard(2) && store->trashCard(3) && store->trashCard(4));
        }
        MainWindow &window = openWindow(path);
        QCOMPARE(listedTitles(), QStringList{"Alpha"});
        action("actionTrash")->setChecked(true);
        QCOMPARE(listedTitles(), (QStringList{"Beta", "Gamma", "Omega"}));
        QVERIFY(window.findChild<QWidget *>("trashBanner")->isVisible());
        auto *list = listView();
        list->setCurrentIndex(list->model()->index(0, 0));
        QVERIFY(!action("actionEditCard")->isEnabled());
        QVERIFY(!action("actionDeleteCard")->isEnabled());
        QVERIFY(action("actionRestoreCard")->isEnabled());
        window.findChild<QPushButton *>("restoreButton")->click();
        QCOMPARE(listedTitles(), (QStringList{"Gamma", "Omega"}));

        list->setCurrentIndex(list->model()->index(0, 0));
        MessageBox::setNextAnswer(MessageBox::Accept);
        action("actionDeleteForever")->trigger();
        QVERIFY(waitForAnswered().value(0).contains("\"Gamma\""));
        QCOMPARE(listedTitles(), QStringList{"Omega"});
        MessageBox::setNextAnswer(MessageBox::Accept);
        action("actionEmptyTrash")->trigger();
        QVERIFY(waitForAnswered().value(0).contains("Delete the 1 card in the trash for ever?"));
        QCOMPARE(listedTitles(), QStringList());
        action("actionTrash")->setChecked(false);
        QCOMPARE(listedTitles(), (QStringList{"Alpha", "Beta"}));
        QCOMPARE(SqlPeek(path).value("SELECT COUNT(*) FROM Purged").toInt(), 2);
    }

    void changePassword()
    {
        const QString path = walletWith({"Alpha"});
        MainWindow &window = openWindow(path);
        action("actionChange_Password")->trigger();
        auto *dialog = waitForTopLevel<ChangePasswordDialog>();
        QVERIFY(dialog);
        QCOMPARE(
            submit(dialog, {{"oldPasswordEdit", "wrong"}, {"newPasswordEdit", "new"}, {"confirmPasswordEdit", "new"}}),
            QString("Incorrect old password!"));
        QCOMPARE(dialog->findChild<QLineEdit *>("oldPasswordEdit")->text(), QString("wrong"));
        QCOMPARE(dialog->findChild<QLineEdit *>("newPasswordEdit")->text(), QString("new"));
        QCOMPARE(submit(dialog, {{"confirmPasswordEdit", "other"}}), QString("New passwords didn't match!"));
        QCOMPARE(submit(dialog, {{"confirmPasswordEdit", ""}}), QString("Password can not be empty!"));
        submit(dialog, {{"oldPasswordEdit", "pw"}, {"confirmPasswordEdit", "new"}});
        QTRY_VERIFY(!findTopLevel<ChangePasswordDialog>());
        QVERIFY(session().checkPassword("new"));
        // The wallet was kept as it was before the re-key.
        const QVector<WalletBackup> backups = WalletBackups::list(path);
        QCOMPARE(backups.size(), 1);
        QVERIFY(CardDb::open(backups.first().path, "pw"));
        QCOMPARE(listedTitles(), QStringList{"Alpha"});
        QCOMPARE(window.windowTitle(), QString("Tessera - %1").arg(QFileInfo(path).fileName()));
    }

    // The cloud keys an earlier version left in the settings file are gone from it once the window is up
    // (in the keyring where there is one); closing the wallet forgets it.
    void cloudKeysLeaveSettingsThenClose()
    {
        const QString path = walletWith({"Alpha"});
        QSettings settings;
        settings.setValue("accessKey", "key");
        settings.setValue("accessSecret", "secret");
        MainWindow &window = openWindow(path);
        settings.sync();
        QVERIFY(!settings.contains("accessKey"));
        QVERIFY(!settings.contains("accessSecret"));

        action("actionCloseWallet")->trigger();
        QVERIFY(!session().isUnlocked());
        QCOMPARE(window.windowTitle(), QString("Tessera"));
        QVERIFY(!window.findChild<QSplitter *>("splitter")->isVisible());
        QCOMPARE(listedTitles(), QStringList());
        QCOMPARE(actionStates().values().count(true), 5);
        window.close();
        QCOMPARE(QSettings().value("lastDatabase").toString(), QString());
    }
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
