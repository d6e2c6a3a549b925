#include "session/CloudSignIn.h"

#include <QSettings>

namespace {

const QString entry = QStringLiteral("cloud sync access token");
const QString oldKey = QStringLiteral("accessKey");
const QString oldSecret = QStringLiteral("accessSecret");

} // namespace

void CloudSignIn::moveFromSettings(QSettings &settings)
{
    if (!settings.contains(oldKey) && !settings.contains(oldSecret))
        return;
    const CloudSignIn old{settings.value(oldKey).toString(), settings.value(oldSecret).toString()};
    if (!old.key.isEmpty())
        old.save();
    settings.remove(oldKey);
    settings.remove(oldSecret);
    settings.sync();
}

Keyring::Answer CloudSignIn::load(CloudSignIn *signIn)
{
    Keyring::Answer answer = Keyring::read(entry);
    if (answer.status == Keyring::Found) {
        signIn->key = answer.secret.section(QLatin1Char('\n'), 0, 0);
        signIn->secret = answer.secret.section(QLatin1Char('\n'), 1);
    }
    answer.secret.clear();
    return answer;
}

Keyring::Answer CloudSignIn::save() const
{
    return Keyring::write(entry, key + QLatin1Char('\n') + secret);
}

Keyring::Answer CloudSignIn::forget()
{
    return Keyring::remove(entry);
}
