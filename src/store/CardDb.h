#pragma once

#include "model/Card.h"
#include "store/CardRow.h"
#include "store/CardTable.h"
#include "store/CardTrash.h"
#include "store/CardWriter.h"
#include "store/MergeReads.h"
#include "store/NewWalletOptions.h"
#include "store/PurgeRecords.h"
#include "store/WalletCredentials.h"
#include "store/WalletError.h"
#include "store/WalletFile.h"
#include "store/WalletFileCopy.h"
#include "store/WalletFormat.h"
#include "store/WalletRekeying.h"
#include "store/WalletRescue.h"
#include "store/WalletSql.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// What a wallet file says without its password.
struct WalletSummary
{
    QString syncUuid;
    // Live cards; -1 when the file cannot be read.
    int cardCount = -1;
};

// One open wallet file: an SQLite file with an Identity row and one encrypted row per card, in either
// format of docs/file-format.md: version 2, which the phone application reads, or the hardened
// version 3, the default for new wallets. Failures
// come back as false or none, with lastError() saying why; a read never passes off a failure as an
// empty or shorter result. Cards handed in stay the caller's; cards handed out become the caller's;
// template cards stay the store's. Used by one thread at a time. This is the front of the parts that do
// the work: the SQL side, the wallet file and its key, its re-keying, the reads and writes of cards, the
// reads of a merge, the trash and the purge records, and the rescue.
class CardDb
{
public:
    using ListScope = CardTable::ListScope;
    static constexpr ListScope LiveCards = CardTable::LiveCards;
    static constexpr ListScope AllCards = CardTable::AllCards;
    static constexpr ListScope TrashedCards = CardTable::TrashedCards;
    using ProbeDepth = WalletFormat::ProbeDepth;
    static constexpr ProbeDepth IdentityOnly = WalletFormat::IdentityOnly;
    static constexpr ProbeDepth EveryPage = WalletFormat::EveryPage;
    // How cardHeads() marks each card's version (see sharesCipherWith).
    using VersionMark = MergeReads::VersionMark;
    static constexpr VersionMark EncryptedText = MergeReads::EncryptedText;
    static constexpr VersionMark TextDigest = MergeReads::TextDigest;

    CardDb(const CardDb &) = delete;
    CardDb &operator=(const CardDb &) = delete;

    // What the file at path is, asking no password: None for a wallet this program can open. Changes
    // nothing, except that a write interrupted by a crash is rolled back when the file is writable.
    static WalletError probe(const QString &path, ProbeDepth depth = IdentityOnly);
    static std::unique_ptr<CardDb> open(const QString &path, const WalletCredentials &credentials,
                                        WalletError *error = nullptr);
    // With a password and no key file.
    static std::unique_ptr<CardDb> open(const QString &path, const QString &password, WalletError *error = nullptr);
    // Reopens a wallet with the key of a store that was unlocked before.
    static std::unique_ptr<CardDb> openWithKey(const QString &path, const QByteArray &key,
                                               WalletError *error = nullptr);
    // Makes a new empty wallet at path, which must not exist: staged beside it, readable by its owner
    // only, and renamed into place when complete.
    static std::unique_ptr<CardDb> create(const QString &path, const WalletCredentials &credentials,
                                          const NewWalletOptions &options, WalletError *error = nullptr);
    // A compatible wallet (version 2, the phone's format) under a password: what a copy for the phone
    // needs, and what tests use for its cheap key. New wallets of the user state their options instead.
    static std::unique_ptr<CardDb> create(const QString &path, const QString &password, WalletError *error = nullptr);
    // open() where a file is, create() where none is.
    static std::unique_ptr<CardDb> openOrCreate(const QString &path, const WalletCredentials &credentials,
                                                const NewWalletOptions &options, WalletError *error = nullptr);
    // As above, creating a compatible wallet (version 2) where none is.
    static std::unique_ptr<CardDb> openOrCreate(const QString &path, const QString &password,
                                                WalletError *error = nullptr);
    // The sync identity and live cards of the wallet at path, read without its password.
    static WalletSummary summary(const QString &path);
    // The format, key settings and live cards of the wallet at path, read without its password.
    static WalletError info(const QString &path, WalletInfo *info);
    // The error that names cards which cannot be read.
    static WalletError unreadableCards(const QVector<UnreadableCard> &cards) { return CardRow::unreadableCards(cards); }

