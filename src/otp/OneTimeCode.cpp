#include "otp/OneTimeCode.h"

#include <QMessageAuthenticationCode>

QString OneTimeCode::hotp(const QByteArray &key, quint64 counter, int digits, QCryptographicHash::Algorithm algorithm)
{
    QByteArray message(8, '\0');
    for (int i = 7; i >= 0; --i, counter >>= 8)
        message[i] = char(counter & 0xff);
    const QByteArray mac = QMessageAuthenticationCode::hash(message, key, algorithm);

    // Dynamic truncation: the last nibble picks four bytes, read big-endian without the sign bit.
    const int offset = mac.at(mac.size() - 1) & 0x0f;
    const auto byte = [&mac, offset](int i) { return quint32(quint8(mac.at(offset + i))); };
    const quint32 binary = ((byte(0) & 0x7f) << 24) | (byte(1) << 16) | (byte(2) << 8) | byte(3);
    quint32 modulus = 1;
    for (int i = 0; i < digits; ++i)
        modulus *= 10;
    return QString::number(binary % modulus).rightJustified(digits, QLatin1Char('0'));
}
