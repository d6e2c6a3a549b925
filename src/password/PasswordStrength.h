#pragma once

#include <QCoreApplication>
#include <QString>

// How hard a password is to guess, estimated by zxcvbn from the patterns, words and keyboard walks it
// finds. Nothing leaves the machine: the dictionaries are compiled into the library.
class PasswordStrength
{
    Q_DECLARE_TR_FUNCTIONS(PasswordStrength)

public:
    // zxcvbn's scale: 0 and 1 are guessed quickly (weak), 4 is very hard to guess.
    static constexpr int maxScore = 4;

    static PasswordStrength estimate(const QString &password);

    double entropyBits() const { return m_bits; }
    int score() const { return m_score; }
    bool isWeak() const { return m_score <= 1; }
    // A word for the score, for meters and reports.
    QString scoreName() const;

private:
    PasswordStrength(double bits, int score);

    double m_bits;
    int m_score;
};