    WalletError lastError() const { return m_sql.lastError(); }
    void close() { m_sql.connections().close(); }
    bool isOpen() const { return !m_sql.connections().isClosed(); }
    bool isReadOnly() const { return m_sql.connections().isReadOnly(); }
    QString path() const { return m_sql.connections().path(); }
    // The identity made with the wallet and kept by its copies: every copy of one wallet has the same.
    QString syncUuid() const { return m_file.identity().syncUuid; }
    // Whether the other wallet encrypts under the same key and IV, so that equal cards are equal blobs.
    bool sharesCipherWith(const CardDb &other) const { return m_file.sharesCipherWith(other.m_file); }
    QByteArray key() const { return m_file.key(); }
    bool checkCredentials(const WalletCredentials &credentials) const { return m_file.checkCredentials(credentials); }
    bool checkPassword(const QString &password) const { return checkCredentials({password, QByteArray()}); }
    // The format and key settings of this wallet, with its live cards; -1 cards on an error.
    WalletInfo info();

    std::optional<QVector<CardListEntry>> cardList(ListScope scope = LiveCards) { return m_cards.cardList(scope); }
    std::optional<CardListEntry> listEntry(int id) { return m_cards.listEntry(id); }
    // Live cards; -1 on an error.
    int cardCount() { return m_cards.cardCount(); }
    // Changes whenever another program (or another store on the file) commits a change to it; -1 on
    // an error. This store's own writes leave it as it is.
    qint64 outsideChanges() { return m_sql.outsideChanges(); }
    std::unique_ptr<Card> card(int id) { return m_cards.card(id); }
    std::unique_ptr<Card> cardByUuid(const QString &uuid, bool *trashed = nullptr)
    {
        return m_cards.cardByUuid(uuid, trashed);
    }
    // -1 when no row has the uuid or on an error (then lastError() says so).
    int cardIdForUuid(const QString &uuid) { return m_cards.cardIdForUuid(uuid); }
    // Every card's identity, trashed ones too, in row order.
    std::optional<QStringList> allUuids() { return m_cards.allUuids(); }
    // Every row, trashed ones too, in row order, each card decrypted once. Fails, naming them, when
    // any card cannot be read or has a malformed identity: whatever rewrites a wallet starts here.
    std::optional<std::vector<StoredCard>> allCards() { return m_cards.allCards(); }
    // The clear columns of every row, trashed ones too, in row order, each with its version marked.
    std::optional<std::vector<CardHead>> cardHeads(VersionMark mark) { return m_mergeReads.cardHeads(mark); }
    // The cards of the given rows, each decrypted once, in the order asked. Fails, naming them, as
    // allCards() does when one cannot be read or has a malformed identity.
    std::optional<std::vector<std::unique_ptr<Card>>> cardsOfRows(const QVector<CardHead> &rows)
    {
        return m_mergeReads.cardsOfRows(rows);
    }
    // As much as can be read, for rescuing a damaged wallet: never fails, lists what it left out.
    CardReadout salvage() { return m_rescue.salvage(); }
    // Hands every row to visit in row order, one at a time, so that memory stays flat however large the
    // wallet is. Stops when visit returns false (then true) or at the first card that cannot be read
    // (then false, naming it). Visit must leave the store alone meanwhile.
    bool forEachCard(const std::function<bool(const StoredCard &)> &visit, ListScope scope = AllCards)
    {
        return m_cards.forEachCard(visit, scope);
    }
    // The same with each card's text only, for walks that read the cards without making them.
    bool forEachCardText(const std::function<bool(const CardTextRow &)> &visit, ListScope scope = AllCards)
    {
        return m_cards.forEachCardText(visit, scope);
    }
    // The identities of the cards deleted for ever, with the time of deletion in seconds since 1970 UTC.
    std::optional<QHash<QString, qint64>> purgedCards() { return m_purged.purgedCards(); }

