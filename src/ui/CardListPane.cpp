#include "ui/CardListPane.h"

#include "model/Card.h"
#include "password/PasswordFields.h"
#include "session/SessionSearchIndex.h"
#include "session/WalletSession.h"
#include "ui/CardFilterProxy.h"
#include "ui/CardListModel.h"
#include "ui_CardListPane.h"

#include <QAction>
#include <QLabel>
#include <QToolTip>

CardListPane::CardListPane(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CardListPane>())
{
    m_ui->setupUi(this);
    m_ui->listView->setAttribute(Qt::WA_MacShowFocusRect, false);
    m_ui->searchEdit->setAttribute(Qt::WA_MacShowFocusRect, false);
    connect(m_ui->listView, &CardListView::currentIndexChanged, this, &CardListPane::handleSelection);
    connect(m_ui->searchEdit, &QLineEdit::textChanged, this, &CardListPane::applyFilter);
    connect(m_ui->searchEdit, &SearchEdit::downPressed, this, &CardListPane::enterList);
    auto *find = new QAction(tr("Find"), this);
    find->setObjectName(QStringLiteral("actionFind"));
    find->setShortcuts(QKeySequence::Find);
    connect(find, &QAction::triggered, this, &CardListPane::focusSearch);
    addAction(find);
    auto *copy = new QAction(tr("Copy Password of the Selected or First Card"), m_ui->searchEdit);
    copy->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &CardListPane::copyPassword);
    m_ui->searchEdit->QWidget::addAction(copy);
    m_ui->matchCount->hide();
    m_ui->noMatchPage->hide();
    m_trashBanner = new QLabel(tr("Trash"), this);
    m_trashBanner->setObjectName(QStringLiteral("trashBanner"));
    m_trashBanner->setAlignment(Qt::AlignCenter);
    m_trashBanner->setStyleSheet(QStringLiteral("QLabel{background-color: #8a8a8a; color: #fff; padding: 4px; "
                                                "font-weight: bold;}"));
    m_trashBanner->hide();
    m_ui->verticalLayout->insertWidget(0, m_trashBanner);
}

void CardListPane::setSession(WalletSession *session)
{
    m_session = session;
    m_index = new SessionSearchIndex(*session, this);
    connect(m_index, &SessionSearchIndex::ready, this, [this] {
        if (m_proxy)
            m_proxy->indexReady();
    });
    connect(session, &WalletSession::cardAdded, this, &CardListPane::addCard);
    connect(session, &WalletSession::cardUpdated, this, &CardListPane::updateCard);
    connect(session, &WalletSession::cardRemoved, this, &CardListPane::removedCard);
}

void CardListPane::showTrash(bool trash)
{
    m_trash = trash;
    m_trashBanner->setVisible(trash);
    if (m_session && m_session->isUnlocked())
        reload();
}

// The list's models go first: the index they filter through is a child made before them.
CardListPane::~CardListPane()
{
    delete m_proxy;
    delete m_model;
}

bool CardListPane::reload()
{
    dropList();
    if (!m_session)
        return true;
    // The list first; the index follows off this thread, and a search typed meanwhile runs when it is ready.
    m_model = new CardListModel(m_session, m_trash, this);
    m_proxy = new CardFilterProxy(m_model, m_index->index(), this);
    connect(m_proxy, &QAbstractItemModel::layoutChanged, this, &CardListPane::showMatches);
    connect(m_proxy, &QAbstractItemModel::rowsInserted, this, &CardListPane::showMatches);
    connect(m_proxy, &QAbstractItemModel::rowsRemoved, this, &CardListPane::showMatches);
    m_index->rebuild(m_trash);
    m_ui->listView->setModel(m_proxy);
    // A search typed before the list was rebuilt (by an import, say) keeps filtering it.
    applyFilter(m_ui->searchEdit->text());
    return m_model->isReadable();
}

void CardListPane::clear()
{
    dropList();
    if (m_index)
        m_index->clear();
    m_ui->searchEdit->clear();
}

