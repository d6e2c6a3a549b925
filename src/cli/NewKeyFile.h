#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class Console;

// The key file a new wallet, a new copy or new credentials are to require. One that exists is read
// before any password is asked; one that does not is made (64 random bytes, readable by its owner only)
// only once the change is about to be written, and removed again when the change fails.
class NewKeyFile
{
    Q_DECLARE_TR_FUNCTIONS(NewKeyFile)

public:
    // Reads the file at path if there is one; reports a failure against walletPath and gives false. An
    // empty path names no key file.
    bool prepare(const QString &walletPath, const QString &path, Console &console);
    // Sets bytes to the key file's, making the file first if it did not exist and saying so; leaves them
    // as they are when no key file was named. Reports a failure and gives false.
    bool obtain(Console &console, QByteArray *bytes);
    // Removes the file when this made it, after the change it was made for failed.
    void takeBack();

private:
    QString m_walletPath;
    QString m_path;
    QByteArray m_bytes;
    bool m_made = false;
};
