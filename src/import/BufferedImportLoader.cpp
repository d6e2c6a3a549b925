#include "import/BufferedImportLoader.h"

void BufferedImportLoader::entryEnded()
{
    m_entries.record(m_entryKey, m_entry);
    m_entryKey.clear();
}

void BufferedImportLoader::addKeptEntries()
{
    countDuplicates(m_entries.supersededCopies());
    for (int i = 0; i < m_entries.size(); ++i) {
        ImportEntry entry = m_entries.take(i);
        completeEntry(entry);
        addCard(entry);
    }
}
