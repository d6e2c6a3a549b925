#pragma once

#include "store/WalletError.h"

#include <QString>

// File operations for replacing a user's file without ever leaving it half written.
namespace FileOps {

// None when path names a regular file (or a link to one) that this process can read.
WalletError fileProblem(const QString &path);

// Where a write to path really goes: a symbolic link's final target, else path itself.
QString resolvedPath(const QString &path);

// Creates an empty file under a fresh unique name in the folder of target, readable and writable by
// its owner only, to stage a new version of target in. Empty, with the reason in error, on failure.
QString createStagedFile(const QString &target, QString *error = nullptr);

// Flushes the staged file to disk and renames it over the target (a link's target, not the link) in
// one step, so the target is at every instant either the old file or the new one. A replaced file's
// permissions carry over. The staged file is gone only on success.
bool replaceAtomically(const QString &staged, const QString &target, QString *error = nullptr);

// Whether the user may change the file: writable, and not marked read-only by its owner (which
// matters for the administrator, to whom every file is writable).
bool isWritableFile(const QString &path);

} // namespace FileOps
