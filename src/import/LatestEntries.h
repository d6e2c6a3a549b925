#pragma once

#include "import/ImportEntry.h"

#include <QHash>
#include <QString>

#include <vector>

// The entries of an export in file order. Entries that share a non-empty key are copies of one entry
// (an older version kept beside it): the copy changed last is kept, and of copies changed at the same
// time the first one recorded. An entry without a key is never taken for a copy of another.
class LatestEntries
{
public:
    void record(const QString &key, const ImportEntry &entry);

    std::vector<ImportEntry> &entries() { return m_entries; }
    // How many recorded copies gave way to another copy of their entry.
    int supersededCopies() const { return m_superseded; }

private:
    std::vector<ImportEntry> m_entries;
    QHash<QString, std::size_t> m_indexByKey;
    int m_superseded = 0;
};
