#pragma once

#include "export/CardExport.h"

// CSV after RFC 4180 in UTF-8: a header line "Title,Username,Password,URL,Notes,Type", then one line
// per live card with the first user name, password and address fields; every other filled field is
// added to the notes as a "label: value" line. Lines end in CR LF; a value with a comma, quote or
// line break, or with a blank at either end, is quoted, its quotes doubled.
class CsvExport
{
public:
    static bool write(const CardSource &source, QIODevice &device);
};
