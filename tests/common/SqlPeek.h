#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

// Reads and writes a wallet file behind the store's back, to check and damage what is on disk.
class SqlPeek
{
public:
    explicit SqlPeek(const QString &path)
        : m_name(QStringLiteral("peek-%1").arg(++serial()))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.open();
    }

    ~SqlPeek()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }

    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

    bool exec(const QString &sql, const QVariantList &values = {}) const
    {
        QSqlQuery query(db());
        query.prepare(sql);
        for (const QVariant &value : values)
            query.addBindValue(value);
        return query.exec();
    }

    QVariant value(const QString &sql, const QVariantList &values = {}) const
    {
        QSqlQuery query(db());
        query.prepare(sql);
        for (const QVariant &value : values)
            query.addBindValue(value);
        return query.exec() && query.next() ? query.value(0) : QVariant();
    }

private:
    static int &serial()
    {
        static int value = 0;
        return value;
    }

    QString m_name;
};
