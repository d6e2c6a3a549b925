#pragma once

#include <QByteArray>

// Key material in memory of its own: locked out of swap, fenced by guard pages, and wiped when it goes.
// Move-only; a failed allocation leaves it empty (isValid() false).
class LockedKey
{
public:
    // No key at all (isValid() false) by default.
    explicit LockedKey(int size = -1);
    ~LockedKey();
    LockedKey(LockedKey &&other) noexcept;
    LockedKey &operator=(LockedKey &&other) noexcept;
    LockedKey(const LockedKey &) = delete;
    LockedKey &operator=(const LockedKey &) = delete;

    static LockedKey random(int size);
    static LockedKey copyOf(const QByteArray &bytes);

    bool isValid() const { return m_data != nullptr; }
    int size() const { return m_size; }
    unsigned char *data() { return m_data; }
    const unsigned char *data() const { return m_data; }
    // A copy in ordinary memory, for the one caller that hands a key on (a store reopened with it).
    QByteArray toByteArray() const;

    // Sets up the cryptography library once per process; false when it cannot be used.
    static bool libraryReady();

private:
    unsigned char *m_data = nullptr;
    int m_size = 0;
};
