#pragma once

#include "store/WalletError.h"

#include <QDialog>
#include <QFutureWatcher>

#include <memory>

class CardDb;
class WalletSession;

namespace Ui {
class LoginDialog;
}

// Asks for a wallet's password and unlocks it on a worker thread behind a progress page that
// cannot be closed until the worker is done.
class LoginDialog : public QDialog
{
    Q_OBJECT

public:
    LoginDialog(WalletSession &session, const QString &path, QWidget *parent = nullptr);
    ~LoginDialog() override;

public slots:
    void done(int r) override;
    void openingDone();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    const std::unique_ptr<Ui::LoginDialog> m_ui;
    WalletSession &m_session;
    const QString m_path;
    // The worker opens the wallet; the dialog hands the result to the session on its own thread.
    QFutureWatcher<CardDb *> m_watcher;
    WalletError m_openError;
    bool m_handedOver = false;
    int m_pendingResult = QDialog::Rejected;
};
