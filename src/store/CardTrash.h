#pragma once

#include <QCoreApplication>
#include <QDateTime>

class CardTable;
class CardWriter;
class PurgeRecords;
class WalletSql;

// Moving cards into the trash and out of it, and deleting trashed cards for ever.
class CardTrash
{
    // Translated as the store's messages.
    Q_DECLARE_TR_FUNCTIONS(CardDb)

public:
    CardTrash(WalletSql &sql, CardTable &cards, CardWriter &writer, PurgeRecords &purged);

    bool trashCard(int id);
    bool restoreCard(int id);
    bool setTrashed(int id, bool trashed, const QDateTime &rowTime);
    bool purgeCard(int id);
    bool purgeTrashed();

private:
    // False, saying why, unless the row holds a card in the trash.
    bool isInTrash(int id);

    WalletSql &m_sql;
    CardTable &m_cards;
    CardWriter &m_writer;
    PurgeRecords &m_purged;
};
