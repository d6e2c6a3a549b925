#include "model/Field.h"

Field::Field(int uid, const QDateTime &updateTime, const QString &label, const QString &value, int type, bool sensitive)
    : m_uid(uid)
    , m_updateTime(updateTime)
    , m_label(label)
    , m_value(value)
    , m_type(type)
    , m_sensitive(sensitive)
{
}
