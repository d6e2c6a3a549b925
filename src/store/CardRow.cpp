#include "store/CardRow.h"

#include "model/SecretText.h"

#include "store/RowReader.h"

#include <QStringList>

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

CardBinding CardRow::bindingAt(const RowReader &row, int first)
{
    return {row.text(first), row.wholeSeconds(first + 1), row.integer(first + 2) != 0};
}

QString CardRow::decodedColumns()
{
    return QStringLiteral("ID, UUID, UpdateTime, Trashed, Data");
}

QString CardRow::selectedColumns()
{
    return decodedColumns() + QStringLiteral(", Title");
}

StoredCard CardRow::decode(const RowReader &row, const CardSealer &sealer, bool keepBlob)
{
    const QByteArray blob = row.blob(4);
    const CardBinding binding = bindingAt(row, 1);
    return {row.integer(0),
            binding.uuid,
            QDateTime::fromSecsSinceEpoch(binding.rowTime, Qt::UTC),
            binding.trashed,
            openCard(sealer, blob, binding),
            keepBlob ? blob : QByteArray()};
}

UnreadableCard CardRow::named(const RowReader &row)
{
    return {row.integer(0), row.text(5)};
}

QString CardRow::sealedColumns()
{
    return QStringLiteral("Data, UUID, UpdateTime, Trashed");
}

std::unique_ptr<Card> CardRow::openAt(const RowReader &row, const CardSealer &sealer, int first)
{
    return openCard(sealer, row.blob(first), bindingAt(row, first + 1));
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
    return hasSoundIdentity(row.uuid, row.card->uuid());
}

bool CardRow::hasSoundIdentity(const QString &rowUuid, QStringView textUuid)
{
    return !rowUuid.isEmpty() && textUuid == rowUuid;
}

uint CardRow::storedSeconds(const QDateTime &time)
{
    return uint(time.isValid() ? time.toSecsSinceEpoch() : 0);
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
