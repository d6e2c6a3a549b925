#include "session/Keyring.h"

#include <QEventLoop>

#include <functional>

#include <qt5keychain/keychain.h>

namespace {

const QString service = QStringLiteral("Tessera");

// Runs a job to its end; without a keyring it fails rather than fall back to a file.
Keyring::Answer await(QKeychain::Job &job, const std::function<QString()> &secret = {})
{
    // Without a session bus there is no Secret Service to ask (and no point in waiting for one).
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return {Keyring::Unavailable, QString(),
                Keyring::tr("no desktop keyring (Secret Service): there is no D-Bus session")};
    }
    job.setAutoDelete(false);
    job.setInsecureFallback(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    Keyring::Answer answer;
    switch (job.error()) {
    case QKeychain::NoError:
        answer.status = Keyring::Found;
        if (secret)
            answer.secret = secret();
        break;
    case QKeychain::EntryNotFound:
        answer.status = Keyring::NotFound;
        break;
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
        answer.status = Keyring::Unavailable;
        answer.problem = Keyring::tr("no desktop keyring (Secret Service) is running: %1").arg(job.errorString());
        break;
    default:
        answer.problem = Keyring::tr("the desktop keyring failed: %1").arg(job.errorString());
        break;
    }
    return answer;
}

} // namespace

Keyring::Answer Keyring::read(const QString &key)
{
    QKeychain::ReadPasswordJob job(service);
    job.setKey(key);
    return await(job, [&job] { return job.textData(); });
}

Keyring::Answer Keyring::write(const QString &key, const QString &secret)
{
    QKeychain::WritePasswordJob job(service);
    job.setKey(key);
    job.setTextData(secret);
    return await(job);
}

Keyring::Answer Keyring::remove(const QString &key)
{
    QKeychain::DeletePasswordJob job(service);
    job.setKey(key);
    return await(job);
}

QString Keyring::serverKey(const QUrl &url, const QString &user)
{
    return QStringLiteral("%1@%2").arg(user, url.adjusted(QUrl::RemoveUserInfo).toString());
}
