#pragma once

#include <QFrame>

class WalletSession;

// The bar above the cards of a wallet in the phone app's format, offering the upgrade to the hardened
// one. It shows for each wallet until the user dismisses it there; the dismissal is remembered per
// wallet path in the settings.
class UpgradeBar : public QFrame
{
    Q_OBJECT

public:
    explicit UpgradeBar(WalletSession &session, QWidget *parent = nullptr);

signals:
    void upgradeRequested();

private:
    void showForWallet();
    void dismiss();

    WalletSession &m_session;
};
