#pragma once

#include "store/CardSealer.h"
#include "store/LockedKey.h"

// XChaCha20-Poly1305 under a wallet's master key, each card with a random nonce of its own and bound to
// its row (the card sealer of a version-3 file). Holds the key that wraps the master key as well, as
// the key that reopens copies of the wallet. Both stay in locked memory and are wiped with the sealer.
class HardenedSealer : public CardSealer
{
public:
    static constexpr int nonceSize = 24;
    static constexpr int tagSize = 16;

    HardenedSealer(LockedKey masterKey, LockedKey wrappingKey);

    QByteArray seal(const QByteArray &plain, const CardBinding &row) const override;
    QByteArray open(const QByteArray &blob, const CardBinding &row) const override;
    QByteArray key() const override { return m_wrappingKey.toByteArray(); }
    bool bindsRowState() const override { return true; }

    // What each blob authenticates besides its text: the format's magic, the uuid's bytes, the time as
    // a little-endian int64 and the trash flag as one byte.
    static QByteArray additionalData(const CardBinding &row);

private:
    LockedKey m_masterKey;
    LockedKey m_wrappingKey;
};
