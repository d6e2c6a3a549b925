#pragma once

#include <QByteArray>
#include <QtGlobal>

// The fixed layouts of a wallet file (docs/file-format.md), which other programs read as well: what a
// probe checks and what a new wallet gets. Version 2 is the phone application's format; version 3
// seals every card with an authenticated cipher under a random master key.
namespace WalletFormat {

constexpr int compatibleVersion = 2;
constexpr int hardenedVersion = 3;
constexpr int newestVersion = hardenedVersion;
constexpr char signature[] = "TesseraDb";
constexpr int hashSize = 32;
constexpr int blockSize = 16;
constexpr int infoSize = 3 * blockSize;

// How far a probe looks: the identity row, or every page of the file as well.
enum ProbeDepth { IdentityOnly, EveryPage };

// The Info column of version 2: check block, IV and salt, one cipher block each.
struct InfoLayout
{
    explicit InfoLayout(const QByteArray &info)
        : checkBlock(info.mid(0, blockSize))
        , iv(info.mid(blockSize, blockSize))
        , salt(info.mid(2 * blockSize, blockSize))
    {
    }
    QByteArray checkBlock;
    QByteArray iv;
    QByteArray salt;
};

// The Info column of version 3, by byte offset.
namespace Hardened {
constexpr char magic[] = "TSW3";
constexpr int magicSize = 4;
constexpr int kdfOffset = 4;
constexpr int flagsOffset = 5;
constexpr int passesOffset = 8;
constexpr int memoryOffset = 12;
constexpr int saltOffset = 16;
constexpr int saltSize = 16;
constexpr int nonceOffset = 32;
constexpr int nonceSize = 24;
constexpr int sealedKeyOffset = 56;
constexpr int keySize = 32;
constexpr int tagSize = 16;
constexpr int infoSize = sealedKeyOffset + keySize + tagSize;

constexpr quint8 argon2id13 = 1;
constexpr quint8 keyFileFlag = 0x01;
// What a file may ask of the key derivation; beyond it the file is refused before anything is allocated.
constexpr quint32 minPasses = 1;
constexpr quint32 maxPasses = 64;
constexpr quint32 minMemoryKiB = 8;
constexpr quint32 maxMemoryKiB = 4194304;
} // namespace Hardened

} // namespace WalletFormat
