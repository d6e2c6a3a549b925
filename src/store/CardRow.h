#pragma once

#include "model/Card.h"
#include "model/CardTextView.h"
#include "store/CardSealer.h"
#include "store/WalletError.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <QVector>

#include <memory>
#include <vector>

class RowReader;

// One row of the Cards table with its card decrypted: what a merge needs of every card, read at once.
struct StoredCard
{
    int id = -1;
    QString uuid;
    QDateTime rowTime;
    bool trashed = false;
    std::unique_ptr<Card> card;
    // The encrypted text as stored; kept only where a card is copied as it is.
    QByteArray blob;
};

// One row of the Cards table with its card text decrypted but not made into a card: what a walk over
// every card needs that only reads each (a search). The text lives only while the row is visited.
struct CardTextRow
{
    int id;
    const QString &uuid;
    qint64 rowTime;
    bool trashed;
    const CardTextView &text;
};

// A row whose card cannot be read: its blob does not decrypt, its text does not parse, or SQLite
// cannot reach it.
struct UnreadableCard
{
    int id = -1;
    QString title;
};

// Everything that could be read of a wallet's cards, and what could not.
struct CardReadout
{
    std::vector<StoredCard> cards;
    QVector<UnreadableCard> unreadable;
};

// How a card sits in a row of Cards: one list of the columns that every write binds, one list of those
// that a full read selects, and the decoding of such a row. Only Data is sealed, bound to the row's
// uuid, time and trash flag where the format authenticates them; the clear columns Title, Type and
// IconID repeat what the card list shows without opening it, unless the format keeps them blank.
class CardRow
{
    // Translated as the store's messages.
    Q_DECLARE_TR_FUNCTIONS(CardDb)

public:
    // The statements that write a row, binding values() and then, where they name one, the row id.
    static QString insertSql(bool withId);
    static QString updateSql(const QString &condition);
    static QVariantList values(const Card &card, bool hideHead, const QString &uuid, const QByteArray &blob,
                               bool trashed, const QDateTime &rowTime);
    // The row state a card written with these values is sealed to.
    static CardBinding bindingFor(const QString &uuid, bool trashed, const QDateTime &rowTime);
    // The row state of a row read: UUID, UpdateTime and Trashed from the column first on.
    static CardBinding bindingAt(const RowReader &row, int first);

    // The columns decode() reads, in its order.
    static QString decodedColumns();
    // Those and the clear title after them, which named() reads.
    static QString selectedColumns();
    // The row a reader stands on, selected as selectedColumns(); its card is none when it does not read.
    static StoredCard decode(const RowReader &row, const CardSealer &sealer, bool keepBlob);
    // The same row, named for a list of cards that cannot be read.
    static UnreadableCard named(const RowReader &row);
    // The columns that open a card, in the order openAt() reads them: its blob and the row state it is
    // sealed to.
    static QString sealedColumns();
    // The card of the row a reader stands on, selected as sealedColumns() from column first on.
    static std::unique_ptr<Card> openAt(const RowReader &row, const CardSealer &sealer, int first = 0);
    // A card that a merge would spread to other copies must carry the same identity in its row and in
    // its text: one flipped bit in the row's clear column would otherwise travel as a new card (a flip
    // inside the encrypted text already fails to decrypt or parse).
    static bool hasSoundIdentity(const StoredCard &row);
    static bool hasSoundIdentity(const QString &rowUuid, QStringView textUuid);
    // UpdateTime as written.
    static uint storedSeconds(const QDateTime &time);

    // The error that names cards which cannot be read.
    static WalletError unreadableCards(const QVector<UnreadableCard> &cards);
    static QString namesOf(const QVector<UnreadableCard> &cards);

private:
    // The card of one blob, or none when it does not open for its row or parse; its clear text is wiped.
    static std::unique_ptr<Card> openCard(const CardSealer &sealer, const QByteArray &blob, const CardBinding &row);
};
