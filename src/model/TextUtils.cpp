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

QString cleanText(QString text)
{
    return text.replace(QLatin1Char('\t'), QLatin1String("    ")).trimmed();
}

bool sameOrBlank(const QString &a, const QString &b)
{
    return a.isEmpty() || b.isEmpty() || a == b;
}
