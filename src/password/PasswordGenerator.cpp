#include "password/PasswordGenerator.h"

#include "password/RandomIndex.h"

#include <QtMath>

#include <algorithm>

const QString PasswordGenerator::lookAlikes = QStringLiteral("0O1lI|");

PasswordGenerator::PasswordGenerator(const Options &options)
    : m_length(options.length)
{
    const std::pair<bool, QString> choices[] = {
        {options.upper, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ")},
        {options.lower, QStringLiteral("abcdefghijklmnopqrstuvwxyz")},
        {options.digits, QStringLiteral("0123456789")},
        {options.symbols, QStringLiteral("!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~")},
    };
    for (auto [chosen, characters] : choices) {
        if (!chosen)
            continue;
        if (options.excludeLookAlikes) {
            for (const QChar c : lookAlikes)
                characters.remove(c);
        }
        m_classes.append(characters);
        m_alphabet += characters;
    }
}

bool PasswordGenerator::isValid() const
{
    return m_length >= minLength && m_length <= maxLength && !m_classes.isEmpty();
}

// A password that lacks a class is drawn again as a whole. Filling in the missing classes afterwards
// would make some passwords likelier than others; this way every allowed password is equally likely.
QString PasswordGenerator::generate() const
{
    if (!isValid())
        return QString();
    RandomIndex random;
    QString password(m_length, QChar());
    do {
        for (QChar &c : password)
            c = m_alphabet.at(int(random.below(quint32(m_alphabet.size()))));
    } while (!hasEveryClass(password));
    return password;
}

bool PasswordGenerator::hasEveryClass(const QString &password) const
{
    return std::all_of(m_classes.cbegin(), m_classes.cend(), [&password](const QString &characters) {
        return std::any_of(password.cbegin(), password.cend(),
                           [&characters](QChar c) { return characters.contains(c); });
    });
}

// Counted by inclusion and exclusion over the sets of classes left out: the share of all strings of the
// alphabet that hold every class is the sum of (-1)^|S| (1 - share of S)^length over the sets S.
double PasswordGenerator::entropyBits() const
{
    if (!isValid())
        return 0;
    const int classCount = m_classes.size();
    double share = 0;
    for (int set = 0; set < (1 << classCount); ++set) {
        int missing = 0;
        for (int i = 0; i < classCount; ++i) {
            if (set & (1 << i))
                missing += m_classes.at(i).size();
        }
        const double term = std::pow(1.0 - double(missing) / m_alphabet.size(), m_length);
        share += qPopulationCount(quint32(set)) % 2 ? -term : term;
    }
    return m_length * std::log2(double(m_alphabet.size())) + std::log2(share);
}
