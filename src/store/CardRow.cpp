#include "store/CardRow.h"

#include "model/SecretText.h"

#include <QSqlQuery>
#include <QStringList>

#include <cmath>

namespace {

// The columns every write of a card binds, in the order of CardRow::values().
const QStringList writtenColumns{QStringLiteral("Title"),      QStringLiteral("Type"), QStringLiteral("IconID"),
                                 QStringLiteral("UpdateTime"), QStringLiteral("UUID"), QStringLiteral("Data"),
                                 QStringLiteral("Trashed")};

} // namespace

QString CardRow::insertSql(bool withId)
{
    // Made once: a bulk write inserts row after row.
    const auto statement = [](const QStringList &columns) {
        return QStringLiteral("INSERT INTO Cards (%1) VALUES (%2)")
            .arg(columns.join(QStringLiteral(", ")), QStringLiteral("?, ").repeated(columns.size()).chopped(2));
    };
    static const QString withoutIdSql = statement(writtenColumns);
    static const QString withIdSql = statement(writtenColumns + QStringList{QStringLiteral("ID")});
    return withId ? withIdSql : withoutIdSql;
}

QString CardRow::updateSql(const QString &condition)
{
    return QStringLiteral("UPDATE Cards SET %1 = ? WHERE %2")
        .arg(writtenColumns.join(QStringLiteral(" = ?, ")), condition);
}

QVariantList CardRow::values(const Card &card, bool hideHead, const QString &uuid, const QByteArray &blob, bool trashed,
                             const QDateTime &rowTime)
{
    // Blank, not NULL: the columns hold empty text.
    const QString blank = QStringLiteral("");
    return {hideHead ? blank : card.title(),
            hideHead ? blank : card.templateType(),
            hideHead ? 0 : card.iconId(),
            storedSeconds(rowTime),
            uuid,
            blob,
            trashed ? 1 : 0};
}

CardBinding CardRow::bindingFor(const QString &uuid, bool trashed, const QDateTime &rowTime)
{
    return {uuid, qint64(storedSeconds(rowTime)), trashed};
}

CardBinding CardRow::bindingAt(const QSqlQuery &row, int first)
{
    return {row.value(first).toString(), wholeSeconds(row.value(first + 1)), row.value(first + 2).toInt() != 0};
}

QString CardRow::decodedColumns()
{
    return QStringLiteral("ID, UUID, UpdateTime, Trashed, Data");
}

QString CardRow::selectedColumns()
{
    return decodedColumns() + QStringLiteral(", Title");
}

StoredCard CardRow::decode(const QSqlQuery &row, const CardSealer &sealer, bool keepBlob)
{
    const QByteArray blob = row.value(4).toByteArray();
    return {row.value(0).toInt(),
            row.value(1).toString(),
            QDateTime::fromSecsSinceEpoch(wholeSeconds(row.value(2)), Qt::UTC),
            row.value(3).toInt() != 0,
            openCard(sealer, blob, bindingAt(row, 1)),
            keepBlob ? blob : QByteArray()};
}

UnreadableCard CardRow::named(const QSqlQuery &row)
{
    return {row.value(0).toInt(), row.value(5).toString()};
}

QString CardRow::sealedColumns()
{
    return QStringLiteral("Data, UUID, UpdateTime, Trashed");
}

std::unique_ptr<Card> CardRow::openAt(const QSqlQuery &row, const CardSealer &sealer, int first)
{
    return openCard(sealer, row.value(first).toByteArray(), bindingAt(row, first + 1));
}

std::unique_ptr<Card> CardRow::openCard(const CardSealer &sealer, const QByteArray &blob, const CardBinding &row)
{
    auto card = std::make_unique<Card>();
    QByteArray text = sealer.open(blob, row);
    const bool read = card->fromData(text);
    SecretText::wipe(text);
    return read ? std::move(card) : nullptr;
}

bool CardRow::hasSoundIdentity(const StoredCard &row)
{
    return !row.uuid.isEmpty() && row.card->uuid() == row.uuid;
}

uint CardRow::storedSeconds(const QDateTime &time)
{
    return uint(time.isValid() ? time.toSecsSinceEpoch() : 0);
}

qint64 CardRow::wholeSeconds(const QVariant &column)
{
    return qint64(std::trunc(column.toDouble()));
}

WalletError CardRow::unreadableCards(const QVector<UnreadableCard> &cards)
{
    return WalletError(WalletError::Damaged, tr("these cards cannot be read: %1").arg(namesOf(cards)));
}

QString CardRow::namesOf(const QVector<UnreadableCard> &cards)
{
    QStringList names;
    for (const UnreadableCard &card : cards)
        names.append(card.title.isEmpty() ? QStringLiteral("#%1").arg(card.id)
                                          : QStringLiteral("#%1 \"%2\"").arg(card.id).arg(card.title));
    return names.join(QStringLiteral(", "));
}
