#include "otp/Base32.h"

namespace {

const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567";

int digitValue(QChar c)
{
    const char16_t u = c.toUpper().unicode();
    if (u >= 'A' && u <= 'Z')
        return u - 'A';
    if (u >= '2' && u <= '7')
        return u - '2' + 26;
    return -1;
}

} // namespace

std::optional<QByteArray> Base32::decode(const QString &text)
{
    QString digits = text;
    digits.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
    while (digits.endsWith(QLatin1Char('=')))
        digits.chop(1);

    QByteArray bytes;
    bytes.reserve(digits.size() * 5 / 8);
    quint32 buffer = 0;
    int bits = 0;
    for (const QChar c : qAsConst(digits)) {
        const int value = digitValue(c);
        if (value < 0)
            return std::nullopt;
        buffer = (buffer << 5) | quint32(value);
        bits += 5;
        if (bits >= 8) {
            bits -= 8;
            bytes.append(char((buffer >> bits) & 0xff));
        }
    }
    return bytes;
}

QString Base32::encode(const QByteArray &bytes)
{
    QString text;
    text.reserve((bytes.size() * 8 + 4) / 5);
    quint32 buffer = 0;
    int bits = 0;
    for (const char byte : bytes) {
        buffer = (buffer << 8) | quint8(byte);
        bits += 8;
        while (bits >= 5) {
            bits -= 5;
            text.append(QLatin1Char(alphabet[(buffer >> bits) & 0x1f]));
        }
    }
    if (bits > 0)
        text.append(QLatin1Char(alphabet[(buffer << (5 - bits)) & 0x1f]));
    return text;
}
