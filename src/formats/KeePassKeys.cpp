#include "formats/KeePassKeys.h"

#include "model/Card.h"
#include "model/FieldType.h"
#include "otp/TotpSetup.h"

#include <QSet>

namespace KeePassKeys {

QStringList of(const Card &card)
{
    QSet<QString> taken{title, userName, password, url, notes, otp, templateType, uuid, icon};
    bool otpFree = true;
    bool userNameFree = true;
    bool passwordFree = true;
    bool urlFree = true;
    QStringList keys;
    for (const Field *field : card.fields()) {
        if (userNameFree && field->type() == FieldType::Username) {
            keys << userName;
            userNameFree = false;
        } else if (passwordFree && field->type() == FieldType::Password) {
            keys << password;
            passwordFree = false;
        } else if (urlFree && field->type() == FieldType::Url) {
            keys << url;
            urlFree = false;
        } else if (otpFree && TotpSetup::isTotpUri(field->value())) {
            keys << otp;
            otpFree = false;
        } else {
            QString key = field->label();
            for (int n = 2; taken.contains(key); ++n)
                key = QStringLiteral("%1 (%2)").arg(field->label()).arg(n);
            taken.insert(key);
            keys << key;
        }
    }
    return keys;
}

} // namespace KeePassKeys
