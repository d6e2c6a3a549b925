#include "ui/LoginDialog.h"

#include "session/WalletSession.h"
#include "store/CardDb.h"
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
    m_ui->promptLabel->setText(tr("Please enter the password of the Tessera wallet \"%1\".").arg(path));
    connect(&m_watcher, &QFutureWatcher<CardDb *>::finished, this, &LoginDialog::openingDone);
}

LoginDialog::~LoginDialog()
{
    m_watcher.waitForFinished();
    // A wallet opened for a dialog that went before it could hand it over.
    if (!m_handedOver && m_watcher.future().resultCount() > 0)
        delete m_watcher.result();
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
    m_handedOver = false;
    m_ui->stackedWidget->setCurrentIndex(1);
    m_watcher.setFuture(QtConcurrent::run([this, path = m_path, password = m_ui->passwordEdit->text()] {
        return WalletSession::openStore(path, password, &m_openError).release();
    }));
}

void LoginDialog::openingDone()
{
    m_handedOver = true;
    if (m_session.install(m_path, std::unique_ptr<CardDb>(m_watcher.result()), m_openError)) {
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