    bool addCard(const Card &card) { return m_writer.addCard(card); }
    // Rewriting a trashed card makes it live again. Fails as CardGone unless row id still holds the
    // card's uuid, so a row renumbered by another program is never overwritten with another card.
    bool updateCard(int id, const Card &card) { return m_writer.updateCard(id, card); }
    bool trashCard(int id) { return m_trash.trashCard(id); }
    // Takes a card out of the trash. The card and its row get the current time, so that a merge with
    // another copy carries the restore over an older trashing there.
    bool restoreCard(int id) { return m_trash.restoreCard(id); }
    // Writes a card as another copy holds it: its row state and time included, into row id, or into a
    // new row when id is -1. Rewriting a row may change its uuid.
    bool putCard(int id, const Card &card, bool trashed, const QDateTime &rowTime)
    {
        return m_writer.putCard(id, card, trashed, rowTime);
    }
    // Moves a row into the trash or out of it, stamped with rowTime; the card text stays as it is.
    bool setTrashed(int id, bool trashed, const QDateTime &rowTime) { return m_trash.setTrashed(id, trashed, rowTime); }
    bool deleteAllCards() { return m_writer.deleteAllCards(); }
    // Deleting for ever: only trashed cards, and each one's identity is kept (see purgedCards) so that
    // a merge with a copy that still has the card does not bring it back live.
    bool purgeCard(int id) { return m_trash.purgeCard(id); }
    bool purgeTrashed() { return m_trash.purgeTrashed(); }
    // Adds identities deleted for ever elsewhere (a merge passes them on); a later time wins.
    bool recordPurged(const QHash<QString, qint64> &purged) { return m_purged.recordPurged(purged); }
    // Drops identities from the record of deletions for ever (a card that came back into the trash).
    bool forgetPurged(const QStringList &uuids) { return m_purged.forgetPurged(uuids); }
    // Re-encrypts every card under the new credentials in one transaction on the file itself: at every
    // instant the file opens with exactly one of the two. Keeps the format and its settings; a version-3
    // wallet gets a new master key, so that the old credentials and an old copy of the file open nothing
    // written later. Next may add or drop a key file (version 3 only). Refuses a wallet with unreadable
    // cards.
    bool changeCredentials(const WalletCredentials &current, const WalletCredentials &next)
    {
        return m_rekeying.changeCredentials(current, next);
    }
    // The same for a wallet without a key file.
    bool changePassword(const QString &oldPassword, const QString &newPassword)
    {
        return changeCredentials({oldPassword, QByteArray()}, {newPassword, QByteArray()});
    }
    // Rewrites the wallet in place into the target format under the same credentials, in one
    // transaction: the sync identity, every card with its uuid, time and trash state, and the purge
    // records stay. Refuses a wallet with unreadable cards. The caller keeps a backup first.
    bool convert(const NewWalletOptions &target, const WalletCredentials &credentials)
    {
        return m_rekeying.convert(target, credentials);
    }
    // Writes a copy of this wallet under the same password to target (replacing it atomically). Cards
    // that cannot be read are left out and listed in leftOut.
    bool saveCopy(const QString &target, QVector<UnreadableCard> *leftOut = nullptr)
    {
        return m_rescue.saveCopy(target, leftOut);
    }
    // Writes a copy of the wallet as it stands to target (replacing it atomically), readable by its owner
    // only: the file byte for byte, or where the file alone does not hold the wallet (write-ahead-log
    // mode), as saveCopy() writes it. Inside a transaction only before it writes anything.
    bool backUpTo(const QString &target, QVector<UnreadableCard> *leftOut)
    {
        return m_fileCopy.isPossible() ? m_fileCopy.copyTo(target) : saveCopy(target, leftOut);
    }

    // Bulk work runs inside one transaction: one commit instead of one per row. The first begin takes
    // the file's write lock (other writers wait, then fail as busy) and checks that no other program
    // changed the password meanwhile; nested begins join it, and any failed write inside dooms it.
    bool beginTransaction() { return m_sql.beginTransaction(); }
    bool commitTransaction() { return m_sql.commitTransaction(); }
    bool rollbackTransaction() { return m_sql.rollbackTransaction(); }

private:
    friend class CardDbTransaction;

    CardDb(const QString &path, bool readOnly);

    static std::unique_ptr<CardDb> openFile(const QString &path, WalletError *error);

    WalletSql m_sql;
    WalletFile m_file{m_sql};
    WalletRekeying m_rekeying{m_sql, m_file};
    CardTable m_cards{m_sql, m_file};
    CardWriter m_writer{m_sql, m_file};
    MergeReads m_mergeReads{m_sql, m_file};
    PurgeRecords m_purged{m_sql};
    CardTrash m_trash{m_sql, m_cards, m_writer, m_purged};
    WalletRescue m_rescue{m_sql, m_file, m_cards, m_purged};
    WalletFileCopy m_fileCopy{m_sql};
};
