#include "ui/TrashController.h"

#include "session/WalletSession.h"
#include "ui/CardListPane.h"
#include "ui/DetailView.h"
#include "ui/MessageBox.h"

TrashController::TrashController(WalletSession &session, CardListPane *list, DetailView *detail, QWidget *window)
    : QObject(window)
    , m_session(session)
    , m_list(list)
    , m_detail(detail)
    , m_window(window)
{
    connect(m_detail, &DetailView::restoreRequested, this, &TrashController::restoreCurrent);
    connect(m_detail, &DetailView::deleteForeverRequested, this, &TrashController::deleteCurrentForever);
}

bool TrashController::isShown() const
{
    return m_list->showsTrash();
}

bool TrashController::hasCard() const
{
    return isShown() && m_detail->hasCard();
}

void TrashController::setShown(bool shown)
{
    if (shown == isShown())
        return;
    m_detail->setTrashMode(shown);
    m_list->showTrash(shown);
    emit changed();
}

void TrashController::restoreCurrent()
{
    if (!hasCard())
        return;
    if (!m_session.restoreCard(m_detail->cardId()))
        showError(tr("The card \"%1\" could not be restored.").arg(m_detail->cardTitle()));
    emit changed();
}

void TrashController::deleteCurrentForever()
{
    if (!hasCard())
        return;
    MessageBox::confirm(m_window, tr("Delete Forever"),
                        tr("Delete the card \"%1\" for ever? This cannot be undone.").arg(m_detail->cardTitle()),
                        tr("Delete Forever"), [this] { purgeCurrent(); });
}

void TrashController::purgeCurrent()
{
    if (!hasCard())
        return;
    if (!m_session.purgeCard(m_detail->cardId()))
        showError(tr("The card \"%1\" could not be deleted.").arg(m_detail->cardTitle()));
    emit changed();
}

void TrashController::emptyTrash()
{
    if (!m_session.isUnlocked())
        return;
    const auto trashed = m_session.cardList(CardTable::TrashedCards);
    if (!trashed) {
        showError(tr("The trash could not be read."));
        return;
    }
    if (trashed->isEmpty()) {
        MessageBox::information(m_window, tr("Empty Trash"), tr("The trash is empty."));
        return;
    }
    MessageBox::confirm(
        m_window, tr("Empty Trash"),
        tr("Delete the %n card(s) in the trash for ever? This cannot be undone.", nullptr, int(trashed->size())),
        tr("Empty Trash"), [this] { purgeAll(); });
}

void TrashController::purgeAll()
{
    if (m_session.isUnlocked() && !m_session.emptyTrash())
        showError(tr("The trash could not be emptied."));
    emit changed();
}

void TrashController::showError(const QString &text)
{
    MessageBox::storeError(m_window, text, m_session.lastError());
}
