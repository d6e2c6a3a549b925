#include "password/PassphraseGenerator.h"

#include "password/RandomIndex.h"
#include "password/WordList.h"

#include <QStringList>

#include <cmath>

PassphraseGenerator::PassphraseGenerator(const Options &options)
    : m_options(options)
    , m_usableWords(usableWords())
{
}

// Words that hold the separator ("t-shirt" with "-") would blur where one word ends: they are left out.
QStringList PassphraseGenerator::usableWords() const
{
    const QStringList &all = WordList::words();
    if (m_options.separator.isEmpty())
        return all;
    QStringList usable;
    for (const QString &word : all) {
        if (!word.contains(m_options.separator))
            usable.append(word);
    }
    return usable;
}

bool PassphraseGenerator::isValid() const
{
    return m_options.words >= minWords && m_options.words <= maxWords && !WordList::words().isEmpty();
}

QString PassphraseGenerator::generate() const
{
    if (!isValid())
        return QString();
    RandomIndex random;
    QStringList chosen;
    for (int i = 0; i < m_options.words; ++i) {
        QString word = m_usableWords.at(int(random.below(quint32(m_usableWords.size()))));
        if (m_options.capitalise)
            word[0] = word.at(0).toUpper();
        chosen.append(word);
    }
    return chosen.join(m_options.separator);
}

double PassphraseGenerator::entropyBits() const
{
    return isValid() ? m_options.words * std::log2(double(m_usableWords.size())) : 0;
}
