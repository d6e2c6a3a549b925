#include "ui/NameSortProxy.h"

NameSortProxy::NameSortProxy(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

bool NameSortProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    return m_collator.compare(left.data().toString(), right.data().toString()) < 0;
}
