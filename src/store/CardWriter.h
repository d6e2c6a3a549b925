#pragma once

#include "model/Card.h"

#include <QDateTime>
#include <QVariant>

class WalletFile;
class WalletSql;

// Writing cards into the Cards table, each text sealed with the wallet's key to the row state it is
// written with. Failures come back as false, with the SQL side's lastError() saying why.
class CardWriter
{
public:
    CardWriter(WalletSql &sql, const WalletFile &file);

    bool addCard(const Card &card);
    bool updateCard(int id, const Card &card);
    bool putCard(int id, const Card &card, bool trashed, const QDateTime &rowTime);
    // Moves a row into the trash or out of it, stamped with rowTime in whole seconds; the card text stays
    // as it is. With mustExist, a missing row fails as CardGone.
    bool setRowState(int id, bool trashed, qint64 rowTime, bool mustExist);
    bool deleteAllCards();

private:
    // The values of a row holding card, its text sealed to that row.
    QVariantList sealedValues(const Card &card, bool trashed, const QDateTime &rowTime) const;

    WalletSql &m_sql;
    const WalletFile &m_file;
};
