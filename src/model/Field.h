#pragma once

#include <QDateTime>
#include <QString>

// One labelled value of a card. Only the value and its time change after construction.
class Field
{
public:
    Field(int uid, const QDateTime &updateTime, const QString &label, const QString &value, int type, bool sensitive);
    Field(const Field &) = default;
    Field &operator=(const Field &) = default;
    // The value is clear text of the wallet: it is wiped when the field goes.
    ~Field();

    int uid() const { return m_uid; }
    QDateTime updateTime() const { return m_updateTime; }
    QString label() const { return m_label; }
    QString value() const { return m_value; }
    int type() const { return m_type; }
    bool sensitive() const { return m_sensitive; }

    void setValue(const QString &value);
    void setUpdateTime(const QDateTime &time) { m_updateTime = time; }

private:
    int m_uid;
    QDateTime m_updateTime;
    QString m_label;
    QString m_value;
    int m_type;
    bool m_sensitive;
};
