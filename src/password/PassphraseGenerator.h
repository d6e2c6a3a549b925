#pragma once

#include <QString>
#include <QStringList>

// Random passphrases of words from the EFF large word list.
class PassphraseGenerator
{
public:
    static constexpr int minWords = 3;
    static constexpr int maxWords = 20;

    struct Options
    {
        int words = 7;
        QString separator = QStringLiteral("-");
        // Each word begins with a capital letter; that adds no entropy, but some sites ask for one.
        bool capitalise = false;
    };

    explicit PassphraseGenerator(const Options &options);

    bool isValid() const;
    QString generate() const;
    double entropyBits() const;

private:
    QStringList usableWords() const;

    Options m_options;
    // Filtered once: a command line may ask for a million passphrases.
    QStringList m_usableWords;
};
