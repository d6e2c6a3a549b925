#include "cli/NewKeyFile.h"

#include "cli/Console.h"
#include "store/WalletCredentials.h"

#include <QFile>
#include <QFileInfo>

bool NewKeyFile::prepare(const QString &walletPath, const QString &path, Console &console)
{
    m_walletPath = walletPath;
    m_path = path;
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    const WalletError error = KeyFile::read(path, &m_bytes);
    if (error.isError())
        console.fail(walletPath, error.message());
    return !error.isError();
}

bool NewKeyFile::obtain(Console &console, QByteArray *bytes)
{
    if (m_path.isEmpty())
        return true;
    if (m_bytes.isEmpty()) {
        WalletError error = KeyFile::create(m_path);
        m_made = !error.isError();
        if (m_made)
            error = KeyFile::read(m_path, &m_bytes);
        if (error.isError()) {
            takeBack();
            console.fail(m_walletPath, error.message());
            return false;
        }
        console.error(tr("%1: a new key file; keep a copy of it apart from the wallet, which does not open "
                         "without it")
                          .arg(m_path));
    }
    *bytes = m_bytes;
    return true;
}

void NewKeyFile::takeBack()
{
    if (m_made)
        QFile::remove(m_path);
    m_made = false;
}
