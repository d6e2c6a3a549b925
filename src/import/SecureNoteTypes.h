#pragma once

#include "import/ImportEntry.h"

// LastPass keeps typed items (credit cards, bank accounts, addresses, ...) as secure notes whose text
// starts with "NoteType:NAME" and lists one "Key:Value" a line, the free notes last. A type that fits
// one of our templates becomes a card of it; every other value becomes an extra field.
namespace SecureNoteTypes {

void fill(ImportEntry &entry, const QString &text);

} // namespace SecureNoteTypes
