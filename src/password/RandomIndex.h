#pragma once

#include <QtGlobal>

#include <functional>

// Whole numbers drawn uniformly below a bound from a source of random words. A word that falls in the
// incomplete stretch at the top of the source's range is drawn again: taking any word modulo the bound
// would favour the small numbers.
class RandomIndex
{
public:
    using Source = std::function<quint32()>;

    // The system's cryptographic generator, 32 bits a word: the only source the program draws secrets from.
    RandomIndex();
    // A source whose words are uniform below 2 to the power of bits (1 to 32).
    RandomIndex(Source source, int bits);

    // A number from 0 to bound - 1; bound must be at least 1.
    quint32 below(quint32 bound);

private:
    Source m_source;
    quint64 m_range;
};
