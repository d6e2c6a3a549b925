#include "model/Field.h"

#include "model/SecretText.h"

#include <utility>

Field::Field(int uid, const QDateTime &updateTime, const QString &label, const QString &value, int type, bool sensitive)
    : m_uid(uid)
    , m_updateTime(updateTime)
    , m_label(label)
    , m_value(value)
    , m_type(type)
    , m_sensitive(sensitive)
{
}

Field::~Field()
{
    SecretText::wipe(m_value);
}

void Field::setValue(const QString &value)
{
    QString replaced = std::exchange(m_value, value);
    SecretText::wipe(replaced);
}
