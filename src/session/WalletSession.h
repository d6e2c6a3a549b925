#pragma once

#include "store/CardTable.h"
#include "store/NewWalletOptions.h"
#include "store/WalletCredentials.h"
#include "store/WalletError.h"

#include <QFuture>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

class Card;
class CardDb;
struct UnreadableCard;
struct WalletInfo;

// The open wallet of the program: its file, its store while it is unlocked, and what may be done with it.
// Whoever creates the window creates the session and hands it in; the window, its panes and its
// dialogs read and write the cards only through it, and hear from it what changed. The store never
// leaves it, except to a function for the duration of one call. Locking closes the store and forgets
// the key and every decrypted card; the path stays, so the same wallet unlocks again.
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
    // Why the last operation failed.
    WalletError lastError() const { return m_lastError; }

    // Opens the wallet at path with its password (reading its table of cards once to be sure it can be
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
    // Makes the wallet at path the session's, locked, without reading it: the window offers to unlock
    // the wallet it had open last. Nothing happens while another wallet is unlocked.
    void selectLocked(const QString &path);
    // Unlocks the wallet that was locked.
    bool unlock(const QString &password);
    void lock();
    void close();
    FileChange fileChange() const;
    // Opens the file now at path() with the key in use, after another program replaced the wallet.
    // When the new file has another password the session locks, so that the user unlocks it.
    bool reopen();
    // The wallet's file changed on disk: when another program wrote cards into it, the views hear of it.
    void noticeOutsideChanges();

    // Reads; none, or -1, on an error (lastError() says why) or while locked.
    std::optional<QVector<CardListEntry>> cardList(CardTable::ListScope scope = CardTable::LiveCards);
    std::unique_ptr<Card> card(int id);
    std::unique_ptr<Card> cardByUuid(const QString &uuid);
    int cardIdForUuid(const QString &uuid);
    bool checkPassword(const QString &password) const;

    bool addCard(Card &card, int *id);
    // Cards are found by their uuid at the moment of writing: another program may have renumbered the
    // rows since the window read them. A card that is gone fails as CardGone.
    bool updateCard(Card &card, int *id = nullptr);
    bool trashCard(const QString &uuid);
    bool restoreCard(int id);
    bool purgeCard(int id);
    bool emptyTrash();
    // Writes a copy of the wallet to path; cards that cannot be read are left out and listed.
    bool saveCopy(const QString &path, QVector<UnreadableCard> *leftOut);
    bool changePassword(const QString &oldPassword, const QString &newPassword);
    // Keeps a backup of the wallet, then runs an importer on the store: all of its cards or none.
    bool import(const std::function<bool(CardDb &)> &importer);

    // For what takes many steps (a report, an export, a merge): work has the store for the duration of
    // the call and must not keep it. False while locked, else as work returns.
    bool read(const std::function<bool(CardDb &)> &work);
    // The same for work that may change the cards; it returns whether it did, and the views then hear
    // of it. False while locked.
    bool change(const std::function<bool(CardDb &)> &work);
    // The format and key settings of the session's wallet, with its live cards; read from the file
    // while it is locked.
    WalletInfo walletInfo() const;
    // Rewrites the open wallet into the target format under the same credentials on a worker, after
    // checking them and keeping a backup; conversionDone() tells how it went (lastError() says why not).
    void convert(const NewWalletOptions &target, const WalletCredentials &credentials);
    // Runs work on a worker thread against the open store. lock(), close() and the destructor wait for
    // it, so the store is never destroyed under a running job.
    QFuture<bool> runInBackground(std::function<bool(CardDb &)> work);
    // The same for reading work, against a store of its own on the same file opened with the session's
    // key: the views go on using the session's store meanwhile. False when that store does not open.
    QFuture<bool> readInBackground(std::function<bool(CardDb &)> work);

signals:
    void opened();
    // The session is about to lock or close: work in the background that can stop early should.
    void closing();
    void locked();
    void closed();
    // Many cards may have changed (a merge, an import, a restore): the views read the list again.
    void cardsChanged();
    void cardAdded(int id);
    // The card was rewritten, perhaps into another row than the one it had.
    void cardUpdated(int id);
    // The card left the list it was in: moved to the trash or out of it, or deleted for ever.
    void cardRemoved(int id);
    void conversionDone(bool converted);

private:
    bool fail(const WalletError &error);
    bool failWithStoreError();
    void waitForJobs();
    QFuture<bool> startJob(std::function<bool()> job);
    // The row that holds uuid now, inside the caller's write transaction.
    int rowOf(const QString &uuid);

    QString m_path;
    // Device and inode of the file opened, to tell a replaced wallet from a changed one.
    QPair<quint64, quint64> m_fileId;
    // The store's count of writes by other programs, to tell when one wrote.
    qint64 m_outsideChanges = -1;
    QList<QFuture<bool>> m_jobs;
    std::unique_ptr<CardDb> m_store;
    WalletError m_lastError;
};
