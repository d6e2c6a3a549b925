#pragma once

#include "import/ImportEntry.h"

#include <QHash>
#include <QStringList>
#include <QVector>

// One record of a CSV export read by its header's names (any case, any order, any columns missing).
// Every column the format does not take lands in the entry as an extra field under its header name,
// so no value of the file is lost.
class CsvRow
{
public:
    explicit CsvRow(const QStringList &header);

    void setValues(const QStringList &values);
    bool hasColumn(const QString &name) const { return m_index.contains(name); }
    // The value in the named column (empty when the header has no such column), marked as taken.
    QString take(const QString &name);
    // Gives a taken column back, to be kept as an extra field.
    void release(const QString &name);
    // The first of the columns these names give that the header has: different versions of an export
    // call one column by different names.
    QString takeAny(std::initializer_list<const char *> names);
    // Moves what no one took into the entry's extra fields, in column order.
    void keepTheRest(ImportEntry &entry);
    // Whether every value of the row is empty.
    bool isBlank() const;

private:
    QStringList m_header;
    QHash<QString, int> m_index;
    QStringList m_values;
    QVector<bool> m_taken;
};
