#include "import/EntryValues.h"

#include "otp/TotpSetup.h"

#include <algorithm>
#include <iterator>

namespace {

// Labels people give the secrets they keep in custom fields.
bool namesSecret(const QString &label)
{
    static const char *const secrets[] = {"password", "passwort", "pin", "cvv", "cvc", "secret", "security code"};
    const QString lower = label.toLower();
    return std::any_of(std::begin(secrets), std::end(secrets), [&lower](const char *secret) {
        return lower == QLatin1String(secret) || lower.contains(QLatin1String(secret) + QLatin1Char(' '))
            || lower.endsWith(QLatin1Char(' ') + QLatin1String(secret));
    });
}

} // namespace

namespace EntryValues {

void setOtp(ImportEntry &entry, const QString &label, const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return;
    if (entry.otp.isEmpty() && TotpSetup::parse(trimmed)) {
        entry.otp = trimmed;
        return;
    }
    TotpSetup setup;
    if (entry.otp.isEmpty() && !TotpSetup::isTotpUri(trimmed) && setup.setSecret(trimmed)) {
        setup.account = entry.title;
        entry.otp = setup.toUri();
        return;
    }
    keep(entry, label, text, true);
}

void setUrls(ImportEntry &entry, const QStringList &urls)
{
    int number = 1;
    for (const QString &url : urls) {
        if (url.trimmed().isEmpty())
            continue;
        if (entry.url.isEmpty())
            entry.url = url.trimmed();
        else
            keep(entry, QStringLiteral("URL %1").arg(++number), url.trimmed());
    }
}

void keep(ImportEntry &entry, const QString &label, const QString &value, bool sensitive)
{
    if (!value.isEmpty())
        entry.extraFields.append({label, value, sensitive || namesSecret(label)});
}

QDateTime timeFrom(const QString &text)
{
    bool number = false;
    const qint64 count = text.toLongLong(&number);
    if (number && count > 0)
        return QDateTime::fromMSecsSinceEpoch(count > 100000000000LL ? count : count * 1000, Qt::UTC);
    return QDateTime::fromString(text.trimmed(), Qt::ISODateWithMs);
}

} // namespace EntryValues
