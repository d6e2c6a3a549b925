#include "store/WalletRekeying.h"

#include "model/Card.h"
#include "model/SecretText.h"
#include "store/CardCipher.h"
#include "store/CardRow.h"
#include "store/CompatibleKeys.h"
#include "store/HardenedInfo.h"
#include "store/HardenedKeys.h"
#include "store/RowReader.h"
#include "store/WalletSql.h"

#include <QVector>

namespace {

// A card's text on its way from one key to another, byte for byte.
struct Resealed
{
    int id = -1;
    CardBinding row;
    QByteArray text;
    QString title;
    QString templateType;
    int iconId = 0;
};

} // namespace

WalletRekeying::WalletRekeying(WalletSql &sql, WalletFile &file)
    : m_sql(sql)
    , m_file(file)
{
}

bool WalletRekeying::makeKeys(const NewWalletOptions &options, const WalletCredentials &credentials,
                              const QByteArray &keptInfo, WalletKeys *keys, WalletError *error)
{
    if (options.format == NewWalletOptions::Hardened) {
        HardenedInfo info;
        keys->sealer = HardenedKeys::create(credentials, options.kdf, &info, error);
        keys->identity.version = WalletFormat::hardenedVersion;
        keys->identity.info = info.bytes();
        keys->identity.hash = CardCipher::sha256Digest(keys->identity.info);
        return keys->sealer != nullptr;
    }
    if (!credentials.keyFile.isEmpty()) {
        *error
            = WalletError(WalletError::WriteFailed,
                          tr("a wallet of version %1 cannot require a key file").arg(WalletFormat::compatibleVersion));
        return false;
    }
    keys->identity.version = WalletFormat::compatibleVersion;
    keys->identity.info = keptInfo;
    keys->sealer = CompatibleKeys::create(credentials.password, &keys->identity.info, &keys->identity.hash);
    return true;
}

NewWalletOptions WalletRekeying::currentOptions() const
{
    const WalletFile::Identity &identity = m_file.identity();
    if (identity.version != WalletFormat::hardenedVersion)
        return {NewWalletOptions::Compatible, {}};
    return {NewWalletOptions::Hardened, HardenedInfo::parse(identity.info)->kdf};
}

bool WalletRekeying::changeCredentials(const WalletCredentials &current, const WalletCredentials &next)
{
    // Version 2 keeps its Info; version 3 gets a new salt, nonce and master key with the same settings.
    const WalletFile::Identity &identity = m_file.identity();
    const QByteArray keptInfo = identity.version == WalletFormat::hardenedVersion ? QByteArray() : identity.info;
    return rekey(current, currentOptions(), next, keptInfo);
}

bool WalletRekeying::convert(const NewWalletOptions &target, const WalletCredentials &credentials)
{
    return rekey(credentials, target, credentials, QByteArray());
}

bool WalletRekeying::rekey(const WalletCredentials &current, const NewWalletOptions &target,
                           const WalletCredentials &next, const QByteArray &keptInfo)
{
    if (m_sql.connections().isReadOnly())
        return m_sql.fail(WalletError(WalletError::ReadOnly));
    if (!m_file.checkCredentials(current))
        return m_sql.fail(m_file.wrongCredentials(current));
    WalletKeys keys;
    WalletError error;
    if (!makeKeys(target, next, keptInfo, &keys, &error))
        return m_sql.fail(error);
    return replaceKeys(std::move(keys));
}

// Every card passes from the old key to the new one in one transaction, so the file opens at every
// instant with exactly one of the two. Each card's text is only parsed to make sure it is a card, since
// a blob the old key cannot read would be lost under the new one; row state and purge records stay.
bool WalletRekeying::replaceKeys(WalletKeys keys)
{
    CardDbTransaction transaction(m_sql);
    if (!transaction.isActive())
        return false;
    QVector<Resealed> cards;
    QVector<UnreadableCard> unreadable;
    {
        RowReader rows(m_sql, QStringLiteral("SELECT %1 FROM Cards").arg(CardRow::selectedColumns()));
        if (!rows)
            return false;
        while (rows.next()) {
            const CardBinding row = CardRow::bindingAt(rows, 1);
            const QByteArray text = m_file.sealer().open(rows.blobInPlace(4), row);
            Card card;
            if (card.fromData(text))
                cards.append({rows.integer(0), row, text, card.title(), card.templateType(), card.iconId()});
            else
                unreadable.append(CardRow::named(rows));
        }
        if (rows.failed())
            return false;
    }
    if (!unreadable.isEmpty())
        return m_sql.fail(CardRow::unreadableCards(unreadable));
    const bool hideHeads = keys.identity.version == WalletFormat::hardenedVersion;
    bool written = true;
    for (Resealed &card : cards) {
        written = written
            && m_sql.write(QStringLiteral("UPDATE Cards SET Data = ?, Title = ?, Type = ?, IconID = ? WHERE ID = ?"),
                           {keys.sealer->seal(card.text, card.row), hideHeads ? QStringLiteral("") : card.title,
                            hideHeads ? QStringLiteral("") : card.templateType, hideHeads ? 0 : card.iconId, card.id});
        SecretText::wipe(card.text);
    }
    if (!written
        || !m_sql.write(QStringLiteral("UPDATE Identity SET Version = ?, Hash = ?, Info = ? WHERE ID = 1"),
                        {keys.identity.version, keys.identity.hash, keys.identity.info})
        || !transaction.commit())
        return false;
    m_file.adoptKeys(std::move(keys));
    return true;
}
