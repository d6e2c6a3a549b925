#pragma once

class CsvRow;
struct ImportEntry;

// How the rows of each CSV export map onto an entry. Column names are lower case; columns a mapping
// does not take become extra fields.
namespace CsvFormats {

void bitwarden(CsvRow &row, ImportEntry &entry);
void chrome(CsvRow &row, ImportEntry &entry);
void firefox(CsvRow &row, ImportEntry &entry);
void keePassXc(CsvRow &row, ImportEntry &entry);
void lastPass(CsvRow &row, ImportEntry &entry);
void onePassword(CsvRow &row, ImportEntry &entry);
void dashlane(CsvRow &row, ImportEntry &entry);

} // namespace CsvFormats
