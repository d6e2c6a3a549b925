#include "store/HardenedKeys.h"

#include "store/HardenedSealer.h"
#include "store/WalletFormat.h"

#include <sodium.h>

namespace {

using namespace WalletFormat::Hardened;

const unsigned char *bytesOf(const QByteArray &array)
{
    return reinterpret_cast<const unsigned char *>(array.constData());
}

void sha256Into(unsigned char *out, const QByteArray &data)
{
    crypto_hash_sha256(out, bytesOf(data), quint64(data.size()));
}

} // namespace

LockedKey HardenedKeys::passwordInput(const WalletCredentials &credentials, bool withKeyFile)
{
    QByteArray utf8 = credentials.password.toUtf8();
    LockedKey input(withKeyFile ? 2 * crypto_hash_sha256_BYTES : utf8.size());
    if (input.isValid()) {
        if (withKeyFile) {
            sha256Into(input.data(), utf8);
            sha256Into(input.data() + crypto_hash_sha256_BYTES, credentials.keyFile);
        } else {
            std::copy(utf8.cbegin(), utf8.cend(), input.data());
        }
    }
    sodium_memzero(utf8.data(), std::size_t(utf8.size()));
    return input;
}

LockedKey HardenedKeys::wrappingKey(const WalletCredentials &credentials, const HardenedInfo &info, WalletError *error)
{
    const LockedKey input = passwordInput(credentials, info.keyFileRequired);
    LockedKey key(keySize);
    if (input.isValid() && key.isValid()
        && crypto_pwhash(key.data(), keySize, reinterpret_cast<const char *>(input.data()), std::size_t(input.size()),
                         bytesOf(info.salt), info.kdf.iterations, std::size_t(info.kdf.memoryKiB) * 1024,
                         crypto_pwhash_ALG_ARGON2ID13)
            == 0)
        return key;
    *error = WalletError(WalletError::Unreadable,
                         tr("not enough memory to derive the key (%1 KiB)").arg(info.kdf.memoryKiB));
    return LockedKey();
}

LockedKey HardenedKeys::unwrap(const LockedKey &wrappingKey, const HardenedInfo &info)
{
    const QByteArray header = info.header();
    LockedKey master(keySize);
    if (master.isValid() && info.sealedKey.size() == keySize + tagSize
        && crypto_aead_xchacha20poly1305_ietf_decrypt(master.data(), nullptr, nullptr, bytesOf(info.sealedKey),
                                                      std::size_t(info.sealedKey.size()), bytesOf(header),
                                                      std::size_t(header.size()), bytesOf(info.nonce),
                                                      wrappingKey.data())
            == 0)
        return master;
    return LockedKey();
}

std::unique_ptr<CardSealer> HardenedKeys::create(const WalletCredentials &credentials, const Argon2Settings &kdf,
                                                 HardenedInfo *info, WalletError *error)
{
    info->keyFileRequired = !credentials.keyFile.isEmpty();
    info->kdf = kdf;
    info->salt = QByteArray(saltSize, Qt::Uninitialized);
    info->nonce = QByteArray(nonceSize, Qt::Uninitialized);
    if (LockedKey::libraryReady()) {
        randombytes_buf(info->salt.data(), saltSize);
        randombytes_buf(info->nonce.data(), nonceSize);
    }
    LockedKey wrapping = wrappingKey(credentials, *info, error);
    LockedKey master = LockedKey::random(keySize);
    if (!wrapping.isValid())
        return nullptr;
    if (!master.isValid()) {
        *error = WalletError(WalletError::WriteFailed, tr("no locked memory for the master key"));
        return nullptr;
    }
    const QByteArray header = info->header();
    info->sealedKey = QByteArray(keySize + tagSize, Qt::Uninitialized);
    crypto_aead_xchacha20poly1305_ietf_encrypt(reinterpret_cast<unsigned char *>(info->sealedKey.data()), nullptr,
                                               master.data(), keySize, bytesOf(header), std::size_t(header.size()),
                                               nullptr, bytesOf(info->nonce), wrapping.data());
    return std::make_unique<HardenedSealer>(std::move(master), std::move(wrapping));
}

std::unique_ptr<CardSealer> HardenedKeys::unlock(const WalletCredentials &credentials, const HardenedInfo &info,
                                                 WalletError *error)
{
    // A key file is part of the key exactly when the wallet says so.
    if (info.keyFileRequired == credentials.keyFile.isEmpty()) {
        *error = WalletError::wrongCredentials(true);
        return nullptr;
    }
    LockedKey wrapping = wrappingKey(credentials, info, error);
    if (!wrapping.isValid())
        return nullptr;
    LockedKey master = unwrap(wrapping, info);
    if (!master.isValid()) {
        *error = WalletError::wrongCredentials(info.keyFileRequired);
        return nullptr;
    }
    return std::make_unique<HardenedSealer>(std::move(master), std::move(wrapping));
}

std::unique_ptr<CardSealer> HardenedKeys::unlockWithKey(const QByteArray &key, const HardenedInfo &info)
{
    LockedKey wrapping = LockedKey::copyOf(key);
    if (key.size() != keySize || !wrapping.isValid())
        return nullptr;
    LockedKey master = unwrap(wrapping, info);
    if (!master.isValid())
        return nullptr;
    return std::make_unique<HardenedSealer>(std::move(master), std::move(wrapping));
}
