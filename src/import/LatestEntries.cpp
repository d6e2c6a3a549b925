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
    const auto found = m_entries.find(key);
    if (found == m_entries.end())
        m_entries.emplace(key, entry);
    else if (isNewer(entry.lastModified, found->second.lastModified))
        found->second = entry;
}
