#include "ui/NameSortProxy.h"

#include "model/TextUtils.h"

NameSortProxy::NameSortProxy(QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_collator(titleCollator())
{
}

bool NameSortProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    return m_collator.compare(left.data().toString(), right.data().toString()) < 0;
}
