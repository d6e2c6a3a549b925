#include "import/BufferedImportLoader.h"

void BufferedImportLoader::entryEnded()
{
    m_entries.record(m_entryKey, m_entry);
    m_entryKey.clear();
}

void BufferedImportLoader::addKeptEntries()
{
    countDuplicates(m_entries.supersededCopies());
    for (ImportEntry &entry : m_entries.entries()) {
        completeEntry(entry);
        addCard(entry);
    }
}
