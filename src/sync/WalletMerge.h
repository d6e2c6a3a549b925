#pragma once

#include <QCoreApplication>
#include <QString>

class CardDb;

// Merges an open wallet with another copy of it (the copy kept in the cloud folder, or any other file)
// into two staged files beside them, leaving both inputs as they are:
//   stagingPath(local)  keeps the open wallet's password, key and identity;
//   stagingPath(other)  is a new wallet under the other copy's password.
// The caller then puts each staged file in its place (FileOps::replaceAtomically) or discards them.
class WalletMerge
{
    Q_DECLARE_TR_FUNCTIONS(WalletMerge)

public:
    // otherPassword opens the other copy; when it is empty the copy is taken to be new and
    // newOtherPassword opens it instead. newOtherPassword, when set, protects the other's staged file.
    // A missing other file counts as a copy without cards. On failure nothing staged is left behind.
    static bool stage(CardDb &local, const QString &otherPath, const QString &otherPassword,
                      const QString &newOtherPassword, QString *error = nullptr);

    // Removes both staged files.
    static void discard(const QString &localPath, const QString &otherPath);
};
