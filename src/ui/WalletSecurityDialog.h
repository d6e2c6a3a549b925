#pragma once

#include "store/NewWalletOptions.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class WalletSession;

// File > Wallet Security…: the open wallet's format, key derivation and key file, and its conversion
// to the other format, which asks the password again, keeps a backup first and runs on a worker while
// the dialog waits. A wallet that requires a key file stays hardened: the phone app's format has none.
class WalletSecurityDialog : public QDialog
{
    Q_OBJECT

public:
    // A wallet upgraded to the hardened format gets hardenedKdf.
    WalletSecurityDialog(WalletSession &session, const Argon2Settings &hardenedKdf, QWidget *parent = nullptr);

public slots:
    void done(int r) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showWallet();
    void convert();
    void conversionDone(bool converted);
    void setConverting(bool converting);

    WalletSession &m_session;
    const Argon2Settings m_hardenedKdf;
    bool m_hardened = false;
    bool m_converting = false;
    QLabel *m_format;
    QLabel *m_kdf;
    QLabel *m_keyFileRequired;
    QLabel *m_advice;
    QLineEdit *m_password;
    QPushButton *m_convert;
    QProgressBar *m_busy;
    QLabel *m_outcome;
};
