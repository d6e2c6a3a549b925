#pragma once

#include "import/ImportEntry.h"

#include <QString>

#include <map>

// Entries that share a key are copies of one entry (a backup, an older version): the copy changed
// last is kept, and of copies changed at the same time the first one recorded.
class LatestEntries
{
public:
    void record(const QString &key, const ImportEntry &entry);

    // The kept entries in key order.
    const std::map<QString, ImportEntry> &byKey() const { return m_entries; }

private:
    std::map<QString, ImportEntry> m_entries;
};
