#pragma once

#include "store/CardRow.h"

#include <QSet>
#include <QString>

class CardTable;
class PurgeRecords;
class WalletFile;
class WalletSql;

// Getting out of a wallet whatever can still be read, and writing it to a new file: a rescue of a
// damaged wallet, a saved copy or a backup.
class WalletRescue
{
public:
    WalletRescue(WalletSql &sql, const WalletFile &file, CardTable &cards, PurgeRecords &purged);

    CardReadout salvage();
    bool saveCopy(const QString &target, QVector<UnreadableCard> *leftOut);

private:
    void readRowsOneByOne(CardReadout &readout);
    void addRowsOnlyTheIndexKnows(CardReadout &readout, const QSet<int> &seen);
    bool copyInto(WalletSql &target, const CardReadout &readout);

    WalletSql &m_sql;
    const WalletFile &m_file;
    CardTable &m_cards;
    PurgeRecords &m_purged;
};