void CardListPane::dropList()
{
    if (!m_model)
        return;
    m_ui->listView->setModel(nullptr);
    m_proxy->disconnect(this);
    // Deferred, so that signals still being delivered never reach freed models.
    m_proxy->deleteLater();
    m_model->deleteLater();
    m_proxy = nullptr;
    m_model = nullptr;
}

void CardListPane::focusSearch()
{
    m_ui->searchEdit->setFocus(Qt::ShortcutFocusReason);
    m_ui->searchEdit->selectAll();
}

void CardListPane::applyFilter(const QString &text)
{
    if (m_proxy) {
        const bool hadCurrent = m_ui->listView->currentIndex().isValid();
        m_proxy->setQuery(SearchQuery(text));
        // The view says nothing when a search hides its current card; the card pane empties all the same.
        if (hadCurrent && !m_ui->listView->currentIndex().isValid())
            handleSelection(QModelIndex());
    }
    showMatches();
}

void CardListPane::showMatches()
{
    const QString text = m_ui->searchEdit->text();
    const int count = m_proxy && !text.isEmpty() ? m_proxy->rowCount() : -1;
    m_ui->matchCount->setText(tr("%n cards match", nullptr, count));
    m_ui->matchCount->setVisible(count > 0);
    const QString shortened = m_ui->noMatchPage->fontMetrics().elidedText(text.simplified(), Qt::ElideMiddle, 300);
    m_ui->noMatchPage->setText(tr("No card matches “%1”").arg(shortened));
    m_ui->noMatchPage->setVisible(count == 0);
    m_ui->listView->setVisible(count != 0);
}

void CardListPane::enterList()
{
    if (!m_proxy || m_proxy->rowCount() == 0)
        return;
    if (!m_ui->listView->currentIndex().isValid())
        m_ui->listView->setCurrentIndex(m_proxy->index(0, 0));
    m_ui->listView->setFocus(Qt::OtherFocusReason);
}

void CardListPane::copyPassword()
{
    if (!m_proxy || !m_session || m_proxy->rowCount() == 0)
        return;
    if (!m_ui->listView->currentIndex().isValid())
        m_ui->listView->setCurrentIndex(m_proxy->index(0, 0));
    const auto card = m_session->card(m_proxy->cardId(m_ui->listView->currentIndex()));
    const Field *password = card ? PasswordFields::primary(*card) : nullptr;
    if (!password)
        return;
    emit copyRequested(password->value(), tr("Password"));
    QToolTip::showText(m_ui->searchEdit->mapToGlobal(QPoint(0, m_ui->searchEdit->height())),
                       tr("Password of \"%1\" copied").arg(card->title()), m_ui->searchEdit);
}

void CardListPane::handleSelection(const QModelIndex &index)
{
    if (!index.isValid() || !m_proxy) {
        emit cardSelected(-1);
        return;
    }
    emit cardSelected(m_proxy->cardId(m_ui->listView->currentIndex()));
}

void CardListPane::removedCard(int cardid)
{
    if (m_index)
        m_index->remove(cardid);
    if (m_model)
        m_model->removeCard(cardid);
}

// The index learns of a card before the list shows it, so that the search already knows its text.
void CardListPane::addCard(int cardid)
{
    if (!m_model)
        return;
    m_index->update(cardid);
    select(m_model->addCard(cardid));
}

void CardListPane::updateCard(int cardid)
{
    if (!m_model)
        return;
    m_index->update(cardid);
    select(m_model->updateCard(cardid));
}

void CardListPane::selectCard(int cardid)
{
    if (m_model)
        select(m_model->indexOf(cardid));
}

void CardListPane::select(const QModelIndex &sourceIndex)
{
    QModelIndex shown = m_proxy->fromCards(sourceIndex);
    // A card just saved, or asked for, that the search hides: the search goes so that the card is seen.
    if (sourceIndex.isValid() && !shown.isValid() && !m_ui->searchEdit->text().isEmpty()) {
        m_ui->searchEdit->clear();
        shown = m_proxy->fromCards(sourceIndex);
    }
    m_ui->listView->setCurrentIndex(shown);
}
