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

QString ImportSummary::text() const
{
    QStringList parts{tr("%n cards imported", nullptr, imported)};
    if (trashed > 0)
        parts << tr("%n of them into the trash", nullptr, trashed);
    if (extraFields > 0)
        parts << tr("%n values kept as extra fields", nullptr, extraFields);
    if (duplicates > 0)
        parts << tr("%n duplicates skipped", nullptr, duplicates);
    if (notUnderstood > 0)
        parts << tr("%n rows not understood", nullptr, notUnderstood);
    return parts.join(QLatin1String("; ")) + QLatin1Char('.');
}
