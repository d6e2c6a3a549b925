#include "password/RandomIndex.h"

#include <QRandomGenerator>

RandomIndex::RandomIndex()
    : RandomIndex([] { return QRandomGenerator::system()->generate(); }, 32)
{
}

RandomIndex::RandomIndex(Source source, int bits)
    : m_source(std::move(source))
    , m_range(quint64(1) << bits)
{
}

quint32 RandomIndex::below(quint32 bound)
{
    Q_ASSERT(bound > 0);
    const quint64 limit = m_range - m_range % bound;
    for (;;) {
        const quint64 word = m_source();
        if (word < limit)
            return quint32(word % bound);
    }
}
