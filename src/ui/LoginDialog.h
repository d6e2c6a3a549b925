#pragma once

#include <QDialog>

#include <memory>

class KeyFileField;
class UnlockJob;
class WalletSession;

namespace Ui {
class LoginDialog;
}

// Asks for a wallet's password (and key file) and unlocks it on a worker thread behind a progress page
// that cannot be closed until the worker is done.
class LoginDialog : public QDialog
{
    Q_OBJECT

public:
    LoginDialog(WalletSession &session, const QString &path, QWidget *parent = nullptr);
    ~LoginDialog() override;

public slots:
    void done(int r) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void openingDone(bool unlocked);

    const std::unique_ptr<Ui::LoginDialog> m_ui;
    WalletSession &m_session;
    const QString m_path;
    KeyFileField *m_keyFile;
    UnlockJob *m_job;
};
