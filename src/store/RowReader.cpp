#include "store/RowReader.h"

#include "store/WalletSql.h"

#include <sqlite3.h>

#include <cmath>

RowReader::RowReader(WalletSql &sql, const QString &statement, const QVariantList &values)
    : m_sql(sql)
{
    sqlite3 *db = sql.handle();
    if (!db)
        return;
    m_statement = sql.connections().rowStatement(statement);
    // Reads do not nest (a read snapshot cannot begin inside another), so no other reader steps it.
    Q_ASSERT(!m_statement || !sqlite3_stmt_busy(m_statement));
    if (!m_statement || !bind(values)) {
        fail();
        release();
    }
}

RowReader::~RowReader()
{
    release();
}

void RowReader::release()
{
    if (m_statement) {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
    m_statement = nullptr;
}

bool RowReader::bind(const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i) {
        const QVariant &value = values.at(i);
        int result = SQLITE_OK;
        if (value.type() == QVariant::Int || value.type() == QVariant::LongLong) {
            result = sqlite3_bind_int64(m_statement, i + 1, value.toLongLong());
        } else {
            const QByteArray text = value.toString().toUtf8();
            result = sqlite3_bind_text(m_statement, i + 1, text.constData(), text.size(), SQLITE_TRANSIENT);
        }
        if (result != SQLITE_OK)
            return false;
    }
    return true;
}

bool RowReader::next()
{
    if (!m_statement || m_failed)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE) {
        m_failed = true;
        fail();
    }
    return false;
}

bool RowReader::fail()
{
    sqlite3 *db = m_sql.handle();
    return m_sql.fail(
        WalletError::fromSqlite(sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)), false));
}

int RowReader::integer(int column) const
{
    return sqlite3_column_int(m_statement, column);
}

qint64 RowReader::wholeSeconds(int column) const
{
    return qint64(std::trunc(sqlite3_column_double(m_statement, column)));
}

QString RowReader::text(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
}

QByteArray RowReader::blob(int column) const
{
    const auto *bytes = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
    return QByteArray(bytes, sqlite3_column_bytes(m_statement, column));
}

QByteArray RowReader::blobInPlace(int column) const
{
    const auto *bytes = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
    return QByteArray::fromRawData(bytes, sqlite3_column_bytes(m_statement, column));
}

QByteArray RowReader::utf8InPlace(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QByteArray::fromRawData(text, sqlite3_column_bytes(m_statement, column));
}
