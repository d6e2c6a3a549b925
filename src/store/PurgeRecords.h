#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

class WalletSql;

// The identities of the cards deleted for ever, with the time of deletion in seconds since 1970 UTC,
// so that a merge with a copy that still has such a card does not bring it back live. The phone
// application reads only Identity and Cards and never sees their table; a wallet gets it with its first
// deletion for ever.
class PurgeRecords
{
public:
    explicit PurgeRecords(WalletSql &sql);

    std::optional<QHash<QString, qint64>> purgedCards();
    // Records the cards of the rows that match condition as deleted now, then deletes those rows.
    bool purgeRows(const QString &condition, const QVariantList &values);
    // A later time wins.
    bool recordPurged(const QHash<QString, qint64> &purged);
    bool forgetPurged(const QStringList &uuids);

private:
    bool createTable();

    WalletSql &m_sql;
};
