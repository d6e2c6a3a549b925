#include "ui/LoginDialog.h"

#include "session/WalletSession.h"
#include "ui/KeyFileField.h"
#include "ui/UnlockJob.h"
#include "ui_LoginDialog.h"

#include <QCloseEvent>

LoginDialog::LoginDialog(WalletSession &session, const QString &path, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::LoginDialog>())
    , m_session(session)
    , m_path(path)
    , m_keyFile(new KeyFileField(this))
    , m_job(new UnlockJob(session, this))
{
    m_ui->setupUi(this);
    if (KeyFileField::requiredBy(path))
        m_ui->formLayout->addRow(tr("Key File"), m_keyFile);
    else
        m_keyFile->hide();
    m_keyFile->recall(path);
    m_ui->errorLabel->hide();
    m_ui->promptLabel->setText(tr("Please enter the password of the Tessera wallet \"%1\".").arg(path));
    connect(m_job, &UnlockJob::finished, this, &LoginDialog::openingDone);
}

LoginDialog::~LoginDialog() = default;

void LoginDialog::done(int r)
{
    if (m_job->isRunning())
        return;
    if (r != QDialog::Accepted) {
        QDialog::done(r);
        return;
    }
    m_ui->stackedWidget->setCurrentIndex(1);
    m_job->start(m_path, m_ui->passwordEdit->text(), m_keyFile->isHidden() ? QString() : m_keyFile->path());
}

void LoginDialog::openingDone(bool unlocked)
{
    if (unlocked) {
        m_keyFile->remember(m_path);
        QDialog::done(QDialog::Accepted);
        return;
    }
    m_ui->errorLabel->setText(UnlockJob::failureText(m_session.lastError()));
    m_ui->errorLabel->show();
    m_ui->passwordEdit->clear();
    m_ui->stackedWidget->setCurrentIndex(0);
    m_ui->passwordEdit->setFocus();
}

void LoginDialog::closeEvent(QCloseEvent *event)
{
    if (m_job->isRunning())
        event->ignore();
    else
        event->accept();
}
