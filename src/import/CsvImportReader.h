#pragma once

#include "import/ImportReader.h"

#include <QStringList>

class CsvRow;
struct ImportEntry;

// Reads a CSV export row by row, by its header: each row becomes an entry through the format's
// mapping, what the mapping leaves becomes extra fields. A row with more values than the header has
// columns, or one whose quotes never close, is reported with its line and gives no card.
class CsvImportReader : public ImportReader
{
public:
    // Fills the entry from the row.
    using RowMapping = void (*)(CsvRow &row, ImportEntry &entry);

    // The columns a file needs to be read as this format, lower case.
    CsvImportReader(RowMapping mapping, const QStringList &required);

    bool read(QIODevice &device, ImportWriter &writer) override;

private:
    RowMapping m_mapping;
    QStringList m_required;
};
