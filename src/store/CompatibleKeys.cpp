#include "store/CompatibleKeys.h"

#include "store/CardCipher.h"
#include "store/WalletFormat.h"

#include <QRandomGenerator>

using WalletFormat::InfoLayout;

namespace {

QByteArray verifierOf(const QByteArray &key, const QByteArray &info)
{
    const InfoLayout parts(info);
    return CardCipher::passwordVerifier(key, parts.checkBlock, parts.iv);
}

} // namespace

std::unique_ptr<CardSealer> CompatibleKeys::create(const QString &password, QByteArray *info, QByteArray *hash)
{
    if (info->isEmpty()) {
        *info = QByteArray(WalletFormat::infoSize, Qt::Uninitialized);
        QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(info->data()), WalletFormat::infoSize / 4);
    }
    QByteArray key = deriveKey(password, *info);
    *hash = verifierOf(key, *info);
    std::unique_ptr<CardSealer> made = sealer(key, *info);
    CardCipher::wipe(key);
    return made;
}

QByteArray CompatibleKeys::deriveKey(const QString &password, const QByteArray &info)
{
    return CardCipher::deriveKey(password, InfoLayout(info).salt);
}

bool CompatibleKeys::verifies(const QByteArray &key, const QByteArray &info, const QByteArray &hash)
{
    const QByteArray verifier = verifierOf(key, info);
    if (verifier.isEmpty() || verifier.size() != hash.size())
        return false;
    char difference = 0;
    for (int i = 0; i < verifier.size(); ++i)
        difference |= char(verifier[i] ^ hash[i]);
    return difference == 0;
}

std::unique_ptr<CardSealer> CompatibleKeys::sealer(const QByteArray &key, const QByteArray &info)
{
    return std::make_unique<CardCipher>(key, InfoLayout(info).iv);
}
