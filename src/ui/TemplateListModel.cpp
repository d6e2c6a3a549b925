#include "ui/TemplateListModel.h"

#include "app/MainWindow.h"
#include "i18n/Translations.h"
#include "store/CardDb.h"
#include "ui/CardIcons.h"

TemplateListModel::TemplateListModel(QObject *parent)
    : QAbstractListModel(parent)
{
    if (const CardDb *store = MainWindow::database())
        m_templates = store->templates();
}

int TemplateListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_templates.size();
}

QVariant TemplateListModel::data(const QModelIndex &index, int role) const
{
    const Card *card = templateAt(index);
    if (!card)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return catalogText(card->title());
    case Qt::DecorationRole:
        return CardIcons::icon(card->iconId());
    default:
        return QVariant();
    }
}

QString TemplateListModel::templateType(const QModelIndex &index) const
{
    const Card *card = templateAt(index);
    return card ? card->templateType() : QString();
}

QModelIndex TemplateListModel::defaultIndex() const
{
    for (int row = 0; row < m_templates.size(); ++row) {
        if (m_templates.at(row)->templateType() == QLatin1String("login.default"))
            return index(row);
    }
    return QModelIndex();
}

const Card *TemplateListModel::templateAt(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this || index.row() >= m_templates.size())
        return nullptr;
    return m_templates.at(index.row());
}
