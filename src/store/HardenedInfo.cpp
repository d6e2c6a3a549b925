#include "store/HardenedInfo.h"

#include "store/WalletFormat.h"

#include <QtEndian>

using namespace WalletFormat::Hardened;

namespace {

std::optional<HardenedInfo> refuse(QString *reason, const QString &why)
{
    if (reason)
        *reason = why;
    return std::nullopt;
}

quint32 uint32At(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

} // namespace

std::optional<HardenedInfo> HardenedInfo::parse(const QByteArray &info, QString *reason)
{
    if (info.size() != infoSize || !info.startsWith(magic))
        return refuse(reason, tr("the key settings are damaged"));
    if (quint8(info[kdfOffset]) != argon2id13)
        return refuse(reason, tr("unknown key derivation %1").arg(quint8(info[kdfOffset])));
    const quint8 flags = quint8(info[flagsOffset]);
    if ((flags & ~keyFileFlag) != 0 || info[flagsOffset + 1] != 0 || info[flagsOffset + 2] != 0)
        return refuse(reason, tr("unknown key settings"));
    HardenedInfo parsed;
    parsed.keyFileRequired = (flags & keyFileFlag) != 0;
    parsed.kdf = {uint32At(info, passesOffset), uint32At(info, memoryOffset)};
    if (parsed.kdf.iterations < minPasses || parsed.kdf.iterations > maxPasses
        || parsed.kdf.memoryKiB < minMemoryKiB || parsed.kdf.memoryKiB > maxMemoryKiB)
        return refuse(reason, tr("key derivation settings out of bounds: %1 passes, %2 KiB")
                                  .arg(parsed.kdf.iterations)
                                  .arg(parsed.kdf.memoryKiB));
    parsed.salt = info.mid(saltOffset, saltSize);
    parsed.nonce = info.mid(nonceOffset, nonceSize);
    parsed.sealedKey = info.mid(sealedKeyOffset);
    return parsed;
}

QByteArray HardenedInfo::header() const
{
    QByteArray head(magic, magicSize);
    head.append(char(argon2id13));
    head.append(char(keyFileRequired ? keyFileFlag : 0));
    head.append(2, '\0');
    char number[4];
    qToLittleEndian(kdf.iterations, number);
    head.append(number, 4);
    qToLittleEndian(kdf.memoryKiB, number);
    head.append(number, 4);
    return head + salt + nonce;
}
