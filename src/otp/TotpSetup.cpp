#include "otp/TotpSetup.h"

#include "otp/Base32.h"
#include "otp/OneTimeCode.h"

#include <QUrl>
#include <QUrlQuery>

namespace {

const QLatin1String prefix("otpauth://totp/");
constexpr int minDigits = 6;
constexpr int maxDigits = 8;
constexpr int defaultDigits = 6;
constexpr int defaultPeriod = 30;

const QCryptographicHash::Algorithm algorithms[]
    = {QCryptographicHash::Sha1, QCryptographicHash::Sha256, QCryptographicHash::Sha512};

std::optional<QCryptographicHash::Algorithm> algorithmNamed(const QString &name)
{
    for (const auto algorithm : algorithms) {
        if (name.compare(TotpSetup::algorithmName(algorithm), Qt::CaseInsensitive) == 0)
            return algorithm;
    }
    return std::nullopt;
}

// A number parameter: the default when absent, -1 when it is not a whole number.
int numberParameter(const QUrlQuery &query, const QString &name, int absent)
{
    if (!query.hasQueryItem(name))
        return absent;
    bool ok = false;
    const int value = query.queryItemValue(name).toInt(&ok);
    return ok ? value : -1;
}

QString encodedLabelPart(const QString &text)
{
    return QString::fromUtf8(QUrl::toPercentEncoding(text));
}

} // namespace

bool TotpSetup::isTotpUri(const QString &text)
{
    return text.trimmed().startsWith(prefix, Qt::CaseInsensitive);
}

QString TotpSetup::algorithmName(QCryptographicHash::Algorithm algorithm)
{
    switch (algorithm) {
    case QCryptographicHash::Sha256:
        return QStringLiteral("SHA256");
    case QCryptographicHash::Sha512:
        return QStringLiteral("SHA512");
    default:
        return QStringLiteral("SHA1");
    }
}

std::optional<TotpSetup> TotpSetup::parse(const QString &uri, QString *error)
{
    const auto fail = [error](const QString &reason) -> std::optional<TotpSetup> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    if (!isTotpUri(uri))
        return fail(tr("This is not an otpauth://totp/ link."));
    const QUrl url(uri.trimmed());
    if (!url.isValid())
        return fail(tr("This otpauth:// link is not a valid URI."));

    TotpSetup setup;
    // The label is "ACCOUNT" or "ISSUER:ACCOUNT", blanks allowed after the colon.
    const QString label = url.path(QUrl::FullyDecoded).mid(1);
    const int colon = label.indexOf(QLatin1Char(':'));
    setup.account = label.mid(colon + 1).trimmed();
    if (colon >= 0)
        setup.issuer = label.left(colon);

    const QUrlQuery query(url);
    if (query.hasQueryItem(QStringLiteral("issuer")))
        setup.issuer = query.queryItemValue(QStringLiteral("issuer"), QUrl::FullyDecoded);
    if (!setup.setSecret(query.queryItemValue(QStringLiteral("secret"), QUrl::FullyDecoded), error))
        return std::nullopt;

    const QString algorithm = query.queryItemValue(QStringLiteral("algorithm"));
    if (!algorithm.isEmpty()) {
        const auto named = algorithmNamed(algorithm);
        if (!named)
            return fail(tr("Unknown algorithm \"%1\": it must be SHA1, SHA256 or SHA512.").arg(algorithm));
        setup.algorithm = *named;
    }
    setup.digits = numberParameter(query, QStringLiteral("digits"), defaultDigits);
    setup.period = numberParameter(query, QStringLiteral("period"), defaultPeriod);
    const QString reason = setup.problem();
    return reason.isEmpty() ? std::optional<TotpSetup>(setup) : fail(reason);
}

bool TotpSetup::setSecret(const QString &base32, QString *error)
{
    const std::optional<QByteArray> decoded = Base32::decode(base32);
    if (decoded && !decoded->isEmpty()) {
        key = *decoded;
        return true;
    }
    if (error)
        *error = decoded ? tr("There is no secret key.")
                         : tr("The secret key is not Base32: it may hold only the letters A to Z and the digits 2 "
                              "to 7.");
    return false;
}

QString TotpSetup::problem() const
{
    if (key.isEmpty())
        return tr("There is no secret key.");
    if (digits < minDigits || digits > maxDigits)
        return tr("A code has 6, 7 or 8 digits.");
    if (period < 1)
        return tr("The period must be a whole number of seconds, at least 1.");
    return QString();
}

QString TotpSetup::toUri() const
{
    QString label = encodedLabelPart(account);
    if (!issuer.isEmpty())
        label = encodedLabelPart(issuer) + QLatin1Char(':') + label;
    QString uri = prefix + label + QStringLiteral("?secret=") + Base32::encode(key);
    if (!issuer.isEmpty())
        uri += QStringLiteral("&issuer=") + encodedLabelPart(issuer);
    if (algorithm != QCryptographicHash::Sha1)
        uri += QStringLiteral("&algorithm=") + algorithmName(algorithm);
    if (digits != defaultDigits)
        uri += QStringLiteral("&digits=%1").arg(digits);
    if (period != defaultPeriod)
        uri += QStringLiteral("&period=%1").arg(period);
    return uri;
}

QString TotpSetup::codeAt(qint64 secsSinceEpoch) const
{
    return OneTimeCode::hotp(key, quint64(qMax<qint64>(secsSinceEpoch, 0) / period), digits, algorithm);
}

int TotpSetup::secondsLeftAt(qint64 secsSinceEpoch) const
{
    return period - int(qMax<qint64>(secsSinceEpoch, 0) % period);
}
