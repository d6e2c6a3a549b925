#pragma once

#include "export/CardExport.h"

// This program's own JSON: {"cards": [...]}, every row in row order with trashed ones flagged and the
// time they were trashed, as QJsonDocument indents it, written one card at a time without building a
// document.
class JsonExport
{
public:
    static bool write(const CardSource &source, QIODevice &device);
};
