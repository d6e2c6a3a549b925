#include "ui/Preferences.h"

#include <QSettings>

Preferences Preferences::load(const QSettings &settings)
{
    Preferences preferences;
    preferences.openLastWallet = settings.value(QStringLiteral("openLastDatabase"), true).toBool();
    preferences.autoLockMinutes = qBound(0, settings.value(QStringLiteral("autoLockMinutes"), 5).toInt(), 24 * 60);
    preferences.lockOnMinimize = settings.value(QStringLiteral("lockOnMinimize"), false).toBool();
    const int seconds = settings.value(QStringLiteral("clipboardSeconds"), 10).toInt();
    preferences.clipboardSeconds = seconds == 0 ? 0 : qBound(5, seconds, 300);
    return preferences;
}

void Preferences::save(QSettings &settings) const
{
    settings.setValue(QStringLiteral("openLastDatabase"), openLastWallet);
    settings.setValue(QStringLiteral("autoLockMinutes"), autoLockMinutes);
    settings.setValue(QStringLiteral("lockOnMinimize"), lockOnMinimize);
    settings.setValue(QStringLiteral("clipboardSeconds"), clipboardSeconds);
}
