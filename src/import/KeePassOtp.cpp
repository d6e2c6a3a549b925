#include "import/KeePassOtp.h"

#include "otp/Base32.h"
#include "otp/TotpSetup.h"

namespace {

const QString otpKey = QStringLiteral("otp");
const QLatin1String timeOtpPrefix("TimeOtp-");

// KeePass offers the secret in four encodings, one string each.
QByteArray timeOtpSecret(const QMap<QString, QString> &strings)
{
    const QString base32 = strings.value(QStringLiteral("TimeOtp-Secret-Base32"));
    if (!base32.isEmpty())
        return Base32::decode(base32).value_or(QByteArray());
    const QString hex = strings.value(QStringLiteral("TimeOtp-Secret-Hex"));
    if (!hex.isEmpty())
        return QByteArray::fromHex(hex.toLatin1());
    const QString base64 = strings.value(QStringLiteral("TimeOtp-Secret-Base64"));
    if (!base64.isEmpty())
        return QByteArray::fromBase64(base64.toLatin1());
    return strings.value(QStringLiteral("TimeOtp-Secret")).toUtf8();
}

int number(const QString &text, int absent)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return text.isEmpty() ? absent : ok ? value : 0;
}

} // namespace

bool KeePassOtp::isOtpKey(const QString &key)
{
    return key == otpKey || key.startsWith(timeOtpPrefix);
}

void KeePassOtp::take(const QString &key, const QString &value)
{
    m_strings.insert(key, value.trimmed());
}

QString KeePassOtp::uri(const QString &title) const
{
    const QString otp = m_strings.value(otpKey);
    if (!otp.isEmpty())
        return otp;
    TotpSetup setup;
    setup.key = timeOtpSecret(m_strings);
    if (setup.key.isEmpty())
        return QString();
    setup.account = title;
    setup.digits = number(m_strings.value(QStringLiteral("TimeOtp-Length")), setup.digits);
    setup.period = number(m_strings.value(QStringLiteral("TimeOtp-Period")), setup.period);
    const QString algorithm = m_strings.value(QStringLiteral("TimeOtp-Algorithm"));
    if (algorithm == QLatin1String("HMAC-SHA-256"))
        setup.algorithm = QCryptographicHash::Sha256;
    else if (algorithm == QLatin1String("HMAC-SHA-512"))
        setup.algorithm = QCryptographicHash::Sha512;
    return setup.toUri();
}
