#pragma once

#include "store/CardSealer.h"

#include <QByteArray>
#include <QString>

#include <memory>

// How the password of a version-2 wallet becomes its card sealer: PBKDF2 over the password and the salt
// in Info gives the key, and the verifier in Hash tells the right key from a wrong one.
class CompatibleKeys
{
public:
    // The sealer of password under info, with the verifier to store as Hash; info gets new random bytes
    // when it comes in empty.
    static std::unique_ptr<CardSealer> create(const QString &password, QByteArray *info, QByteArray *hash);
    static QByteArray deriveKey(const QString &password, const QByteArray &info);
    // Whether key is the one whose verifier of info is hash, compared in constant time.
    static bool verifies(const QByteArray &key, const QByteArray &info, const QByteArray &hash);
    static std::unique_ptr<CardSealer> sealer(const QByteArray &key, const QByteArray &info);
};
