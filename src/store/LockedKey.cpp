#include "store/LockedKey.h"

#include <sodium.h>

#include <algorithm>
#include <utility>

bool LockedKey::libraryReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

LockedKey::LockedKey(int size)
{
    // An empty key (an empty password) still has a buffer, so that it tells apart from a failed one.
    if (size < 0 || !libraryReady())
        return;
    m_data = static_cast<unsigned char *>(sodium_malloc(std::size_t(std::max(size, 1))));
    if (m_data) {
        m_size = size;
        sodium_memzero(m_data, std::size_t(std::max(size, 1)));
    }
}

LockedKey::~LockedKey()
{
    // Wipes before it unlocks and frees.
    sodium_free(m_data);
}

LockedKey::LockedKey(LockedKey &&other) noexcept
    : m_data(std::exchange(other.m_data, nullptr))
    , m_size(std::exchange(other.m_size, 0))
{
}

LockedKey &LockedKey::operator=(LockedKey &&other) noexcept
{
    if (this != &other) {
        sodium_free(m_data);
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

LockedKey LockedKey::random(int size)
{
    LockedKey key(size);
    if (key.isValid())
        randombytes_buf(key.m_data, std::size_t(size));
    return key;
}

LockedKey LockedKey::copyOf(const QByteArray &bytes)
{
    LockedKey key(bytes.size());
    if (key.isValid())
        std::copy(bytes.cbegin(), bytes.cend(), key.m_data);
    return key;
}

QByteArray LockedKey::toByteArray() const
{
    return QByteArray(reinterpret_cast<const char *>(m_data), m_size);
}
