#include "password/PassphraseGenerator.h"

#include "password/RandomIndex.h"
#include "password/WordList.h"

#include <QStringList>

#include <cmath>

PassphraseGenerator::PassphraseGenerator(const Options &options)
    : m_options(options)
{
}

bool PassphraseGenerator::isValid() const
{
    return m_options.words >= minWords && m_options.words <= maxWords && !WordList::words().isEmpty();
}

QString PassphraseGenerator::generate() const
{
    if (!isValid())
        return QString();
    const QStringList &list = WordList::words();
    RandomIndex random;
    QStringList chosen;
    for (int i = 0; i < m_options.words; ++i) {
        QString word = list.at(int(random.below(quint32(list.size()))));
        if (m_options.capitalise)
            word[0] = word.at(0).toUpper();
        chosen.append(word);
    }
    return chosen.join(m_options.separator);
}

double PassphraseGenerator::entropyBits() const
{
    return isValid() ? m_options.words * std::log2(double(WordList::words().size())) : 0;
}
