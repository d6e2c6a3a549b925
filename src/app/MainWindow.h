#pragma once

#include "store/WalletError.h"
#include "sync/DropBoxClient.h"
#include <QMainWindow>

#include <QSettings>

#include <memory>

namespace Ui {
class MainWindow;
}
class Card;
class CardDb;
class FileSyncController;

// The program's window and the owner of the open wallet. Views and dialogs reach it and its store only
// through the static accessors.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    static MainWindow *instance();
    static CardDb *database();
    static void refreshActions();

    // Opens (or, where no file exists, creates) a wallet and installs it; runs on a worker thread when
    // the unlock dialog starts it. Changes no widget: the caller runs databaseOpened afterwards.
    bool openDatabase(const QString &path, const QString &password);
    void databaseOpened();
    // Why the last openDatabase failed.
    WalletError openError() const { return m_openError; }
    // Re-keys the open wallet on a worker thread; false when the old password stays in force.
    bool changeDatabasePassword(const QString &oldPassword, const QString &newPassword);
    // The worker-thread part of a cloud sync: merges the open wallet into the downloaded copy at
    // syncPath, which then holds the merged copy to upload (under newPassword when that is set).
    // The wallet itself is not changed yet. False when the copy does not open or cannot be written.
    bool syncDatabases(const QString &syncPath, const QString &password, const QString &newPassword);
    // After the upload: the wallet takes in the uploaded copy's cards and the window shows them.
    bool adoptSyncedCopy(const QString &syncPath, const QString &password);
    // Where the sync dialog finds the cloud service (tests and compatible servers).
    void setCloudHosts(const DropBoxHosts &hosts) { m_cloudHosts = hosts; }
    // Opens the given file after checking it, through the unlock dialog.
    void openDatabaseFile(const QString &path);

    void loadSettings();
    void saveSettings();
    void saveDropboxKeys(const QString &key, const QString &secret);
    bool loadDropboxKeys(QString &key, QString &secret);
    bool openLastDatabase() const { return m_openLastDatabase; }
    void setOpenLastDatabase(bool open) { m_openLastDatabase = open; }
    QString currentPath() const { return m_currentPath; }
    bool isReadOnly() const { return m_readOnly; }

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_actionOpen_Database_triggered();
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

private:
    enum class ImportFormat { KeePassX, KeePass, PasswordSafe };

    void closeDatabase();
    void fitToScreen();
    void importCards(ImportFormat format);
    void openEditor(std::unique_ptr<Card> card, void (MainWindow::*receiver)(Card *));
    void showError(const QString &title, const QString &text);
    // An error box with the text and the reason the store gave.
    void showStoreError(const QString &text);
    QString chooseFolderForSaving(const QString &caption, const QString &errorText);
    static void openWebPage(const QString &path);

    const std::unique_ptr<Ui::MainWindow> m_ui;
    QString m_currentPath;
    std::unique_ptr<CardDb> m_store;
    WalletError m_openError;
    bool m_readOnly = false;
    QSettings m_settings;
    bool m_openLastDatabase = false;
    QString m_lastDatabase;
    QString m_openFilePath;
    QString m_saveFilePath;
    DropBoxHosts m_cloudHosts = DropBoxHosts::service();
    FileSyncController *m_fileSync;
};
