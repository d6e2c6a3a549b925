#pragma once

#include "store/CardSealer.h"

#include <QByteArray>
#include <QString>

#include <memory>

// AES-128-CBC with PKCS#7 padding (OpenSSL) under one key and one IV for every card of a wallet (the card sealer
// of a version-2 file), plus the key derivation and digests that format is built on. Used by one
// thread at a time.
class CardCipher : public CardSealer
{
public:
    static constexpr int keySize = 16;
    static constexpr int ivSize = 16;
    static constexpr int keyIterations = 2048;

    CardCipher(const QString &password, const QByteArray &salt, const QByteArray &iv);
    CardCipher(const QByteArray &key, const QByteArray &iv);
    ~CardCipher() override;
    CardCipher(const CardCipher &) = delete;
    CardCipher &operator=(const CardCipher &) = delete;

    // Every call starts afresh from the IV, so equal plaintexts give equal ciphertexts.
    QByteArray encrypt(const QByteArray &plain) const;
    // Empty when the padding does not check out (wrong key, damaged or truncated data).
    QByteArray decrypt(const QByteArray &cipherText) const;
    // The seal of a version-2 card is its encrypted text alone: the row is not part of it.
    QByteArray seal(const QByteArray &plain, const CardBinding &) const override { return encrypt(plain); }
    QByteArray open(const QByteArray &blob, const CardBinding &) const override { return decrypt(blob); }
    // A copy of its own: the cipher wipes its key when it goes.
    QByteArray key() const override { return QByteArray(m_key.constData(), m_key.size()); }
    bool bindsRowState() const override { return false; }

    // The first 16 bytes of PBKDF2-HMAC-SHA256 over the password's UTF-8 bytes, 2048 iterations.
    static QByteArray deriveKey(const QString &password, const QByteArray &salt);
    // One 32-byte block of PBKDF2 (RFC 2898) with HMAC-SHA256.
    static QByteArray pbkdf2Sha256(const QByteArray &password, const QByteArray &salt, int iterations);
    // Empty when no provider offers SHA-256.
    static QByteArray sha256Digest(const QByteArray &data);
    // The wallet's password verifier: SHA-256 of the check block encrypted under the key.
    static QByteArray passwordVerifier(const QByteArray &key, const QByteArray &checkBlock, const QByteArray &iv);
    // True when the crypto provider offers everything a wallet needs.
    static bool isAvailable();
    // Overwrites key material before it is freed.
    static void wipe(QByteArray &bytes);

private:
    struct Contexts;

    QByteArray m_key;
    std::unique_ptr<Contexts> m_contexts;
};
