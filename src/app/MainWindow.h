#pragma once

#include "sync/DropBoxClient.h"
#include <QMainWindow>

#include <QSettings>

#include <memory>

namespace Ui {
class MainWindow;
}
class Card;
class CardDb;

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
    // Re-keys the open wallet on a worker thread; false when the old password stays in force.
    bool changeDatabasePassword(const QString &oldPassword, const QString &newPassword);
    // Back on the user-interface thread after a change of password.
    void passwordChangeFinished();
    // The worker-thread part of a cloud sync: merges the open wallet with the downloaded copy at
    // syncPath, which then holds the merged copy to upload; the merged local copy waits beside the
    // wallet. False, with nothing changed, when the copy does not open or nothing can be written.
    bool syncDatabases(const QString &syncPath, const QString &password, const QString &newPassword);
    // After the upload: the merged local copy takes the wallet's place and is reopened. False when
    // that failed; the window then shows the wallet as it is on disk, or none if it cannot be opened.
    bool adoptSyncedCopy();
    // Removes a merged local copy that will not be adopted.
    void discardSyncedCopy();
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
    void on_actionDropboxSync_triggered();
    void on_actionClearDropboxSettings_triggered();

private:
    enum class ImportFormat { KeePassX, KeePass, PasswordSafe };

    void closeDatabase();
    void setUpKeyboard();
    void fitToScreen();
    void importCards(ImportFormat format);
    void openEditor(std::unique_ptr<Card> card, void (MainWindow::*receiver)(Card *));
    void showError(const QString &title, const QString &text);
    QString chooseFolderForSaving(const QString &caption, const QString &errorText);
    static void openWebPage(const QString &path);

    const std::unique_ptr<Ui::MainWindow> m_ui;
    QString m_currentPath;
    std::unique_ptr<CardDb> m_store;
    bool m_readOnly = false;
    QSettings m_settings;
    bool m_openLastDatabase = false;
    QString m_lastDatabase;
    QString m_openFilePath;
    QString m_saveFilePath;
    DropBoxHosts m_cloudHosts = DropBoxHosts::service();
};
