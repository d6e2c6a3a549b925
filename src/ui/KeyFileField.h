#pragma once

#include "store/WalletCredentials.h"

#include <QWidget>

class QLineEdit;

// Where a wallet's key file is, for a wallet that requires one besides its password: a path typed or
// chosen with Browse…, and where a new wallet is made, a new key file created with Create…. Only the
// path is remembered, per wallet, in the settings: the path is no secret, the file's bytes are.
class KeyFileField : public QWidget
{
    Q_OBJECT

public:
    enum Mode { ChooseExisting, ChooseOrCreate };

    explicit KeyFileField(QWidget *parent = nullptr, Mode mode = ChooseExisting);

    QString path() const;
    void setPath(const QString &path);
    // Puts in the field the key file last used with the wallet at walletPath, if any.
    void recall(const QString &walletPath);
    // Remembers the field's key file for the wallet at walletPath; an empty field forgets it.
    void remember(const QString &walletPath) const { remember(walletPath, path()); }
    static void remember(const QString &walletPath, const QString &keyFilePath);
    // Whether the wallet at walletPath requires a key file, as its file says without the password; a
    // file that cannot be read may.
    static bool requiredBy(const QString &walletPath);
    // The password with the bytes of the key file named, if one is. Safe on any thread.
    static WalletError credentials(const QString &password, const QString &keyFilePath, WalletCredentials *credentials);

private:
    void browse();
    void createKeyFile();

    QLineEdit *m_path;
};
