#pragma once

#include <QByteArray>

// The fixed layout of a version-2 wallet file (docs/file-format.md), which the phone application reads
// as well: what a probe checks and what a new wallet gets.
namespace WalletFormat {

constexpr int currentVersion = 2;
constexpr char signature[] = "TesseraDb";
constexpr int hashSize = 32;
constexpr int blockSize = 16;
constexpr int infoSize = 3 * blockSize;

// How far a probe looks: the identity row, or every page of the file as well.
enum ProbeDepth { IdentityOnly, EveryPage };

// The Info column: check block, IV and salt, one cipher block each.
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

} // namespace WalletFormat
