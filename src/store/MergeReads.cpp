#include "store/MergeReads.h"

#include "model/SecretText.h"
#include "store/CardRow.h"
#include "store/LockedKey.h"
#include "store/RowReader.h"
#include "store/WalletFile.h"
#include "store/WalletSql.h"

#include <sodium.h>

#include <array>
#include <unordered_map>

namespace {

// Marks compare only within this process, between two copies read side by side: a keyed 128-bit SipHash
// under a key of the process, which keeps marks unforgeable and costs a fraction of a cryptographic hash.
QByteArray digestOf(const QByteArray &text)
{
    static const auto key = [] {
        std::array<unsigned char, crypto_shorthash_siphashx24_KEYBYTES> bytes{};
        if (LockedKey::libraryReady())
            randombytes_buf(bytes.data(), bytes.size());
        return bytes;
    }();
    QByteArray digest(crypto_shorthash_siphashx24_BYTES, Qt::Uninitialized);
    crypto_shorthash_siphashx24(reinterpret_cast<unsigned char *>(digest.data()),
                                reinterpret_cast<const unsigned char *>(text.constData()),
                                static_cast<unsigned long long>(text.size()), key.data());
    return digest;
}

} // namespace

MergeReads::MergeReads(WalletSql &sql, const WalletFile &file)
    : m_sql(sql)
    , m_file(file)
{
}

std::optional<std::vector<CardHead>> MergeReads::cardHeads(VersionMark mark)
{
    const WalletSql::ReadSnapshot snapshot(m_sql);
    if (!snapshot.isValid())
        return std::nullopt;
    RowReader rows(
        m_sql,
        QStringLiteral("SELECT ID, UUID, UpdateTime, Trashed, Title, Type, IconID, Data FROM Cards ORDER BY ID"));
    if (!rows)
        return std::nullopt;
    std::vector<CardHead> heads;
    while (rows.next()) {
        // A digest, not the text, so that no secrets stay behind in the heads; a blob that does not
        // decrypt stays its own mark, which equals no other copy's.
        CardHead head{rows.integer(0), rows.text(1), rows.wholeSeconds(2), rows.integer(3) != 0,
                      rows.text(4),    rows.text(5), rows.integer(6),      rows.blob(7)};
        if (mark == TextDigest) {
            QByteArray text = m_file.sealer().open(head.version, {head.uuid, head.rowTime, head.trashed});
            if (!text.isEmpty())
                head.version = digestOf(text);
            // Blank clear columns take the card's head, so that they compare with another format's.
            if (m_file.hidesCardHeads()) {
                if (Card card; card.fromData(text)) {
                    head.title = card.title();
                    head.templateType = card.templateType();
                    head.iconId = card.iconId();
                }
            }
            SecretText::wipe(text);
        }
        heads.push_back(std::move(head));
    }
    if (rows.failed())
        return std::nullopt;
    return heads;
}

std::optional<std::vector<std::unique_ptr<Card>>> MergeReads::cardsOfRows(const QVector<CardHead> &rows)
{
    const WalletSql::ReadSnapshot snapshot(m_sql);
    if (!snapshot.isValid())
        return std::nullopt;
    // The rows in batches of one statement each rather than one statement per row; the last batch is
    // filled up with an id no row has.
    constexpr int batch = 256;
    static const QString select = QStringLiteral("SELECT ID, %1 FROM Cards WHERE ID IN (%2)")
                                      .arg(CardRow::sealedColumns(), QStringLiteral("?, ").repeated(batch).chopped(2));
    std::unordered_map<int, std::unique_ptr<Card>> byId;
    byId.reserve(std::size_t(rows.size()));
    for (int first = 0; first < rows.size(); first += batch) {
        QVariantList ids;
        ids.reserve(batch);
        for (int i = first; i < first + batch; ++i)
            ids.append(i < rows.size() ? rows.at(i).id : -1);
        RowReader rows(m_sql, select, ids);
        if (!rows)
            return std::nullopt;
        while (rows.next())
            byId[rows.integer(0)] = CardRow::openAt(rows, m_file.sealer(), 1);
        if (rows.failed())
            return std::nullopt;
    }
    std::vector<std::unique_ptr<Card>> cards;
    cards.reserve(std::size_t(rows.size()));
    QVector<UnreadableCard> unreadable;
    for (const CardHead &row : rows) {
        const auto found = byId.find(row.id);
        std::unique_ptr<Card> card = found != byId.end() ? std::move(found->second) : nullptr;
        if (!card || row.uuid.isEmpty() || card->uuid() != row.uuid)
            unreadable.append({row.id, row.title});
        cards.push_back(std::move(card));
    }
    if (!unreadable.isEmpty()) {
        m_sql.fail(CardRow::unreadableCards(unreadable));
        return std::nullopt;
    }
    return cards;
}
