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

// Keeps the open wallet in step with a copy of it in a synced folder (chosen with Sync With File…,
// remembered per wallet): merges both ways when the wallet opens, shortly after each change to it,
// and whenever the copy changes on disk. Notices changes that other programs make to the wallet
// itself, and offers Restore From Backup….
class FileSyncController : public QObject
{
    Q_OBJECT

public:
    using StoreAccess = std::function<CardDb *()>;
    // What the user gives for the copy at path: its password (empty when they decline) and, for a copy
    // that requires one, the path of its key file.
    struct CopyCredentials
    {
        QString password;
        QString keyFilePath;
    };
    using PasswordQuestion = std::function<CopyCredentials(const QString &path)>;

    FileSyncController(StoreAccess store, QWidget *window);
    ~FileSyncController() override;

    QAction *syncWithFileAction() const { return m_syncAction; }
    QAction *restoreBackupAction() const { return m_restoreAction; }
    void setPasswordQuestion(PasswordQuestion prompt) { m_askPassword = std::move(prompt); }
    // Changes collected this long are merged at once.
    void setDelay(int milliseconds) { m_delay.setInterval(milliseconds); }

    void walletOpened();
    void walletClosed();
    // The copy the open wallet is synced with; empty for none.
    QString syncFile() const;
    void setSyncFile(const QString &path);
    void syncNow();
    void restoreBackup(const QString &backupPath);

signals:
    void statusMessage(const QString &text);
    // The wallet's cards changed other than through the window: the list reloads, keeping the selection.
    void cardsChanged();
    // The wallet's file changed on disk, perhaps replaced or deleted by another program.
    void walletFileChanged();

private:
    void chooseSyncFile();
    void chooseBackup();
    void fileChanged(const QString &path);
    void watch();
    std::unique_ptr<CardDb> openCopy(CardDb &wallet, const QString &path, WalletError *error);
    std::unique_ptr<CardDb> openBackup(CardDb &wallet, const QString &path, WalletError *error);
    // Opens the copy at path with the password (and key file) the user gives.
    std::unique_ptr<CardDb> openAsking(const QString &path, WalletError *error);

    StoreAccess m_store;
    QWidget *m_window;
    PasswordQuestion m_askPassword;
    QAction *m_syncAction;
    QAction *m_restoreAction;
    FileWatch *m_watch;
    QTimer m_delay;
    // The copy's key, kept for this session only: the password (and key file) is asked once.
    QByteArray m_copyKey;
    qint64 m_outsideChanges = -1;
    bool m_syncing = false;
};
