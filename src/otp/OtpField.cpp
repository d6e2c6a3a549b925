#include "otp/OtpField.h"

#include "model/Card.h"
#include "model/FieldType.h"
#include "otp/TotpSetup.h"

#include <algorithm>

// Stored in English like every label; shown translated as the catalogue's labels are.
const QString OtpField::label = QStringLiteral(QT_TRANSLATE_NOOP("Catalog", "One-Time Code"));

Field *OtpField::find(const Card &card)
{
    const QList<Field *> fields = card.fields();
    const auto it = std::find_if(fields.begin(), fields.end(),
                                 [](const Field *field) { return TotpSetup::isTotpUri(field->value()); });
    return it == fields.end() ? nullptr : *it;
}

bool OtpField::store(Card &card, const QString &uri, const QDateTime &time)
{
    const QList<Field *> fields = card.fields();
    Field *field = find(card);
    if (!field) {
        const auto labelled
            = std::find_if(fields.begin(), fields.end(), [](const Field *f) { return f->label() == label; });
        field = labelled == fields.end() ? nullptr : *labelled;
    }
    if (field) {
        if (field->value() == uri)
            return false;
        field->setValue(uri);
        field->setUpdateTime(time);
        return true;
    }
    int uid = 0;
    for (const Field *other : fields)
        uid = std::max(uid, other->uid() + 1);
    card.addField(uid, time, label, uri, FieldType::Text, true);
    return true;
}
