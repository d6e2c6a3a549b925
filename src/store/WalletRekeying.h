#pragma once

#include "store/CardSealer.h"
#include "store/NewWalletOptions.h"
#include "store/WalletCredentials.h"
#include "store/WalletError.h"
#include "store/WalletFile.h"

#include <QByteArray>
#include <QCoreApplication>

#include <memory>

class WalletSql;

// An identity about to be written, with the sealer of its key.
struct WalletKeys
{
    WalletFile::Identity identity;
    std::unique_ptr<CardSealer> sealer;
};

// Giving a wallet new keys: those of a new wallet, and those that replace a wallet's keys when its
// password or key file changes or it converts to the other format.
class WalletRekeying
{
    // Translated as the store's messages.
    Q_DECLARE_TR_FUNCTIONS(CardDb)

public:
    WalletRekeying(WalletSql &sql, WalletFile &file);

    // Keys in the format of options under credentials; a version-2 wallet keeps keptInfo unless it is
    // empty. False, error saying why, when they cannot be made.
    static bool makeKeys(const NewWalletOptions &options, const WalletCredentials &credentials,
                         const QByteArray &keptInfo, WalletKeys *keys, WalletError *error);

    bool changeCredentials(const WalletCredentials &current, const WalletCredentials &next);
    bool convert(const NewWalletOptions &target, const WalletCredentials &credentials);

private:
    NewWalletOptions currentOptions() const;
    // Replaces the keys once current proves right, after the checks both changes share.
    bool rekey(const WalletCredentials &current, const NewWalletOptions &target, const WalletCredentials &next,
               const QByteArray &keptInfo);
    bool replaceKeys(WalletKeys keys);

    WalletSql &m_sql;
    WalletFile &m_file;
};
