#pragma once

#include "store/NewWalletOptions.h"

#include <QDialog>

#include <memory>

class KeyFileField;
class QCheckBox;

namespace Ui {
class NewWalletDialog;
}

// Asks for the unlock password of a new wallet, twice, and its format: hardened (with the key
// derivation settings its creator gives, and optionally a key file), or readable by the phone app. A
// meter shows how hard the password is to guess; a weak one is taken only once the user confirms it.
class NewWalletDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NewWalletDialog(const Argon2Settings &kdf, QWidget *parent = nullptr);
    ~NewWalletDialog() override;

signals:
    // keyFilePath is empty for none.
    void chosen(const QString &password, const QString &keyFilePath, const NewWalletOptions &options);

public slots:
    void done(int r) override;

private:
    const std::unique_ptr<Ui::NewWalletDialog> m_ui;
    const Argon2Settings m_kdf;
    QCheckBox *m_compatible;
    KeyFileField *m_keyFile;
    bool m_weakPasswordAccepted = false;
};
