#pragma once

#include "store/NewWalletOptions.h"
#include "store/WalletCredentials.h"
#include "store/WalletError.h"

#include <QFuture>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <functional>
#include <memory>

class Card;
class CardDb;
class ImportLoader;
struct WalletInfo;

// The open wallet of the program: its file, its store while it is unlocked, and what may be done with it.
// The window, its panes and its dialogs are handed this object by whoever creates them; nothing else
// holds the store. Locking closes the store and forgets the key and every decrypted card; the path stays,
// so the same wallet unlocks again.
class WalletSession : public QObject
{
    Q_OBJECT

public:
    enum State { NoWallet, Locked, Unlocked };
    // What became of the file the session opened: another program may have replaced or deleted it.
    enum FileChange { SameFile, Replaced, Gone };

    explicit WalletSession(QObject *parent = nullptr);
    ~WalletSession() override;

    State state() const;
    bool isUnlocked() const { return state() == Unlocked; }
    // Unlocked, and the file may be changed.
    bool isWritable() const;
    QString path() const { return m_path; }
    // The open store; none unless unlocked.
    CardDb *store() const { return m_store.get(); }
    // Why the last unlock, re-key, import or merge failed.
    WalletError lastError() const { return m_lastError; }

    // Opens the wallet at path with its password (reading its card list once to be sure it can be
    // used) and makes it the session's.
    bool unlock(const QString &path, const WalletCredentials &credentials);
    bool unlock(const QString &path, const QString &password);
    // The slow half of unlock (key derivation, the first read), safe on a worker thread; the store it
    // gives (or the error) goes to install() on the session's thread, so no other thread ever swaps
    // the store the views are reading.
    static std::unique_ptr<CardDb> openStore(const QString &path, const WalletCredentials &credentials,
                                             WalletError *error);
    static std::unique_ptr<CardDb> openStore(const QString &path, const QString &password, WalletError *error);
    bool install(const QString &path, std::unique_ptr<CardDb> store, const WalletError &error);
    // Unlocks the wallet that was locked.
    bool unlock(const QString &password);
    void lock();
    void close();
    FileChange fileChange() const;
    // Opens the file now at path() with the key in use, after another program replaced the wallet.
    // When the new file has another password the session locks, so that the user unlocks it.
    bool reopen();

    bool addCard(Card &card, int *id);
    // Cards are found by their uuid at the moment of writing: another program may have renumbered the
    // rows since the window read them. A card that is gone fails as CardGone.
    bool updateCard(Card &card, int *id = nullptr);
    bool trashCard(const QString &uuid);
    bool changePassword(const QString &oldPassword, const QString &newPassword);
    // The format and key settings of the session's wallet, with its live cards; read from the file
    // while it is locked.
    WalletInfo walletInfo() const;
    // Rewrites the open wallet into the target format under the same credentials on a worker, after
    // checking them and keeping a backup; conversionDone() tells how it went (lastError() says why not).
    void convert(const NewWalletOptions &target, const WalletCredentials &credentials);
    // Runs work on a worker thread against the open store. lock(), close() and the destructor wait for
    // it, so the store is never destroyed under a running job.
    QFuture<bool> runInBackground(std::function<bool(CardDb &)> work);
    // Runs an importer against the open store: all of its cards or none.
    bool import(ImportLoader &loader);
    // Tells the views that the cards changed behind them (a merge, an import).
    void reportChange();

signals:
    void opened();
    void locked();
    void closed();
    void cardsChanged();
    void conversionDone(bool converted);

private:
    bool fail(const WalletError &error);
    void waitForJobs();
    // The row that holds uuid now, inside the caller's write transaction.
    int rowOf(const QString &uuid);

    QString m_path;
    // Device and inode of the file opened, to tell a replaced wallet from a changed one.
    QPair<quint64, quint64> m_fileId;
    QList<QFuture<bool>> m_jobs;
    std::unique_ptr<CardDb> m_store;
    WalletError m_lastError;
};
