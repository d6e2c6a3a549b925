#include "ui/ChangePasswordDialog.h"

#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "ui_ChangePasswordDialog.h"

#include <QCloseEvent>

ChangePasswordDialog::ChangePasswordDialog(WalletSession &session, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::ChangePasswordDialog>())
    , m_session(session)
{
    m_ui->setupUi(this);
    m_ui->errorLabel->hide();
    connect(&m_watcher, &QFutureWatcher<bool>::finished, this, &ChangePasswordDialog::passwordChanged);
}

ChangePasswordDialog::~ChangePasswordDialog()
{
    m_watcher.waitForFinished();
}

void ChangePasswordDialog::showError(const QString &message)
{
    m_ui->errorLabel->setText(message);
    m_ui->errorLabel->show();
}

void ChangePasswordDialog::done(int r)
{
    if (m_watcher.isRunning())
        return;
    if (r != QDialog::Accepted) {
        QDialog::done(r);
        return;
    }
    const QString oldPassword = m_ui->oldPasswordEdit->text();
    const QString newPassword = m_ui->newPasswordEdit->text();
    const QString confirmation = m_ui->confirmPasswordEdit->text();
    if (oldPassword.isEmpty() || newPassword.isEmpty() || confirmation.isEmpty()) {
        showError(tr("Password can not be empty!"));
        return;
    }
    if (newPassword != confirmation) {
        showError(tr("New passwords didn't match!"));
        return;
    }
    if (!m_session.checkPassword(oldPassword)) {
        showError(tr("Incorrect old password!"));
        return;
    }
    m_pendingResult = QDialog::Accepted;
    m_ui->stackedWidget->setCurrentIndex(1);
    WalletSession *session = &m_session;
    m_watcher.setFuture(m_session.runInBackground(
        [session, oldPassword, newPassword](CardDb &) { return session->changePassword(oldPassword, newPassword); }));
}

void ChangePasswordDialog::passwordChanged()
{
    if (m_watcher.result()) {
        QDialog::done(m_pendingResult);
        return;
    }
    m_ui->stackedWidget->setCurrentIndex(0);
    showError(tr("The password could not be changed (%1). The old password is still in force.")
                  .arg(m_session.lastError().message()));
}

void ChangePasswordDialog::closeEvent(QCloseEvent *event)
{
    if (m_watcher.isRunning())
        event->ignore();
    else
        event->accept();
}
