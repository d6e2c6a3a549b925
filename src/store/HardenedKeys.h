#pragma once

#include "store/CardSealer.h"
#include "store/HardenedInfo.h"
#include "store/LockedKey.h"
#include "store/WalletCredentials.h"
#include "store/WalletError.h"

#include <QCoreApplication>

#include <memory>

// How the credentials of a version-3 wallet become its card sealer: Argon2id over the password (and the
// key file) gives the wrapping key, which opens the master key sealed in Info.
class HardenedKeys
{
    Q_DECLARE_TR_FUNCTIONS(CardDb)

public:
    // A new master key, salt and nonce, sealed under the key of credentials. None when the key cannot
    // be derived (memory), error saying why.
    static std::unique_ptr<CardSealer> create(const WalletCredentials &credentials, const Argon2Settings &kdf,
                                              HardenedInfo *info, WalletError *error);
    // The wallet's sealer when the credentials are right; none otherwise, error saying why.
    static std::unique_ptr<CardSealer> unlock(const WalletCredentials &credentials, const HardenedInfo &info,
                                              WalletError *error);
    // With the key() of a sealer of the same Info; none when it does not open the master key.
    static std::unique_ptr<CardSealer> unlockWithKey(const QByteArray &key, const HardenedInfo &info);

private:
    // The bytes Argon2id runs over: the password's UTF-8 bytes, or with a key file the SHA-256 of those
    // followed by the SHA-256 of the key file.
    static LockedKey passwordInput(const WalletCredentials &credentials, bool withKeyFile);
    static LockedKey wrappingKey(const WalletCredentials &credentials, const HardenedInfo &info, WalletError *error);
    static LockedKey unwrap(const LockedKey &wrappingKey, const HardenedInfo &info);
};
