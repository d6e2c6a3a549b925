#pragma once

#include "store/WalletCredentials.h"
#include "sync/DropboxClient.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QTemporaryDir>

#include <memory>

class CardDb;
class KeyFileField;
class WalletSession;

namespace Ui {
class DropboxSyncDialog;
}

// Synchronises the open wallet with the copy kept in the cloud folder: authorises the program when
// it holds no access token, downloads the copy, asks for its password (or a new one on a first
// sync), merges on a worker thread, uploads the merged copy and has the main window adopt its own.
class DropboxSyncDialog : public QDialog
{
    Q_OBJECT

public:
    enum SyncState {
        StateIdle = 0,
        StateConnecting = 1,
        StateAwaitingAuthorisation = 2,
        StateValidating = 3,
        StateDisconnected = 4,
        StateChecking = 6,
        StateCreatePassword = 7,
        StateAskPassword = 8,
        StateSyncing = 9,
        StateDone = 10,
        StateError = 11,
    };
    Q_ENUM(SyncState)

    static const QString remotePath;

    // The cloud sign-in is kept in the desktop's keyring; the session's wallet is the one synchronised.
    explicit DropboxSyncDialog(WalletSession &session, const DropboxHosts &hosts = DropboxHosts::service(),
                               QWidget *parent = nullptr);
    ~DropboxSyncDialog() override;

    SyncState state() const { return m_state; }
    QString localSyncPath() const { return m_localSyncPath; }

public slots:
    void done(int r) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_commonButton_clicked();
    void on_changePassCheck_clicked(bool checked);
    void clearSyncFiles();
    void startAuth1();
    void startAuth2();
    void startAuth3();
    void checkout();
    void askPassword();
    void createPassword();
    void showError();
    void showDone();
    void showDisconnected();
    void startSync();
    void gotAccessToken(const QString &key, const QString &secret);
    void downloadError(int error);
    void doneWithSync();

private:
    // The worker-thread part: merges the wallet into the downloaded copy (opened with credentials, or
    // made when there is none), which then holds the merged copy to upload (under newPassword when that
    // is set). The wallet itself is not changed yet.
    bool mergeIntoCopy(CardDb &store, const WalletCredentials &credentials, const QString &newPassword);
    // After the upload: the wallet takes in the uploaded copy's cards.
    bool adoptCopy();
    enum Page { InfoPage = 0, ActivityPage = 1, ErrorPage = 2, PasswordPage = 3 };

    void enterState(SyncState state, Page page, const QString &buttonText);
    void showActivity(SyncState state, const QString &status);
    void showPasswordError(const QString &message);
    // The key file row, for a copy that requires one.
    void showKeyFile(bool shown);
    void startMerge(const WalletCredentials &credentials, const QString &newPassword);
    bool isMerging() const { return m_syncWatcher.isRunning(); }

    const std::unique_ptr<Ui::DropboxSyncDialog> m_ui;
    WalletSession &m_session;
    SyncState m_state = StateIdle;
    bool m_changeSyncPassword = false;
    DropboxClient *m_client;
    // A folder only this user can read: the downloaded copy holds the cloud wallet.
    QTemporaryDir m_folder;
    QString m_localSyncPath;
    KeyFileField *m_keyFile;
    // The password (and key file) of the merged copy once it is written.
    WalletCredentials m_copyCredentials;
    QFutureWatcher<bool> m_syncWatcher;
};
