#pragma once

#include <QDialog>
#include <QFutureWatcher>

#include <memory>

class WalletSession;

namespace Ui {
class ChangePasswordDialog;
}

// Checks the old password and re-keys the open wallet on a worker thread behind a progress page.
// When the re-key fails the dialog says so and the old password stays in force.
class ChangePasswordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ChangePasswordDialog(WalletSession &session, QWidget *parent = nullptr);
    ~ChangePasswordDialog() override;

public slots:
    void done(int r) override;
    void passwordChanged();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showError(const QString &message);

    const std::unique_ptr<Ui::ChangePasswordDialog> m_ui;
    WalletSession &m_session;
    QFutureWatcher<bool> m_watcher;
    int m_pendingResult = QDialog::Rejected;
};
