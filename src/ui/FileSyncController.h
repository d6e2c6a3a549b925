#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class CardDb;
class FileWatch;
class QAction;
class QWidget;
class WalletError;
class WalletSession;

// Keeps the open wallet in step with a copy of it in a synced folder (chosen with Sync With File…,
// remembered per wallet): merges both ways when the wallet opens, shortly after each change to it,
// whenever the copy changes on disk, and as soon as a syncing tool leaves a conflict copy beside it. Follows what other
// programs do to the wallet itself: cards they write reach the views, a replaced file is opened again, a deleted one is
// reported. Offers Restore From Backup…. Everything goes through the session.
class FileSyncController : public QObject
{
    Q_OBJECT

public:
    // What the user gives for the copy at path: its password (empty when they decline) and, for a copy
    // that requires one, the path of its key file.
    struct CopyCredentials
    {
        QString password;
        QString keyFilePath;
    };
    using PasswordQuestion = std::function<CopyCredentials(const QString &path)>;

    FileSyncController(WalletSession &session, QWidget *window);
    ~FileSyncController() override;

    QAction *syncWithFileAction() const { return m_syncAction; }
    QAction *restoreBackupAction() const { return m_restoreAction; }
    void setPasswordQuestion(PasswordQuestion prompt) { m_askPassword = std::move(prompt); }
    // Changes collected this long are merged at once.
    void setDelay(int milliseconds) { m_delay.setInterval(milliseconds); }

    // The copy the open wallet is synced with; empty for none.
    QString syncFile() const;
    void setSyncFile(const QString &path);
    void syncNow();
    void restoreBackup(const QString &backupPath);

signals:
    void statusMessage(const QString &text);
    // Another program replaced the wallet with one under another password: the session locked.
    void unlockAsked(const QString &reason);

private:
    void walletOpened();
    void walletClosed();
    void chooseSyncFile();
    void chooseBackup();
    void fileChanged(const QString &path);
    // A conflict copy that appeared beside the copy is merged soon, one that could not be merged not again.
    void folderChanged(const QString &folder);
    // Another program may have replaced or deleted the wallet's file. False when the session no longer
    // has the store it had (reopened or locked).
    bool followWalletFile();
    void watch();
    std::unique_ptr<CardDb> openCopy(CardDb &wallet, const QString &path, WalletError *error);
    std::unique_ptr<CardDb> openBackup(CardDb &wallet, const QString &path, WalletError *error);
    // Opens the copy at path with the password (and key file) the user gives.
    std::unique_ptr<CardDb> openAsking(const QString &path, WalletError *error);

    WalletSession &m_session;
    QWidget *m_window;
    PasswordQuestion m_askPassword;
    QAction *m_syncAction;
    QAction *m_restoreAction;
    FileWatch *m_watch;
    QTimer m_delay;
    // The copy's key, kept for this session only: the password (and key file) is asked once.
    QByteArray m_copyKey;
    bool m_syncing = false;
    bool m_walletGoneReported = false;
    // Conflict copies the last sync could not merge: their appearing is no news.
    QStringList m_conflictCopiesLeft;
};
