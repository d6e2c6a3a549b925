#pragma once

#include "import/ImportFormats.h"
#include "store/NewWalletOptions.h"

#include <QObject>
#include <QString>

class QAction;
class QSettings;
class QWidget;
class WalletSession;

// The commands on wallet files: open, create, save a copy, change the password, its security settings,
// import into and export from the open wallet. It remembers the folders the user last opened and saved in.
class WalletCommands : public QObject
{
    Q_OBJECT

public:
    WalletCommands(WalletSession &session, QWidget *window);

    void loadSettings(const QSettings &settings);
    void saveSettings(QSettings &settings) const;
    // The key derivation of hardened wallets made here: the default cost, unless a test wants less.
    void setNewWalletKdf(const Argon2Settings &kdf) { m_newWalletKdf = kdf; }
    // File > Wallet Security…, enabled while a wallet is unlocked.
    QAction *walletSecurityAction() const { return m_securityAction; }

public slots:
    void open();
    // Asks for the password of the wallet at path, after making sure it is one this program can open.
    void openFile(const QString &path);
    void create();
    // Creates a wallet, then imports another password manager's export into it.
    void importIntoNewWallet();
    void saveCopy();
    void changePassword();
    void walletSecurity();
    void exportCards();
    // Asks for an export, shows what importing it would add and imports it when the user agrees.
    void importCards();

private:
    // Asks for the new wallet's password and options; then follows with an import if asked to.
    void askForNewWallet(bool thenImport);
    bool createWallet(const QString &password, const QString &keyFilePath, const NewWalletOptions &options);
    // Asks where to save; empty when the user cancelled or the folder cannot be written.
    QString chooseSavePath(const QString &caption, const QString &errorText);
    void showError(const QString &title, const QString &text);
    void importFile(const QString &path, ImportFormats::Format format);

    WalletSession &m_session;
    QWidget *const m_window;
    QString m_openFolder;
    QString m_saveFolder;
    Argon2Settings m_newWalletKdf;
    QAction *const m_securityAction;
};
