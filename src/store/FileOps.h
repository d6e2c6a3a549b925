#pragma once

#include <QString>

// File operations for replacing a user's wallet without ever leaving it half written.
namespace FileOps {

// Copies a file byte for byte to a path, replacing what was there. False when the copy is incomplete;
// then nothing is left at the target.
bool copyReplacing(const QString &from, const QString &to);

// Flushes the staged file to disk and renames it over the target in one step, so the target is at
// every instant either the old file or the new one. The staged file is gone only on success.
bool replaceAtomically(const QString &staged, const QString &target, QString *error = nullptr);

// Whether the user may change the file: writable, and not marked read-only by its owner (which
// matters for the administrator, to whom every file is writable).
bool isWritableFile(const QString &path);

// The sibling used to stage a new version of a wallet: the path with ".copy" appended.
QString stagingPath(const QString &path);

} // namespace FileOps
