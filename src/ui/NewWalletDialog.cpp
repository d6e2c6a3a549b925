#include "ui/NewWalletDialog.h"

#include "ui_NewWalletDialog.h"

NewWalletDialog::NewWalletDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::NewWalletDialog>())
{
    m_ui->setupUi(this);
    m_ui->errorLabel->hide();
}

NewWalletDialog::~NewWalletDialog() = default;

void NewWalletDialog::done(int r)
{
    if (r != QDialog::Accepted) {
        QDialog::done(r);
        return;
    }
    const QString password = m_ui->newPasswordEdit->text();
    const QString confirmation = m_ui->confirmPasswordEdit->text();
    if (password.isEmpty() || confirmation.isEmpty()) {
        m_ui->errorLabel->setText(tr("Password can not be empty!"));
        m_ui->errorLabel->show();
        return;
    }
    if (password != confirmation) {
        m_ui->errorLabel->setText(tr("Passwords didn't match!"));
        m_ui->errorLabel->show();
        return;
    }
    QDialog::done(r);
    emit gotPassword(password);
}
