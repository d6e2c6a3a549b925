#pragma once

#include "store/WalletError.h"

#include <QString>

// File operations for replacing a user's file without ever leaving it half written.
namespace FileOps {

// What a replaced file's permissions become. A wallet is encrypted, so a rewrite keeps the mode the
// user gave it; a file of secrets in the clear is its owner's alone, whatever was there before.
enum class Permissions { KeepTargets, OwnerOnly };

// None when path names a regular file (or a link to one) that this process can read.
WalletError fileProblem(const QString &path);

// Where a write to path really goes: path itself, or the file a symbolic link leads to as the kernel
// follows it, so that a link the kernel refuses to follow (another user's link in a sticky folder)
// is refused here too. Empty, with the reason in error, for such a link or one that leads nowhere.
QString resolvedPath(const QString &path, QString *error = nullptr);

// Whether writes to path go to a stream (a pipe, a terminal, a device) that is written in place,
// never replaced by a file.
bool isStream(const QString &path);

// Creates an empty file in the folder of target, readable and writable by its owner only, to stage a
// new version of target in. Its name holds this process's id: a signal that ends the process
// (Ctrl-C, a hang-up, a kill) removes it, and a later call in the same folder removes staged files of
// this user whose process has gone (killed outright, or crashed). Empty, with the reason in error,
// on failure.
QString createStagedFile(const QString &target, QString *error = nullptr);

// Flushes the staged file to disk and renames it over the target (a link's target, not the link) in
// one step, so the target is at every instant either the old file or the new one. With KeepTargets a
// replaced file's mode carries over to the complete staged file just before the rename; with
// OwnerOnly the staged file is never readable by others. The staged file is gone only on success.
bool replaceAtomically(const QString &staged, const QString &target, QString *error = nullptr,
                       Permissions permissions = Permissions::KeepTargets);

// Removes a staged file that will not replace its target.
void discardStagedFile(const QString &staged);

// Whether the user may change the file: writable, and not marked read-only by its owner (which
// matters for the administrator, to whom every file is writable).
bool isWritableFile(const QString &path);

} // namespace FileOps
