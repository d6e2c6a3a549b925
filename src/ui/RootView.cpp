#include "ui/RootView.h"

#include "ui/NameSortProxy.h"
#include "ui/RootListModel.h"
#include "ui_RootView.h"

#include <QRegularExpression>

RootView::RootView(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::RootView>())
{
    m_ui->setupUi(this);
    m_ui->listView->setAttribute(Qt::WA_MacShowFocusRect, false);
    m_ui->searchEdit->setAttribute(Qt::WA_MacShowFocusRect, false);
    connect(m_ui->listView, &RootList::currentIndexChanged, this, &RootView::handleSelection);
    connect(m_ui->searchEdit, &QLineEdit::textChanged, this, &RootView::applyFilter);
}

RootView::~RootView() = default;

void RootView::reload()
{
    clear();
    m_model = new RootListModel(this);
    m_proxy = new NameSortProxy(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setSortLocaleAware(true);
    m_proxy->setDynamicSortFilter(true);
    m_proxy->sort(0, Qt::AscendingOrder);
    m_ui->listView->setModel(m_proxy);
    // A search typed before the list was rebuilt (by an import, say) keeps filtering it.
    applyFilter(m_ui->searchEdit->text());
}

void RootView::clear()
{
    if (!m_model)
        return;
    m_ui->listView->setModel(nullptr);
    // Deferred, so that signals still being delivered never reach freed models.
    m_proxy->deleteLater();
    m_model->deleteLater();
    m_proxy = nullptr;
    m_model = nullptr;
}

// The typed text is a case-insensitive pattern matched anywhere in the title. A pattern that does not
// compile (an unclosed bracket, say) is taken literally rather than hiding every card.
void RootView::applyFilter(const QString &text)
{
    if (!m_proxy)
        return;
    QRegularExpression pattern(text, QRegularExpression::CaseInsensitiveOption);
    if (!pattern.isValid())
        pattern.setPattern(QRegularExpression::escape(text));
    m_proxy->setFilterRegularExpression(pattern);
}

void RootView::handleSelection(const QModelIndex &index)
{
    if (!index.isValid() || !m_proxy) {
        emit cardSelected(-1);
        return;
    }
    emit cardSelected(m_model->cardId(m_proxy->mapToSource(m_ui->listView->currentIndex())));
}

void RootView::removedCard(int cardid)
{
    if (m_model)
        m_model->removeCard(cardid);
}

void RootView::addCard(int cardid)
{
    if (m_model)
        select(m_model->addCard(cardid));
}

void RootView::updateCard(int cardid)
{
    if (m_model)
        select(m_model->updateCard(cardid));
}

void RootView::selectCard(int cardid)
{
    if (m_model)
        select(m_model->indexOf(cardid));
}

void RootView::select(const QModelIndex &sourceIndex)
{
    m_ui->listView->setCurrentIndex(m_proxy->mapFromSource(sourceIndex));
}
