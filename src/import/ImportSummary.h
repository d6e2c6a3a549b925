#pragma once

#include <QCoreApplication>
#include <QString>

// What an import did, for the line the window and tessera-cli show at its end.
struct ImportSummary
{
    Q_DECLARE_TR_FUNCTIONS(ImportSummary)

public:
    // Cards added, the trashed ones among them.
    int imported = 0;
    // Entries left out because a card identical to them was in the wallet already.
    int duplicates = 0;
    int trashed = 0;
    int extraFields = 0;

    // "imported N, skipped D duplicates, T into the trash, extra fields kept E"
    QString text() const;
};
