#pragma once

#include "import/ImportEntry.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>

#include <vector>

// The entries of an export in file order. Entries that share a non-empty key are copies of one entry
// (an older version kept beside it): the copy changed last is kept, and of copies changed at the same
// time the first one recorded. An entry without a key is never taken for a copy of another.
//
// Each entry is kept packed into one buffer of UTF-8, a fraction of the memory its strings would take:
// a large export's hundred thousand entries wait here until the whole file has been read.
class LatestEntries
{
public:
    LatestEntries() = default;
    LatestEntries(const LatestEntries &) = delete;
    LatestEntries &operator=(const LatestEntries &) = delete;
    ~LatestEntries();

    void record(const QString &key, const ImportEntry &entry);

    int size() const { return int(m_packed.size()); }
    // The entry kept at a position, in file order; it is let go (and its buffer wiped) as it is taken.
    ImportEntry take(int index);
    // How many recorded copies gave way to another copy of their entry.
    int supersededCopies() const { return m_superseded; }

private:
    std::vector<QByteArray> m_packed;
    std::vector<QDateTime> m_lastModified;
    QHash<QString, int> m_indexByKey;
    QByteArray m_scratch;
    int m_superseded = 0;
};
