#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

struct sqlite3_stmt;
class WalletSql;

// A query whose rows are read straight from SQLite: each column comes out as the number, text or bytes
// it holds, without the conversions through QVariant that Qt's queries make for every value, which are a
// good part of a walk over every card of a large wallet. It runs on the calling thread's connection,
// inside whatever transaction or snapshot that connection has open. The connection keeps the compiled
// statement for the next reader of the same text; it is reset when this reader goes.
class RowReader
{
public:
    // Binds values (numbers, or text) in order; a statement that does not compile or bind leaves the reader invalid,
    // with the store's lastError() saying why.
    RowReader(WalletSql &sql, const QString &statement, const QVariantList &values = {});
    ~RowReader();
    RowReader(const RowReader &) = delete;
    RowReader &operator=(const RowReader &) = delete;

    explicit operator bool() const { return m_statement != nullptr; }
    // False after the last row, and when SQLite fails: then failed() is set and lastError() says why.
    bool next();
    bool failed() const { return m_failed; }

    int integer(int column) const;
    // A time column in whole seconds: another program may have written a fraction.
    qint64 wholeSeconds(int column) const;
    QString text(int column) const;
    QByteArray blob(int column) const;
    // The same where SQLite holds it, without a copy: valid until the next row.
    QByteArray blobInPlace(int column) const;
    // A text column's UTF-8 bytes where SQLite holds them, without a copy: valid until the next row.
    QByteArray utf8InPlace(int column) const;

private:
    bool bind(const QVariantList &values);
    bool fail();
    void release();

    WalletSql &m_sql;
    sqlite3_stmt *m_statement = nullptr;
    bool m_failed = false;
};
