#include "ui/UnlockView.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

UnlockView::UnlockView(QWidget *parent)
    : QWidget(parent)
    , m_title(new QLabel(this))
    , m_password(new QLineEdit(this))
    , m_error(new QLabel(this))
{
    auto *button = new QPushButton(tr("Unlock"), this);
    m_title->setAlignment(Qt::AlignCenter);
    QFont bigger = m_title->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.4);
    m_title->setFont(bigger);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setPlaceholderText(tr("Password"));
    m_password->setMaximumWidth(320);
    m_password->setObjectName(QStringLiteral("unlockPassword"));
    m_error->setObjectName(QStringLiteral("unlockError"));
    m_error->setAlignment(Qt::AlignCenter);
    m_error->setStyleSheet(QStringLiteral("color: #b00020;"));
    m_error->hide();

    auto *layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(m_title);
    layout->addWidget(new QLabel(tr("This wallet is locked. Enter its password to unlock it."), this), 0,
                      Qt::AlignHCenter);
    layout->addWidget(m_password, 0, Qt::AlignHCenter);
    layout->addWidget(button, 0, Qt::AlignHCenter);
    layout->addWidget(m_error);
    layout->addStretch(3);

    connect(m_password, &QLineEdit::returnPressed, this, &UnlockView::submit);
    connect(button, &QPushButton::clicked, this, &UnlockView::submit);
}

void UnlockView::showWallet(const QString &path)
{
    m_title->setText(QFileInfo(path).fileName());
    m_error->hide();
    m_password->clear();
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
    m_password->clear();
    if (!password.isEmpty())
        emit unlockRequested(password);
}
