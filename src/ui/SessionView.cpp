#include "ui/SessionView.h"

#include "session/WalletSession.h"
#include "ui/CardListPane.h"
#include "ui/DetailView.h"
#include "ui/MessageBox.h"
#include "ui/UnlockView.h"

SessionView::SessionView(WalletSession &session, QWidget *panes, CardListPane *list, DetailView *detail,
                         UnlockView *unlock, QWidget *welcome, QWidget *window)
    : QObject(window)
    , m_session(session)
    , m_panes(panes)
    , m_list(list)
    , m_detail(detail)
    , m_unlock(unlock)
    , m_welcome(welcome)
    , m_window(window)
{
    m_list->setSession(&session);
    m_detail->setSession(&session);
    connect(m_list, &CardListPane::cardSelected, m_detail, &DetailView::displayCard);
    connect(&session, &WalletSession::opened, this, &SessionView::walletOpened);
    connect(&session, &WalletSession::locked, this, &SessionView::walletLocked);
    connect(&session, &WalletSession::closed, this, &SessionView::walletClosed);
    connect(&session, &WalletSession::cardsChanged, this, &SessionView::reloadKeepingSelection);
    showPanes(false);
    m_unlock->hide();
    m_welcome->show();
}

void SessionView::walletOpened()
{
    m_list->reload();
    m_detail->displayCard(-1);
    showPanes(true);
    if (!m_cardBeforeLock.isEmpty())
        m_list->selectCard(m_session.cardIdForUuid(m_cardBeforeLock));
    m_cardBeforeLock.clear();
    m_list->focusSearch();
}

void SessionView::walletLocked()
{
    m_cardBeforeLock = m_detail->cardUuid();
    m_list->clear();
    m_detail->displayCard(-1);
    showPanes(false);
    m_welcome->hide();
    m_unlock->show();
    m_unlock->showWallet(m_session.path());
}

void SessionView::walletClosed()
{
    m_cardBeforeLock.clear();
    m_list->clear();
    m_detail->displayCard(-1);
    showPanes(false);
    m_unlock->hide();
    m_welcome->show();
}

void SessionView::reloadKeepingSelection()
{
    const QString shown = m_detail->cardUuid();
    if (!m_list->reload())
        MessageBox::storeError(m_window, tr("The cards of \"%1\" cannot be read:").arg(m_session.path()),
                               m_session.lastError());
    m_list->selectCard(m_session.cardIdForUuid(shown));
}

void SessionView::showPanes(bool unlocked)
{
    m_panes->setVisible(unlocked);
    if (unlocked) {
        m_unlock->hide();
        m_welcome->hide();
    }
}
