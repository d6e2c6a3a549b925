#include "ui/RootList.h"

void RootList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QListView::currentChanged(current, previous);
    emit currentIndexChanged(current);
}
