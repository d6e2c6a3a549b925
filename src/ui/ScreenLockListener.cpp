#include "ui/ScreenLockListener.h"

#include <QDBusConnection>

#include <cctype>

namespace {

// This login session's object at the login manager: its id escaped as D-Bus object paths require.
QString sessionObjectPath()
{
    const QByteArray id = qgetenv("XDG_SESSION_ID");
    if (id.isEmpty())
        return QString();
    QString path = QStringLiteral("/org/freedesktop/login1/session/");
    for (int i = 0; i < id.size(); ++i) {
        const char c = id.at(i);
        const bool plain = (std::isalnum(uchar(c)) != 0) && !(i == 0 && std::isdigit(uchar(c)) != 0);
        path += plain ? QString(QLatin1Char(c)) : QStringLiteral("_%1").arg(uchar(c), 2, 16, QLatin1Char('0'));
    }
    return path;
}

} // namespace

ScreenLockListener::ScreenLockListener(QObject *parent)
    : QObject(parent)
{
    QDBusConnection session = QDBusConnection::sessionBus();
    if (session.isConnected()) {
        for (const QString &service :
             {QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("org.gnome.ScreenSaver")}) {
            session.connect(QString(), QString(), service, QStringLiteral("ActiveChanged"), this,
                            SLOT(screenSaverChanged(bool)));
        }
    }
    QDBusConnection system = QDBusConnection::systemBus();
    if (system.isConnected()) {
        system.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                       QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
                       SLOT(prepareForSleep(bool)));
        const QString sessionPath = sessionObjectPath();
        if (!sessionPath.isEmpty()) {
            system.connect(QStringLiteral("org.freedesktop.login1"), sessionPath,
                           QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Lock"), this,
                           SLOT(sessionLocked()));
        }
    }
}

void ScreenLockListener::screenSaverChanged(bool active)
{
    if (active)
        emit lockRequested();
}

void ScreenLockListener::prepareForSleep(bool sleeping)
{
    if (sleeping)
        emit lockRequested();
}

void ScreenLockListener::sessionLocked()
{
    emit lockRequested();
}
