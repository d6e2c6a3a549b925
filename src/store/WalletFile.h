#pragma once

#include "store/CardSealer.h"
#include "store/PreparedStatement.h"
#include "store/WalletError.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <memory>

class WalletSql;

// The identity row of one wallet file and the key that opens its cards: written with a new wallet,
// read and checked when one opens, rewritten when the password changes. Only this part knows how a
// password becomes a key; the rest of the store seals and opens cards through sealer().
class WalletFile
{
    // Translated as the store's messages.
    Q_DECLARE_TR_FUNCTIONS(CardDb)

public:
    // What the Identity row holds besides its fixed values.
    struct Identity
    {
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
    static bool create(const QString &path, const QString &password, WalletError *error);
    // Makes the tables of a wallet on an empty file and writes its identity row.
    static bool writeTables(WalletSql &sql, const Identity &identity);
    // Whether the key has the size of the keys of this format.
    static bool fitsKey(const QByteArray &key);

    // Reads the identity after the checks of a probe, all on the store's connection.
    bool load();
    // Takes the key of the password or the key given, once it proves right.
    bool unlock(const QString &password);
    bool unlockWithKey(const QByteArray &key);
    bool checkPassword(const QString &password) const;
    bool changePassword(const QString &oldPassword, const QString &newPassword);

    const Identity &identity() const { return m_identity; }
    // The key's sealer; only once unlocked.
    const CardSealer &sealer() const { return *m_sealer; }
    QByteArray key() const { return m_sealer ? m_sealer->key() : QByteArray(); }
    // Same Info and the same verifier of it: the same key and IV.
    bool sharesCipherWith(const WalletFile &other) const;

private:
    PreparedStatement identityRow(const QString &columns);
    bool identityUnchanged();
    bool keyReadsACard(const CardSealer &sealer);
    std::unique_ptr<CardSealer> sealerOf(const QByteArray &key) const;

    WalletSql &m_sql;
    Identity m_identity;
    std::unique_ptr<CardSealer> m_sealer;
};
