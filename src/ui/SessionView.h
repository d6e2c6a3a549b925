#pragma once

#include <QObject>
#include <QString>

class CardListPane;
class DetailView;
class QWidget;
class UnlockView;
class WalletSession;

// The middle of the window as the session stands: the card panes while the wallet is unlocked, the
// unlock view while it is locked (which unlocks by itself), the welcome page without a wallet. Fills the panes when the
// wallet opens (showing again the card shown before a lock), empties them when it locks or closes, and reads the list
// again around the card shown when many cards changed at once.
class SessionView : public QObject
{
    Q_OBJECT

public:
    // panes holds list and detail.
    SessionView(WalletSession &session, QWidget *panes, CardListPane *list, DetailView *detail, UnlockView *unlock,
                QWidget *welcome, QWidget *window);

private:
    void walletOpened();
    void walletLocked();
    void walletClosed();
    void reloadKeepingSelection();
    void showPanes(bool unlocked);

    WalletSession &m_session;
    QWidget *const m_panes;
    CardListPane *const m_list;
    DetailView *const m_detail;
    UnlockView *const m_unlock;
    QWidget *const m_welcome;
    QWidget *const m_window;
    // The card shown when the wallet was locked, shown again after unlocking.
    QString m_cardBeforeLock;
};
