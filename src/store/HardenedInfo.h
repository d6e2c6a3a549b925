#pragma once

#include "store/NewWalletOptions.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

// The Info column of a version-3 wallet, field by field: how the key is derived and the master key
// sealed under it. Reading it checks every setting against what this program supports, before anything
// is derived or allocated.
struct HardenedInfo
{
    Q_DECLARE_TR_FUNCTIONS(CardDb)

public:
    bool keyFileRequired = false;
    Argon2Settings kdf;
    QByteArray salt;
    QByteArray nonce;
    QByteArray sealedKey;

    // None, with the reason, when info is not such a column or asks for settings out of bounds.
    static std::optional<HardenedInfo> parse(const QByteArray &info, QString *reason = nullptr);
    // Bytes 0–55, which the seal of the master key authenticates.
    QByteArray header() const;
    QByteArray bytes() const { return header() + sealedKey; }
};
