#include "ui/IconListModel.h"

#include "ui/CardIcons.h"

int IconListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : CardIcons::count;
}

QVariant IconListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= CardIcons::count || role != Qt::DecorationRole)
        return QVariant();
    return CardIcons::icon(index.row());
}
