#pragma once

#include "store/CardSealer.h"
#include "store/NewWalletOptions.h"
#include "store/PreparedStatement.h"
#include "store/WalletCredentials.h"
#include "store/WalletError.h"
#include "store/WalletFormat.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <memory>

struct WalletKeys;
class WalletSql;

// What a wallet file says of its format and key without its password.
struct WalletInfo
{
    int format = 0; // 2 or 3
    QString kdf; // "pbkdf2-sha256" or "argon2id"
    quint32 iterations = 0;
    quint32 memoryMiB = 0; // version 3 only
    bool keyFileRequired = false;
    int cards = 0; // live cards
};

// The identity row of one wallet file and the key that opens its cards: written with a new wallet,
// read and checked when one opens, replaced by WalletRekeying when the credentials or the format change.
// Only these parts know how a password becomes a key; the rest of the store seals and opens cards
// through sealer().
class WalletFile
{
    // Translated as the store's messages.
    Q_DECLARE_TR_FUNCTIONS(CardDb)

public:
    // What the Identity row holds besides its fixed values.
    struct Identity
    {
        int version = WalletFormat::compatibleVersion;
        QString syncUuid;
        QByteArray hash;
        QByteArray info;
    };

    explicit WalletFile(WalletSql &sql);
    ~WalletFile();
    WalletFile(const WalletFile &) = delete;
    WalletFile &operator=(const WalletFile &) = delete;

    // Why the file at path cannot be opened, found before any connection is made to it.
    static WalletError problemBeforeOpening(const QString &path);
    // Makes a new empty wallet at path (see CardDb::create).
    static bool create(const QString &path, const WalletCredentials &credentials, const NewWalletOptions &options,
                       WalletError *error);
    // Makes the tables of a wallet on an empty file and writes its identity row.
    static bool writeTables(WalletSql &sql, const Identity &identity);

    // Reads the identity after the checks of a probe, all on the store's connection.
    bool load();
    // Takes the key of the credentials or the key given, once it proves right.
    bool unlock(const WalletCredentials &credentials);
    bool unlockWithKey(const QByteArray &key);
    bool checkCredentials(const WalletCredentials &credentials) const;
    // The error for credentials that do not open this wallet.
    WalletError wrongCredentials(const WalletCredentials &given) const;
    // The format and key settings; cards are left to the caller.
    WalletInfo describe() const;

    const Identity &identity() const { return m_identity; }
    // Version 3 keeps nothing of a card in the clear columns (Title, Type, IconID stay blank).
    bool hidesCardHeads() const { return m_identity.version == WalletFormat::hardenedVersion; }
    // The key's sealer; only once unlocked.
    const CardSealer &sealer() const { return *m_sealer; }
    QByteArray key() const { return m_sealer ? m_sealer->key() : QByteArray(); }
    // Version 2 with the same Info and the same verifier of it: the same key and IV, so that equal
    // card texts are equal blobs.
    bool sharesCipherWith(const WalletFile &other) const;

private:
    // Only the re-keying replaces the keys, once the file holds the new ones.
    friend class WalletRekeying;

    void adoptKeys(WalletKeys &&keys);
    std::unique_ptr<CardSealer> unlockCompatible(const WalletCredentials &credentials);
    PreparedStatement identityRow(const QString &columns);
    bool identityUnchanged();
    bool keyReadsACard(const CardSealer &sealer);

    WalletSql &m_sql;
    Identity m_identity;
    std::unique_ptr<CardSealer> m_sealer;
};
