#pragma once

#include <QHash>
#include <QString>

// The keywords of the template catalogue ("text", "password", ... and "true"/"false") with their codes.
const QHash<QString, int> &fieldTypeCodes();

// The code of a keyword; 0 for a keyword that is not in the table. Keywords are case-sensitive.
int fieldTypeCode(const QString &keyword);
