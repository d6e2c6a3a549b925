#include "ui/UpgradeBar.h"

#include "session/WalletSession.h"
#include "store/CardDb.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

namespace {

const QString dismissedKey = QStringLiteral("upgradeOfferDismissed");

QString settingsName(const QString &walletPath)
{
    return QFileInfo(walletPath).absoluteFilePath();
}

} // namespace

UpgradeBar::UpgradeBar(WalletSession &session, QWidget *parent)
    : QFrame(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("upgradeBar"));
    setFrameShape(QFrame::StyledPanel);
    // As tall as its text, never a share of the window's height; tinted like a notice.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    setAutoFillBackground(true);
    QPalette tint = palette();
    tint.setColor(QPalette::Window, QColor(0xff, 0xf4, 0xce));
    tint.setColor(QPalette::WindowText, QColor(0x3d, 0x2e, 0x00));
    setPalette(tint);
    auto *text = new QLabel(tr("This wallet uses the older format the phone app reads, which is far weaker "
                               "against a stolen copy."),
                            this);
    text->setWordWrap(true);
    auto *upgrade = new QPushButton(tr("Upgrade…"), this);
    upgrade->setObjectName(QStringLiteral("upgradeButton"));
    auto *dismiss = new QPushButton(tr("Dismiss"), this);
    dismiss->setObjectName(QStringLiteral("dismissButton"));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addWidget(upgrade);
    layout->addWidget(dismiss);
    hide();

    connect(upgrade, &QPushButton::clicked, this, &UpgradeBar::upgradeRequested);
    connect(dismiss, &QPushButton::clicked, this, &UpgradeBar::dismiss);
    connect(&m_session, &WalletSession::opened, this, &UpgradeBar::showForWallet);
    connect(&m_session, &WalletSession::conversionDone, this, &UpgradeBar::showForWallet);
    connect(&m_session, &WalletSession::locked, this, &QWidget::hide);
    connect(&m_session, &WalletSession::closed, this, &QWidget::hide);
}

void UpgradeBar::showForWallet()
{
    const bool dismissed = QSettings().value(dismissedKey).toStringList().contains(settingsName(m_session.path()));
    setVisible(m_session.isWritable() && !dismissed
               && m_session.walletInfo().format == WalletFormat::compatibleVersion);
}

void UpgradeBar::dismiss()
{
    QSettings settings;
    QStringList dismissed = settings.value(dismissedKey).toStringList();
    dismissed.append(settingsName(m_session.path()));
    settings.setValue(dismissedKey, dismissed);
    hide();
}
