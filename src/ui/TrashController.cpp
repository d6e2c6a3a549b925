#include "ui/TrashController.h"
#include "ui/MessageBox.h"

#include "store/CardDb.h"
#include "ui/CardListPane.h"
#include "ui/DetailView.h"

#include <QPushButton>

TrashController::TrashController(CardListPane *list, DetailView *detail, StoreAccess store, QWidget *window)
    : QObject(window)
    , m_list(list)
    , m_detail(detail)
    , m_store(std::move(store))
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
    CardDb *store = m_store();
    const int id = m_detail->cardId();
    if (!store || !hasCard())
        return;
    if (!store->restoreCard(id)) {
        showError(tr("The card \"%1\" could not be restored.").arg(m_detail->cardTitle()));
        return;
    }
    m_list->removedCard(id);
    emit changed();
}

void TrashController::deleteCurrentForever()
{
    if (!hasCard())
        return;
    confirm(tr("Delete Forever"),
            tr("Delete the card \"%1\" for ever? This cannot be undone.").arg(m_detail->cardTitle()),
            tr("Delete Forever"), &TrashController::purgeCurrent);
}

void TrashController::purgeCurrent()
{
    CardDb *store = m_store();
    const int id = m_detail->cardId();
    if (!store || !hasCard())
        return;
    if (!store->purgeCard(id)) {
        showError(tr("The card \"%1\" could not be deleted.").arg(m_detail->cardTitle()));
        return;
    }
    m_list->removedCard(id);
    emit changed();
}

void TrashController::emptyTrash()
{
    CardDb *store = m_store();
    if (!store)
        return;
    const auto trashed = store->cardList(CardDb::TrashedCards);
    if (!trashed) {
        showError(tr("The trash could not be read."));
        return;
    }
    if (trashed->isEmpty()) {
        MessageBox::information(m_window, tr("Empty Trash"), tr("The trash is empty."));
        return;
    }
    confirm(tr("Empty Trash"),
            tr("Delete the %n card(s) in the trash for ever? This cannot be undone.", nullptr, int(trashed->size())),
            tr("Empty Trash"), &TrashController::purgeAll);
}

void TrashController::purgeAll()
{
    CardDb *store = m_store();
    if (!store)
        return;
    if (!store->purgeTrashed())
        showError(tr("The trash could not be emptied."));
    if (isShown()) {
        m_list->reload();
        m_detail->displayCard(-1);
    }
    emit changed();
}

void TrashController::confirm(const QString &title, const QString &text, const QString &button,
                              void (TrashController::*action)())
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Cancel, m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setDefaultButton(QMessageBox::Cancel);
    QPushButton *accept = box->addButton(button, QMessageBox::AcceptRole);
    connect(accept, &QPushButton::clicked, this, action);
    MessageBox::open(box);
}

void TrashController::showError(const QString &text)
{
    CardDb *store = m_store();
    MessageBox::critical(m_window, tr("Error"),
                         QStringLiteral("%1 %2.").arg(text, store ? store->lastError().message() : QString()));
}
