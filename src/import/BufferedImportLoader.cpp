#include "import/BufferedImportLoader.h"

void BufferedImportLoader::entryEnded()
{
    m_entries.record(m_entryKey, m_entry);
    m_entryKey.clear();
}

void BufferedImportLoader::addKeptEntries()
{
    for (const auto &keyed : m_entries.byKey())
        addCard(keyed.second);
}
