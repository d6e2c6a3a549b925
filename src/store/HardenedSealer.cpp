#include "store/HardenedSealer.h"

#include "store/WalletFormat.h"

#include <QtEndian>

#include <sodium.h>

#include <cstring>

HardenedSealer::HardenedSealer(LockedKey masterKey, LockedKey wrappingKey)
    : m_masterKey(std::move(masterKey))
    , m_wrappingKey(std::move(wrappingKey))
{
}

QByteArray HardenedSealer::additionalData(const CardBinding &row)
{
    // Sized once: every card of a large wallet passes here when its list is read.
    const QByteArray uuid = row.uuid.toUtf8();
    constexpr int magicSize = WalletFormat::Hardened::magicSize;
    QByteArray data(magicSize + uuid.size() + 9, Qt::Uninitialized);
    char *out = data.data();
    std::memcpy(out, WalletFormat::Hardened::magic, magicSize);
    std::memcpy(out + magicSize, uuid.constData(), size_t(uuid.size()));
    qToLittleEndian(row.rowTime, out + magicSize + uuid.size());
    out[data.size() - 1] = char(row.trashed ? 1 : 0);
    return data;
}

QByteArray HardenedSealer::seal(const QByteArray &plain, const CardBinding &row) const
{
    const QByteArray extra = additionalData(row);
    QByteArray blob(nonceSize + plain.size() + tagSize, Qt::Uninitialized);
    auto *out = reinterpret_cast<unsigned char *>(blob.data());
    randombytes_buf(out, nonceSize);
    crypto_aead_xchacha20poly1305_ietf_encrypt(
        out + nonceSize, nullptr, reinterpret_cast<const unsigned char *>(plain.constData()), std::size_t(plain.size()),
        reinterpret_cast<const unsigned char *>(extra.constData()), std::size_t(extra.size()), nullptr, out,
        m_masterKey.data());
    return blob;
}

QByteArray HardenedSealer::open(const QByteArray &blob, const CardBinding &row) const
{
    if (blob.size() <= nonceSize + tagSize)
        return QByteArray();
    const QByteArray extra = additionalData(row);
    const auto *in = reinterpret_cast<const unsigned char *>(blob.constData());
    QByteArray plain(blob.size() - nonceSize - tagSize, Qt::Uninitialized);
    const int opened = crypto_aead_xchacha20poly1305_ietf_decrypt(
        reinterpret_cast<unsigned char *>(plain.data()), nullptr, nullptr, in + nonceSize,
        std::size_t(blob.size() - nonceSize), reinterpret_cast<const unsigned char *>(extra.constData()),
        std::size_t(extra.size()), in, m_masterKey.data());
    return opened == 0 ? plain : QByteArray();
}
