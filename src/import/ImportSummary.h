#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What an import did, for the line the window and tessera-cli show at its end.
struct ImportSummary
{
    Q_DECLARE_TR_FUNCTIONS(ImportSummary)

public:
    // Cards added, the trashed ones among them.
    int imported = 0;
    // Entries left out because a card identical to them was in the wallet or imported before them, or
    // because a newer copy of the same entry was imported.
    int duplicates = 0;
    int trashed = 0;
    int extraFields = 0;
    // Rows of the file that make no card, each named in problems as "line N: why".
    int notUnderstood = 0;
    QStringList problems;
    // For people: the window's message, in the user's language.
    QString text() const;
    // For scripts: tessera-cli's output line, the same in every language.
    QString line() const;
};
