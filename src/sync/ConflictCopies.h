#pragma once

#include <QStringList>

// The copies that file-syncing tools leave beside a file when two devices changed it at once:
// Syncthing's "NAME.sync-conflict-DATE-TIME-ID.EXT", Dropbox's "NAME (… conflicted copy …).EXT",
// Nextcloud's and ownCloud's "NAME (conflicted copy DATE).EXT" and "NAME_conflict-DATE-TIME.EXT".
namespace ConflictCopies {

bool isConflictCopyOf(const QString &fileName, const QString &originalName);
// The conflict copies beside path, oldest name first, of whatever kind of file (a link, a folder).
QStringList of(const QString &path);

} // namespace ConflictCopies
