#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUrl>

// The desktop's keyring (the Secret Service), where every credential the program keeps lives: never a
// file of its own. Each call waits for the keyring's answer. Where there is no keyring, say so and ask
// the user each time.
class Keyring
{
    Q_DECLARE_TR_FUNCTIONS(Keyring)

public:
    enum Status { Found, NotFound, Unavailable, Failed };
    struct Answer
    {
        Status status = Failed;
        QString secret;
        // Why the keyring could not answer, for the user.
        QString problem;
    };

    static Answer read(const QString &key);
    // The answer's status is Found when the secret was stored.
    static Answer write(const QString &key, const QString &secret);
    static Answer remove(const QString &key);

    // The entry of a user's password on a server.
    static QString serverKey(const QUrl &url, const QString &user);
};
