#pragma once

#include "import/ImportEntry.h"

#include <QMap>
#include <QString>

// The one-time code settings of a KeePass entry, kept in custom strings by either of two conventions:
// one `otp` string holding an otpauth:// URI (KeePassXC), or `TimeOtp-*` strings holding the secret
// and its settings one by one (KeePass 2.47 and later). Both end up as one otpauth://totp/ URI.
class KeePassOtp
{
public:
    static bool isOtpKey(const QString &key);

    void take(const QString &key, const QString &value, bool sensitive);
    // Gives the entry the URI of its one-time code, named after its title. An `otp` string wins and is
    // kept as written; settings that make no valid code (a length of 10, say) are kept in the URI too,
    // so that the card shows them. What cannot go into a URI exactly (a secret that is not Base32, hex
    // or Base64 as its name says, a length that is no number, an unknown algorithm, or `TimeOtp-*`
    // strings beside an `otp` one) stays as the strings were, as extra fields: no secret is lost or
    // turned into another one.
    void moveInto(ImportEntry &entry) const;
    void clear() { m_strings.clear(); }

private:
    // The URI the TimeOtp strings make, or none when they do not make one exactly.
    QString timeOtpUri(const QString &title) const;

    QMap<QString, ImportField> m_strings;
};
