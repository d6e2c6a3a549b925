#pragma once

#include <QStringList>

// The EFF large word list for passphrases, compiled into the program (resources/wordlists).
class WordList
{
public:
    // The 7,776 words in the list's order; read once, empty only if the resource is damaged.
    static const QStringList &words();

private:
    static QStringList load();
};
