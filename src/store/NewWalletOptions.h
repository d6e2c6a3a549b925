#pragma once

#include <QtGlobal>

// The cost of the Argon2id key derivation of a version-3 wallet: passes over the memory, and the memory.
struct Argon2Settings
{
    quint32 iterations = 3;
    quint32 memoryKiB = 262144;
};

// What a new wallet (or a converted one) becomes: the hardened version 3, or the phone application's
// version 2, which cannot require a key file.
struct NewWalletOptions
{
    enum Format { Hardened, Compatible } format = Hardened;
    Argon2Settings kdf;
};

// The settings a user may choose (the file itself allows as little as 8 KiB, for tests).
namespace Argon2Choice {
constexpr quint32 minPasses = 1;
constexpr quint32 maxPasses = 64;
constexpr quint32 minMemoryMiB = 8;
constexpr quint32 maxMemoryMiB = 4096;
} // namespace Argon2Choice
