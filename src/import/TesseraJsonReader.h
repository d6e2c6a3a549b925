#pragma once

#include "import/ImportReader.h"

// Reads this program's own JSON export back into the cards it was made from: identity, template,
// icon, times, fields with their labels, types and sensitivity, notes and whether the card was in the
// trash. A card whose identity the wallet holds already is a duplicate.
class TesseraJsonReader : public ImportReader
{
public:
    bool read(QIODevice &device, ImportWriter &writer) override;
};
