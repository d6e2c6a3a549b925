#pragma once

#include <QByteArray>

// The cipher and key that one wallet seals its card texts with. Each file format brings its own; the
// store seals and opens every card blob through this and knows nothing of the cryptography behind it.
class CardSealer
{
public:
    virtual ~CardSealer() = default;

    virtual QByteArray encrypt(const QByteArray &plain) const = 0;
    // Empty when the blob does not open under this key (wrong key, damaged or truncated data).
    virtual QByteArray decrypt(const QByteArray &cipherText) const = 0;
    // A copy of the key, so that copies of the wallet reopen without the password.
    virtual QByteArray key() const = 0;
};
