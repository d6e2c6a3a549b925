#include "password/PasswordStrength.h"

#include <zxcvbn.h>

#include <cmath>

PasswordStrength::PasswordStrength(double bits, int score)
    : m_bits(bits)
    , m_score(score)
{
}

// The C library gives the entropy in bits; the score follows zxcvbn's steps on the number of guesses,
// 10^3, 10^6, 10^8 and 10^10.
PasswordStrength PasswordStrength::estimate(const QString &password)
{
    if (password.isEmpty())
        return PasswordStrength(0, 0);
    const double bits = ZxcvbnMatch(password.toUtf8().constData(), nullptr, nullptr);
    const double digits = bits * std::log10(2.0);
    const int score = digits < 3 ? 0 : digits < 6 ? 1 : digits < 8 ? 2 : digits < 10 ? 3 : 4;
    return PasswordStrength(bits, score);
}

QString PasswordStrength::scoreName() const
{
    const QString names[] = {tr("Very weak"), tr("Weak"), tr("Fair"), tr("Strong"), tr("Very strong")};
    return names[m_score];
}
