#pragma once

#include <QString>
#include <QStringList>

// Random passwords of characters from the chosen classes, with at least one character of each.
class PasswordGenerator
{
public:
    static constexpr int minLength = 8;
    static constexpr int maxLength = 128;

    struct Options
    {
        int length = 20;
        bool upper = true;
        bool lower = true;
        bool digits = true;
        bool symbols = true;
        // Leaves out the characters that are easily mistaken for one another: 0 O 1 l I |.
        bool excludeLookAlikes = false;
    };

    explicit PasswordGenerator(const Options &options);

    // A length in range and at least one class chosen.
    bool isValid() const;
    // The characters of each chosen class.
    QStringList classes() const { return m_classes; }
    QString generate() const;
    // Bits of entropy of a password drawn this way: the binary logarithm of the number of passwords it
    // may give, each as likely as any other.
    double entropyBits() const;

    static const QString lookAlikes;

private:
    bool hasEveryClass(const QString &password) const;

    int m_length;
    QStringList m_classes;
    QString m_alphabet;
};
