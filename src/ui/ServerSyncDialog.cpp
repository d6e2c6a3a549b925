#include "ui/ServerSyncDialog.h"

#include "ui/SecretWidgets.h"
#include "ui_ServerSyncDialog.h"

ServerSyncDialog::ServerSyncDialog(const QUrl &url, const QString &user, const QString &keyringNote, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::ServerSyncDialog>())
{
    m_ui->setupUi(this);
    m_ui->urlEdit->setText(url.toString());
    m_ui->userEdit->setText(user);
    m_ui->keyringLabel->setText(keyringNote);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ServerSyncDialog::~ServerSyncDialog()
{
    SecretWidgets::wipe(this);
}

QUrl ServerSyncDialog::url() const
{
    return QUrl(m_ui->urlEdit->text().trimmed(), QUrl::StrictMode);
}

QString ServerSyncDialog::user() const
{
    return m_ui->userEdit->text().trimmed();
}

QString ServerSyncDialog::password() const
{
    return m_ui->passwordEdit->text();
}
