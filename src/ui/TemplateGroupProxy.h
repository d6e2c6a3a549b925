#pragma once

#include "ui/NameSortProxy.h"

// Orders a TemplateListModel by group, each group's header first and its templates by name, and
// keeps only the templates whose name holds the filter text (in either language), with the headers
// of their groups.
class TemplateGroupProxy : public NameSortProxy
{
    Q_OBJECT

public:
    using NameSortProxy::NameSortProxy;

    void setFilterText(const QString &text);

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    bool matches(const QModelIndex &sourceIndex) const;

    QString m_text;
};
