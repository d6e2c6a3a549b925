#include "import/ImportSummary.h"

QString ImportSummary::line() const
{
    return QStringLiteral("imported %1, skipped %2 duplicates, %3 into the trash, extra fields kept %4, "
                          "rows not understood %5")
        .arg(imported)
        .arg(duplicates)
        .arg(trashed)
        .arg(extraFields)
        .arg(notUnderstood);
}

// The English texts pick their singular by hand, since no English translation supplies plural forms;
// other languages give their own forms to either text.
QString ImportSummary::text() const
{
    QStringList parts{imported == 1 ? tr("%n card imported", nullptr, imported)
                                    : tr("%n cards imported", nullptr, imported)};
    if (trashed > 0)
        parts << tr("%n of them into the trash", nullptr, trashed);
    if (extraFields > 0)
        parts << (extraFields == 1 ? tr("%n value kept as an extra field", nullptr, extraFields)
                                   : tr("%n values kept as extra fields", nullptr, extraFields));
    if (duplicates > 0)
        parts << (duplicates == 1 ? tr("%n duplicate skipped", nullptr, duplicates)
                                  : tr("%n duplicates skipped", nullptr, duplicates));
    if (notUnderstood > 0)
        parts << (notUnderstood == 1 ? tr("%n row not understood", nullptr, notUnderstood)
                                     : tr("%n rows not understood", nullptr, notUnderstood));
    return parts.join(QLatin1String("; ")) + QLatin1Char('.');
}
