#pragma once

#include <QMap>
#include <QString>

// The one-time code settings of a KeePass entry, kept in custom strings by either of two conventions:
// one `otp` string holding an otpauth:// URI (KeePassXC), or `TimeOtp-*` strings holding the secret
// and its settings one by one (KeePass 2.47 and later). Both end up as one otpauth://totp/ URI.
class KeePassOtp
{
public:
    static bool isOtpKey(const QString &key);

    void take(const QString &key, const QString &value);
    // The URI for the entry's one-time code, named after its title; empty when it has none. An `otp`
    // string wins and is kept as written; settings that make no valid code (a length of 10, say) are
    // kept too, so that the card shows them to the user rather than losing them.
    QString uri(const QString &title) const;
    void clear() { m_strings.clear(); }

private:
    QMap<QString, QString> m_strings;
};
