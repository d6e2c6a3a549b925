#include "model/TextUtils.h"

#include <QLocale>
#include <QUuid>

QString newUuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QCollator titleCollator()
{
    // The C locale collates by code point, which puts "Émile" after "Zoe"; such users get English order.
    const QLocale locale = QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
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
