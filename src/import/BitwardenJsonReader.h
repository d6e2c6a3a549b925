#pragma once

#include "import/ImportReader.h"

class QJsonObject;
struct ImportEntry;

// Reads Bitwarden's unencrypted JSON export: logins (every address, one-time code, custom fields,
// the password history in the notes), secure notes, cards onto a credit card template and identities
// onto the address template; folders name the group, items in the trash go to the trash. An
// encrypted export is refused.
class BitwardenJsonReader : public ImportReader
{
public:
    bool read(QIODevice &device, ImportWriter &writer) override;
};
