#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>

// HMAC-based one-time codes (RFC 4226); a time-based code (RFC 6238) is the one for the number of
// periods since 1970.
class OneTimeCode
{
public:
    // The code for one counter value: `digits` decimal digits (1 to 9), leading zeros kept.
    static QString hotp(const QByteArray &key, quint64 counter, int digits,
                        QCryptographicHash::Algorithm algorithm = QCryptographicHash::Sha1);
};
