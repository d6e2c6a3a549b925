#include "ui/UnlockView.h"

#include "session/WalletSession.h"
#include "ui/KeyFileField.h"
#include "ui/UnlockJob.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

UnlockView::UnlockView(WalletSession &session, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_job(new UnlockJob(session, this))
    , m_title(new QLabel(this))
    , m_password(new QLineEdit(this))
    , m_keyFile(new KeyFileField(this))
    , m_button(new QPushButton(tr("Unlock"), this))
    , m_error(new QLabel(this))
    , m_unlocking(new QLabel(tr("Unlocking…"), this))
    , m_busy(new QProgressBar(this))
{
    m_title->setAlignment(Qt::AlignCenter);
    QFont bigger = m_title->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.4);
    m_title->setFont(bigger);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setPlaceholderText(tr("Password"));
    m_password->setMaximumWidth(320);
    m_password->setObjectName(QStringLiteral("unlockPassword"));
    m_keyFile->setMaximumWidth(320);
    m_keyFile->setToolTip(tr("The key file this wallet requires besides its password, if any"));
    m_error->setObjectName(QStringLiteral("unlockError"));
    m_error->setAlignment(Qt::AlignCenter);
    m_error->setStyleSheet(QStringLiteral("color: #b00020;"));
    m_error->hide();
    m_unlocking->setObjectName(QStringLiteral("unlocking"));
    m_busy->setRange(0, 0);
    m_busy->setTextVisible(false);
    m_busy->setMaximumWidth(320);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(m_title);
    layout->addWidget(new QLabel(tr("This wallet is locked. Enter its password to unlock it."), this), 0,
                      Qt::AlignHCenter);
    layout->addWidget(m_password, 0, Qt::AlignHCenter);
    layout->addWidget(m_keyFile, 0, Qt::AlignHCenter);
    layout->addWidget(m_button, 0, Qt::AlignHCenter);
    layout->addWidget(m_unlocking, 0, Qt::AlignHCenter);
    layout->addWidget(m_busy, 0, Qt::AlignHCenter);
    layout->addWidget(m_error);
    auto *other = new QPushButton(tr("Open Another Wallet…"), this);
    other->setObjectName(QStringLiteral("otherWallet"));
    other->setFlat(true);
    layout->addWidget(other, 0, Qt::AlignHCenter);
    layout->addStretch(3);
    setUnlocking(false);

    connect(m_password, &QLineEdit::returnPressed, this, &UnlockView::submit);
    connect(m_button, &QPushButton::clicked, this, &UnlockView::submit);
    connect(m_job, &UnlockJob::finished, this, &UnlockView::unlockFinished);
    connect(other, &QPushButton::clicked, this, &UnlockView::otherWalletRequested);
}

void UnlockView::showWallet(const QString &path)
{
    m_title->setText(QFileInfo(path).fileName());
    m_error->hide();
    m_password->clear();
    m_keyFile->setVisible(KeyFileField::requiredBy(path));
    m_keyFile->recall(path);
    m_password->setFocus(Qt::OtherFocusReason);
}

void UnlockView::showError(const QString &message)
{
    m_error->setText(message);
    m_error->show();
    m_password->clear();
    m_password->setFocus(Qt::OtherFocusReason);
}

void UnlockView::submit()
{
    const QString password = m_password->text();
    if (password.isEmpty() || m_job->isRunning() || m_session.path().isEmpty())
        return;
    m_password->clear();
    m_error->hide();
    setUnlocking(true);
    m_job->start(m_session.path(), password, !m_keyFile->isHidden() ? m_keyFile->path() : QString());
}

void UnlockView::unlockFinished(bool unlocked)
{
    setUnlocking(false);
    if (unlocked)
        m_keyFile->remember(m_session.path());
    else
        showError(UnlockJob::failureText(m_session.lastError()));
}

void UnlockView::setUnlocking(bool unlocking)
{
    m_password->setEnabled(!unlocking);
    m_keyFile->setEnabled(!unlocking);
    m_button->setEnabled(!unlocking);
    m_unlocking->setVisible(unlocking);
    m_busy->setVisible(unlocking);
}
