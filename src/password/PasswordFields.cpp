#include "password/PasswordFields.h"

#include "model/Card.h"
#include "model/FieldType.h"

QList<const Field *> PasswordFields::passwords(const Card &card)
{
    QList<const Field *> found;
    for (const Field *field : card.fields()) {
        if (field->type() == FieldType::Password && !field->value().isEmpty())
            found.append(field);
    }
    return found;
}

const Field *PasswordFields::primary(const Card &card)
{
    const QList<const Field *> passwords = PasswordFields::passwords(card);
    if (!passwords.isEmpty())
        return passwords.first();
    for (const Field *field : card.fields()) {
        if (field->sensitive() && !field->value().isEmpty())
            return field;
    }
    return nullptr;
}
