#include "store/WalletError.h"

#include <QSqlError>

namespace {

// SQLite's primary result codes; Qt reports them as the native error code.
enum SqliteCode {
    SqliteBusy = 5,
    SqliteLocked = 6,
    SqliteReadOnly = 8,
    SqliteIoError = 10,
    SqliteCorrupt = 11,
    SqliteFull = 13,
    SqliteCantOpen = 14,
    SqliteNotADatabase = 26,
};

} // namespace

WalletError::WalletError(Kind kind, const QString &detail)
    : m_kind(kind)
    , m_detail(detail)
{
}

WalletError WalletError::fromSql(const QSqlError &error, bool writing)
{
    const QString detail = error.databaseText();
    return fromSqlite(error.nativeErrorCode().toInt(), detail.isEmpty() ? error.text() : detail, writing);
}

WalletError WalletError::fromSqlite(int code, const QString &detail, bool writing)
{
    switch (code & 0xff) {
    case SqliteBusy:
    case SqliteLocked:
        return WalletError(Busy);
    case SqliteReadOnly:
        return WalletError(ReadOnly, detail);
    case SqliteFull:
        return WalletError(WriteFailed, tr("the disk is full"));
    case SqliteCorrupt:
        return WalletError(Damaged, detail);
    case SqliteNotADatabase:
        return WalletError(NotAWallet);
    case SqliteCantOpen:
        return WalletError(Unreadable, detail);
    case SqliteIoError:
        return WalletError(writing ? WriteFailed : Unreadable, detail);
    default:
        return WalletError(writing ? WriteFailed : Damaged, detail);
    }
}

WalletError WalletError::wrongCredentials(bool keyFileInvolved, const QString &detail)
{
    WalletError error(WrongPassword, detail);
    error.m_keyFileInvolved = keyFileInvolved;
    return error;
}

QString WalletError::message() const
{
    QString text;
    switch (m_kind) {
    case None:
        return QString();
    case Missing:
        text = tr("no such file");
        break;
    case NotAFile:
        text = tr("not a regular file");
        break;
    case Unreadable:
        text = tr("cannot read the file");
        break;
    case NotAWallet:
        text = tr("not a Tessera wallet");
        break;
    case NewerFormat:
        text = tr("newer wallet version; update Tessera to open it");
        break;
    case OlderFormat:
        text = tr("unsupported (older) wallet version");
        break;
    case Busy:
        text = tr("the wallet is in use by another program");
        break;
    case WrongPassword:
        text = m_keyFileInvolved ? tr("wrong password or key file") : tr("wrong password");
        break;
    case Damaged:
        text = tr("damaged wallet");
        break;
    case ReadOnly:
        text = tr("file is read-only");
        break;
    case WriteFailed:
        text = tr("cannot write the wallet");
        break;
    case PasswordChanged:
        text = tr("the password was changed by another program; open the wallet again");
        break;
    case CardGone:
        text = tr("the card is no longer in the wallet; another program deleted or moved it");
        break;
    case BackupUnreadable:
        text = tr("cannot read the backup");
        break;
    case BackupNotWritten:
        text = tr("cannot write the backup");
        break;
    case ServerUnreachable:
        text = tr("cannot reach the server");
        break;
    case ServerRefused:
        text = tr("the server refused");
        break;
    case ServerUntrusted:
        text = tr("the connection to the server cannot be trusted");
        break;
    }
    return m_detail.isEmpty() ? text : tr("%1: %2").arg(text, m_detail);
}
