#include "ui/CardListModel.h"

#include "model/Card.h"
#include "session/WalletSession.h"
#include "ui/CardIcons.h"

#include <QPalette>

CardListModel::CardListModel(WalletSession *session, bool trash, QObject *parent)
    : QAbstractListModel(parent)
    , m_session(session)
    , m_trash(trash)
{
    if (session && session->isUnlocked()) {
        const auto list = session->cardList(trash ? CardTable::TrashedCards : CardTable::LiveCards);
        m_readable = list.has_value();
        for (const CardListEntry &entry : list.value_or(QVector<CardListEntry>()))
            m_entries.append({entry.id, entry.iconId, entry.title});
    }
}

int CardListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

QVariant CardListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return QVariant();
    const CardEntry &entry = m_entries.at(index.row());
    if (role == Qt::DisplayRole)
        return entry.title;
    if (role == Qt::DecorationRole)
        return m_trash ? CardIcons::icon(entry.iconId).pixmap(24, 24, QIcon::Disabled) : CardIcons::icon(entry.iconId);
    if (role == Qt::ForegroundRole && m_trash)
        return QPalette().brush(QPalette::Disabled, QPalette::Text);
    return QVariant();
}

int CardListModel::cardId(const QModelIndex &index) const
{
    return index.isValid() && index.row() < m_entries.size() ? m_entries.at(index.row()).id : -1;
}

QModelIndex CardListModel::indexOf(int cardid) const
{
    for (int row = 0; row < m_entries.size(); ++row) {
        if (m_entries.at(row).id == cardid)
            return index(row, 0);
    }
    return QModelIndex();
}

QModelIndex CardListModel::addCard(int cardid)
{
    const auto card = m_session ? m_session->card(cardid) : nullptr;
    if (!card)
        return QModelIndex();
    const int row = m_entries.size();
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append({cardid, card->iconId(), card->title()});
    endInsertRows();
    return index(row, 0);
}

void CardListModel::removeCard(int cardid)
{
    for (int row = 0; row < m_entries.size(); ++row) {
        if (m_entries.at(row).id == cardid) {
            beginRemoveRows(QModelIndex(), row, row);
            m_entries.remove(row);
            endRemoveRows();
            return;
        }
    }
}

QModelIndex CardListModel::updateCard(int cardid)
{
    removeCard(cardid);
    return addCard(cardid);
}
