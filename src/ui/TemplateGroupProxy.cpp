#include "ui/TemplateGroupProxy.h"

#include "ui/TemplateListModel.h"

void TemplateGroupProxy::setFilterText(const QString &text)
{
    m_text = text.trimmed();
    invalidateFilter();
}

bool TemplateGroupProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const int leftGroup = left.data(TemplateListModel::GroupRole).toInt();
    const int rightGroup = right.data(TemplateListModel::GroupRole).toInt();
    if (leftGroup != rightGroup)
        return leftGroup < rightGroup;
    const bool leftHeader = left.data(TemplateListModel::HeaderRole).toBool();
    if (leftHeader != right.data(TemplateListModel::HeaderRole).toBool())
        return leftHeader;
    return NameSortProxy::lessThan(left, right);
}

bool TemplateGroupProxy::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    if (!index.data(TemplateListModel::HeaderRole).toBool())
        return matches(index);
    const QVariant group = index.data(TemplateListModel::GroupRole);
    for (int row = 0; row < sourceModel()->rowCount(sourceParent); ++row) {
        const QModelIndex other = sourceModel()->index(row, 0, sourceParent);
        if (other.data(TemplateListModel::GroupRole) == group && !other.data(TemplateListModel::HeaderRole).toBool()
            && matches(other))
            return true;
    }
    return false;
}

bool TemplateGroupProxy::matches(const QModelIndex &sourceIndex) const
{
    return sourceIndex.data().toString().contains(m_text, Qt::CaseInsensitive)
        || sourceIndex.data(TemplateListModel::StoredNameRole).toString().contains(m_text, Qt::CaseInsensitive);
}
