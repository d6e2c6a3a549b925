#include "import/CsvImportReader.h"

#include "import/CsvReader.h"
#include "import/CsvRow.h"
#include "import/ImportWriter.h"

CsvImportReader::CsvImportReader(RowMapping mapping, const QStringList &required)
    : m_mapping(mapping)
    , m_required(required)
{
}

bool CsvImportReader::read(QIODevice &device, ImportWriter &writer)
{
    CsvReader reader(device);
    QStringList values;
    if (!reader.next(values))
        return fail(QStringLiteral("the file is empty"));
    CsvRow row(values);
    for (const QString &column : qAsConst(m_required)) {
        if (!row.hasColumn(column))
            return fail(QStringLiteral("the header row has no \"%1\" column").arg(column));
    }
    const int columns = values.size();
    while (reader.next(values) && !writer.writeFailed()) {
        if (reader.unterminated()) {
            writer.reject(QStringLiteral("line %1").arg(reader.line()),
                          QStringLiteral("a quoted value is not closed before the end of the file"));
            break;
        }
        if (values.size() > columns) {
            writer.reject(
                QStringLiteral("line %1").arg(reader.line()),
                QStringLiteral("%1 values where the header names %2 columns").arg(values.size()).arg(columns));
            continue;
        }
        row.setValues(values);
        if (row.isBlank())
            continue;
        ImportEntry entry;
        m_mapping(row, entry);
        row.keepTheRest(entry);
        writer.add(entry);
    }
    return true;
}
