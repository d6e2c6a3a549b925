#include "import/CsvRow.h"

#include "import/EntryValues.h"

#include <algorithm>

CsvRow::CsvRow(const QStringList &header)
    : m_header(header)
{
    for (int i = 0; i < header.size(); ++i)
        m_index.insert(header.at(i).trimmed().toLower(), i);
}

void CsvRow::setValues(const QStringList &values)
{
    m_values = values;
    m_taken.fill(false, values.size());
}

QString CsvRow::take(const QString &name)
{
    const int index = m_index.value(name, -1);
    if (index < 0 || index >= m_values.size())
        return QString();
    m_taken[index] = true;
    return m_values.at(index);
}

void CsvRow::release(const QString &name)
{
    const int index = m_index.value(name, -1);
    if (index >= 0 && index < m_taken.size())
        m_taken[index] = false;
}

QString CsvRow::takeAny(std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (hasColumn(QLatin1String(name)))
            return take(QLatin1String(name));
    }
    return QString();
}

void CsvRow::keepTheRest(ImportEntry &entry)
{
    for (int i = 0; i < m_values.size(); ++i) {
        if (!m_taken.at(i) && !m_values.at(i).isEmpty())
            EntryValues::keep(entry, m_header.value(i).trimmed(), m_values.at(i));
    }
}

bool CsvRow::isBlank() const
{
    return std::all_of(m_values.begin(), m_values.end(),
                       [](const QString &value) { return value.trimmed().isEmpty(); });
}
