#pragma once

#include "sync/DropBoxClient.h"
#include "ui/Preferences.h"

#include <QMainWindow>

#include <QSettings>

#include <memory>

namespace Ui {
class MainWindow;
}
class Card;
class ClipboardGuard;
class IdleLock;
class ScreenLockListener;
class UnlockView;
class WalletSession;
class TrashController;
class FileSyncController;

// The program's window: wires the panes, the dialogs and the actions to the open wallet, which a
// WalletSession owns and every view is handed.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    WalletSession &session() const { return *m_session; }
    ClipboardGuard &clipboard() const { return *m_clipboard; }
    IdleLock &idleLock() const { return *m_idleLock; }
    ScreenLockListener &screenLockListener() const { return *m_screenLock; }
    // Where the sync dialog finds the cloud service (tests and compatible servers).
    void setCloudHosts(const DropBoxHosts &hosts) { m_cloudHosts = hosts; }
    // Opens the given file after checking it, through the unlock dialog.
    void openDatabaseFile(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_actionOpen_Database_triggered();
    void on_actionLock_triggered();
    void tryOpenLastDatabase();
    void updateActions();
    void updateTitle();
    void on_actionClose_Database_triggered();
    void on_actionAddCard_triggered();
    void addCardFromTemplate(const QString &templateType);
    void addCard(Card *card);
    void on_actionDeleteCard_triggered();
    void deleteCurrentCard();
    void on_actionEditCard_triggered();
    void currentCardEdited(Card *card);
    void on_actionDuplicateCard_triggered();
    void on_actionSetUpOneTimeCode_triggered();
    void setOneTimeCode(const QString &uri);
    void on_actionCopyOneTimeCode_triggered();
    void on_actionChange_Password_triggered();
    void on_actionNew_Database_triggered();
    void createNewDatabase(const QString &password);
    void on_actionSave_Database_As_triggered();
    void on_actionAbout_triggered();
    void on_actionPassword_Safe_XML_triggered();
    void on_actionKeePass_XML_triggered();
    void on_actionKeePassX_XML_triggered();
    void on_actionTessera_Help_triggered();
    void on_actionWebsite_triggered();
    void on_actionContact_Us_triggered();
    void on_actionPreferences_triggered();
    void on_actionPasswordGenerator_triggered();
    void on_actionPasswordHealth_triggered();
    void on_actionDropboxSync_triggered();
    void on_actionClearDropboxSettings_triggered();
    void on_actionExport_triggered();

private:
    enum class ImportFormat { KeePassX, KeePass, PasswordSafe };

    void loadSettings();
    void saveSettings();
    void applyPreferences();
    void walletOpened();
    void walletLocked();
    void walletClosed();
    void unlockAgain(const QString &password);
    void reloadKeepingSelection();
    void walletFileChanged();
    void showPanes(bool unlocked);
    void copyValue(const QString &value, const QString &what);
    void closeDatabase();
    void setUpKeyboard();
    void fitToScreen();
    void importCards(ImportFormat format);
    void openEditor(std::unique_ptr<Card> card, void (MainWindow::*receiver)(Card *));
    void showError(const QString &title, const QString &text);
    // An error box with the text and the reason the store gave.
    void showStoreError(const QString &text);
    QString chooseFolderForSaving(const QString &caption, const QString &errorText);
    static void openWebPage(const QString &path);

    const std::unique_ptr<Ui::MainWindow> m_ui;
    WalletSession *const m_session;
    ClipboardGuard *const m_clipboard;
    IdleLock *const m_idleLock;
    ScreenLockListener *const m_screenLock;
    UnlockView *const m_unlockView;
    QSettings m_settings;
    Preferences m_preferences;
    // The card an editor is open on, and that card as the editor opened it.
    std::unique_ptr<Card> m_editBase;
    // The card shown when the wallet was locked, shown again after unlocking.
    QString m_cardBeforeLock;
    bool m_walletGoneReported = false;
    QString m_lastDatabase;
    QString m_openFilePath;
    QString m_saveFilePath;
    DropBoxHosts m_cloudHosts = DropBoxHosts::service();
    TrashController *m_trash = nullptr;
    FileSyncController *m_fileSync = nullptr;
};
