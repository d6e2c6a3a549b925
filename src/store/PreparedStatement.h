#pragma once

#include <QSqlQuery>

#include <utility>

// A cached statement of a store that has just run. It is finished when this goes, so no read stays
// open on the file (an open read would keep other connections from writing it).
class PreparedStatement
{
public:
    explicit PreparedStatement(QSqlQuery *query = nullptr)
        : m_query(query)
    {
    }
    PreparedStatement(PreparedStatement &&other) noexcept
        : m_query(std::exchange(other.m_query, nullptr))
    {
    }
    PreparedStatement(const PreparedStatement &) = delete;
    PreparedStatement &operator=(const PreparedStatement &) = delete;
    ~PreparedStatement()
    {
        if (m_query)
            m_query->finish();
    }

    explicit operator bool() const { return m_query != nullptr; }
    QSqlQuery *operator->() const { return m_query; }
    QSqlQuery &operator*() const { return *m_query; }

private:
    QSqlQuery *m_query;
};
