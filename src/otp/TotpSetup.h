#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QString>

#include <optional>

// How a site's time-based one-time codes are made, as an otpauth://totp/ URI (Key Uri Format) holds
// it: otpauth://totp/ISSUER:ACCOUNT?secret=BASE32&issuer=ISSUER&algorithm=SHA1&digits=6&period=30.
struct TotpSetup
{
    Q_DECLARE_TR_FUNCTIONS(TotpSetup)

public:
    QByteArray key;
    QString issuer;
    QString account;
    QCryptographicHash::Algorithm algorithm = QCryptographicHash::Sha1;
    int digits = 6;
    int period = 30;

    // Whether the text is meant as such a URI, valid or not.
    static bool isTotpUri(const QString &text);
    // None, with the reason, when the URI is not one or a code could not be made from it.
    static std::optional<TotpSetup> parse(const QString &uri, QString *error = nullptr);
    // Takes a Base32 secret as people copy it (any case, blanks, padding); false, with the reason, when
    // it is empty or not Base32.
    bool setSecret(const QString &base32, QString *error = nullptr);
    // The reason these settings cannot make codes, or an empty text when they can.
    QString problem() const;
    // Written as it is, valid or not; values that are the defaults are left out.
    QString toUri() const;

    // Only for settings without a problem.
    QString codeAt(qint64 secsSinceEpoch) const;
    // How long the code of that moment stays the current one, from 1 to the period.
    int secondsLeftAt(qint64 secsSinceEpoch) const;

    static QString algorithmName(QCryptographicHash::Algorithm algorithm);
};
