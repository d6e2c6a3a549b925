#pragma once

#include "model/Card.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <memory>
#include <optional>
#include <vector>

class WalletFile;
class WalletSql;

// The clear columns of one row and a mark of its card's version: enough to tell, without parsing the
// card, whether two copies of it differ. RowTime is in whole seconds, as stored.
struct CardHead
{
    int id = -1;
    QString uuid;
    qint64 rowTime = 0;
    bool trashed = false;
    QString title;
    QString templateType;
    int iconId = -1;
    // Equal for equal card texts: the encrypted text itself, or a digest of the card text (see VersionMark).
    QByteArray version;
};

// What a merge reads of one copy: the heads of every row first, then the cards of only the rows that
// differ from the other copy, so that a merge of two similar copies decrypts little. Failures come back
// as none, with the SQL side's lastError() saying why.
class MergeReads
{
public:
    // How cardHeads() marks each card's version. The encrypted text tells versions apart only between
    // version-2 wallets that share key and IV, as every card is encrypted from the same IV there.
    enum VersionMark { EncryptedText, TextDigest };

    MergeReads(WalletSql &sql, const WalletFile &file);

    std::optional<std::vector<CardHead>> cardHeads(VersionMark mark);
    std::optional<std::vector<std::unique_ptr<Card>>> cardsOfRows(const QVector<CardHead> &rows);

private:
    WalletSql &m_sql;
    const WalletFile &m_file;
};
