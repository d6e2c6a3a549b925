#pragma once

#include <QCoreApplication>
#include <QString>

class QSqlError;

// Why an operation on a wallet failed, in the words a user reads. Every store operation that fails
// says one of these; the window and tessera-cli show message().
class WalletError
{
    Q_DECLARE_TR_FUNCTIONS(WalletError)

public:
    enum Kind {
        None,
        Missing, // nothing at the path
        NotAFile, // a folder, FIFO or device
        Unreadable, // the file cannot be read (permissions, I/O)
        NotAWallet, // a file of another kind
        NewerFormat,
        OlderFormat,
        Busy, // another program holds the wallet
        WrongPassword,
        Damaged, // identity unusable, a table missing, a page or a card unreadable
        ReadOnly, // cannot be changed (file, folder or medium)
        WriteFailed, // a write did not complete (disk full, I/O error)
        PasswordChanged, // another program changed the password since this one opened the wallet
        CardGone, // the card was deleted or moved by another program
        BackupUnreadable, // a backup to restore cannot be read; the wallet is fine
        BackupNotWritten, // no backup could be kept (the folder, the disk); the wallet is fine
        ServerUnreachable, // no answer from the server that holds a copy (offline, name, refused, timeout)
        ServerRefused, // the server answered with an error (sign-in, permission, folder, space)
        ServerUntrusted, // a certificate neither the system nor the user trusts, or plain http elsewhere
    };

    WalletError() = default;
    WalletError(Kind kind, const QString &detail = QString());

    // The error a failed SQLite call stands for; a failed write is told apart from a failed read.
    static WalletError fromSql(const QSqlError &error, bool writing);
    // The same from SQLite's own result code and message.
    static WalletError fromSqlite(int code, const QString &detail, bool writing);
    // WrongPassword, saying "or key file" where a key file is or may be part of the key.
    static WalletError wrongCredentials(bool keyFileInvolved, const QString &detail = QString());

    Kind kind() const { return m_kind; }
    bool isError() const { return m_kind != None; }
    QString detail() const { return m_detail; }
    // The kind's sentence, then the detail after a colon.
    QString message() const;

private:
    Kind m_kind = None;
    QString m_detail;
    bool m_keyFileInvolved = false;
};
