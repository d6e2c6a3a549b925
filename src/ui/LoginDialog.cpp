#include "ui/LoginDialog.h"

#include "session/WalletSession.h"
#include "ui_LoginDialog.h"

#include <QCloseEvent>
#include <QtConcurrent>

LoginDialog::LoginDialog(WalletSession &session, const QString &path, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::LoginDialog>())
    , m_session(session)
    , m_path(path)
{
    m_ui->setupUi(this);
    m_ui->errorLabel->hide();
    m_ui->promptLabel->setText(tr("Please enter the password of the Tessera database \"%1\".").arg(path));
    connect(&m_watcher, &QFutureWatcher<bool>::finished, this, &LoginDialog::openingDone);
}

LoginDialog::~LoginDialog()
{
    m_watcher.waitForFinished();
}

void LoginDialog::done(int r)
{
    if (r != QDialog::Accepted) {
        if (!m_watcher.isRunning())
            QDialog::done(r);
        return;
    }
    if (m_watcher.isRunning())
        return;
    m_pendingResult = QDialog::Accepted;
    m_ui->stackedWidget->setCurrentIndex(1);
    WalletSession *session = &m_session;
    m_watcher.setFuture(QtConcurrent::run(
        [session, path = m_path, password = m_ui->passwordEdit->text()] { return session->unlock(path, password); }));
}

void LoginDialog::openingDone()
{
    if (m_watcher.result()) {
        QDialog::done(m_pendingResult);
        return;
    }
    const WalletError error = m_session.lastError();
    m_ui->errorLabel->setText(error.kind() == WalletError::WrongPassword ? tr("Invalid password. Try again!")
                                                                         : error.message());
    m_ui->errorLabel->show();
    m_ui->passwordEdit->clear();
    m_ui->stackedWidget->setCurrentIndex(0);
    m_ui->passwordEdit->setFocus();
}

void LoginDialog::closeEvent(QCloseEvent *event)
{
    if (m_watcher.isRunning())
        event->ignore();
    else
        event->accept();
}
