#include "import/ImportSummary.h"

QString ImportSummary::line() const
{
    return QStringLiteral("imported %1, skipped %2 duplicates, %3 into the trash, extra fields kept %4")
        .arg(imported)
        .arg(duplicates)
        .arg(trashed)
        .arg(extraFields);
}

QString ImportSummary::text() const
{
    return tr("imported %1, skipped %2 duplicates, %3 into the trash, extra fields kept %4")
        .arg(imported)
        .arg(duplicates)
        .arg(trashed)
        .arg(extraFields);
}
