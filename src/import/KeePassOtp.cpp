#include "import/KeePassOtp.h"

#include "otp/Base32.h"
#include "otp/TotpSetup.h"

#include <QRegularExpression>

#include <optional>

namespace {

const QString otpKey = QStringLiteral("otp");
const QLatin1String timeOtpPrefix("TimeOtp-");

// Pairs of hex digits, blanks anywhere.
std::optional<QByteArray> fromHex(QString text)
{
    static const QRegularExpression pairs(QStringLiteral("^([0-9A-Fa-f]{2})*$"));
    text.remove(QLatin1Char(' '));
    return pairs.match(text).hasMatch() ? std::make_optional(QByteArray::fromHex(text.toLatin1())) : std::nullopt;
}

std::optional<QByteArray> fromBase64(const QString &text)
{
    const auto decoded = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? std::make_optional(*decoded) : std::nullopt;
}

// KeePass offers the secret in four encodings, one string each; none when the first one given does
// not decode as its name says.
std::optional<QByteArray> timeOtpSecret(const QMap<QString, ImportField> &strings)
{
    const QString base32 = strings.value(QStringLiteral("TimeOtp-Secret-Base32")).value;
    if (!base32.isEmpty())
        return Base32::decode(base32);
    const QString hex = strings.value(QStringLiteral("TimeOtp-Secret-Hex")).value;
    if (!hex.isEmpty())
        return fromHex(hex);
    const QString base64 = strings.value(QStringLiteral("TimeOtp-Secret-Base64")).value;
    if (!base64.isEmpty())
        return fromBase64(base64);
    return strings.value(QStringLiteral("TimeOtp-Secret")).value.toUtf8();
}

// The number a setting holds, the default when it is absent; none when it is no whole number.
std::optional<int> number(const QString &text, int absent)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return text.isEmpty() ? absent : ok ? std::make_optional(value) : std::nullopt;
}

std::optional<QCryptographicHash::Algorithm> algorithmNamed(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String("HMAC-SHA-1"))
        return QCryptographicHash::Sha1;
    if (name == QLatin1String("HMAC-SHA-256"))
        return QCryptographicHash::Sha256;
    if (name == QLatin1String("HMAC-SHA-512"))
        return QCryptographicHash::Sha512;
    return std::nullopt;
}

} // namespace

bool KeePassOtp::isOtpKey(const QString &key)
{
    return key == otpKey || key.startsWith(timeOtpPrefix);
}

void KeePassOtp::take(const QString &key, const QString &value, bool sensitive)
{
    m_strings.insert(key, {key, value.trimmed(), sensitive || key.contains(QLatin1String("Secret"))});
}

void KeePassOtp::moveInto(ImportEntry &entry) const
{
    const QString otp = m_strings.value(otpKey).value;
    entry.otp = otp.isEmpty() ? timeOtpUri(entry.title) : otp;
    const bool keepTimeOtp = !otp.isEmpty() || entry.otp.isEmpty();
    for (const ImportField &string : m_strings) {
        if (keepTimeOtp && string.label != otpKey)
            entry.extraFields.append(string);
    }
}

QString KeePassOtp::timeOtpUri(const QString &title) const
{
    const auto secret = timeOtpSecret(m_strings);
    const auto digits = number(m_strings.value(QStringLiteral("TimeOtp-Length")).value, 6);
    const auto period = number(m_strings.value(QStringLiteral("TimeOtp-Period")).value, 30);
    const auto algorithm = algorithmNamed(m_strings.value(QStringLiteral("TimeOtp-Algorithm")).value);
    if (!secret || secret->isEmpty() || !digits || !period || !algorithm)
        return QString();
    TotpSetup setup;
    setup.key = *secret;
    setup.account = title;
    setup.digits = *digits;
    setup.period = *period;
    setup.algorithm = *algorithm;
    return setup.toUri();
}
