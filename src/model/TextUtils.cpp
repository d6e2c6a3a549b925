#include "model/TextUtils.h"

#include <QUuid>

QString newUuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

bool hasText(const QString &text)
{
    for (const QChar c : text) {
        if (!c.isSpace())
            return true;
    }
    return false;
}

bool sameOrBlank(const QString &a, const QString &b)
{
    return a.isEmpty() || b.isEmpty() || a == b;
}
