#include "import/LatestEntries.h"

namespace {

// A copy without a readable change time counts as older than any copy with one.
bool isNewer(const QDateTime &candidate, const QDateTime &recorded)
{
    return candidate.isValid() && (!recorded.isValid() || recorded < candidate);
}

} // namespace

void LatestEntries::record(const QString &key, const ImportEntry &entry)
{
    const auto found = key.isEmpty() ? m_indexByKey.end() : m_indexByKey.find(key);
    if (found == m_indexByKey.end()) {
        if (!key.isEmpty())
            m_indexByKey.insert(key, m_entries.size());
        m_entries.push_back(entry);
        return;
    }
    ++m_superseded;
    ImportEntry &recorded = m_entries[*found];
    if (isNewer(entry.lastModified, recorded.lastModified))
        recorded = entry;
}
