#include "ui/TemplateListModel.h"

#include "i18n/Translations.h"
#include "model/BuiltinCatalog.h"
#include "model/TemplateCatalog.h"
#include "ui/CardIcons.h"

#include <QFont>
#include <QHash>
#include <QSet>

namespace {

enum Group { Logins, Finance, Identity, Travel, Network, Other, GroupCount };

} // namespace

TemplateListModel::TemplateListModel(QObject *parent)
    : QAbstractListModel(parent)
{
    QSet<int> groups;
    for (const Card *card : builtinCatalog().templates()) {
        const int group = groupOf(card->templateType());
        m_rows.append({card, group});
        groups.insert(group);
    }
    for (int group : qAsConst(groups))
        m_rows.append({nullptr, group});
}

int TemplateListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

QVariant TemplateListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return row.card ? catalogText(row.card->title()) : groupName(row.group);
    case Qt::DecorationRole:
        return row.card ? CardIcons::icon(row.card->iconId()) : QVariant();
    case Qt::FontRole: {
        if (row.card)
            return QVariant();
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    case GroupRole:
        return row.group;
    case HeaderRole:
        return row.card == nullptr;
    case StoredNameRole:
        return row.card ? row.card->title() : QVariant();
    default:
        return QVariant();
    }
}

Qt::ItemFlags TemplateListModel::flags(const QModelIndex &index) const
{
    return data(index, HeaderRole).toBool() ? Qt::NoItemFlags : QAbstractListModel::flags(index);
}

QString TemplateListModel::templateType(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this || index.row() >= m_rows.size())
        return QString();
    const Card *card = m_rows.at(index.row()).card;
    return card ? card->templateType() : QString();
}

QModelIndex TemplateListModel::defaultIndex() const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (templateType(index(row)) == QLatin1String("login.default"))
            return index(row);
    }
    return QModelIndex();
}

// By the first part of the template type; kinds the list does not know go to Other.
int TemplateListModel::groupOf(const QString &templateType)
{
    static const QHash<QString, int> groups = {
        {QStringLiteral("login"), Logins},       {QStringLiteral("password"), Logins},
        {QStringLiteral("creditcard"), Finance}, {QStringLiteral("finance"), Finance},
        {QStringLiteral("cards"), Identity},     {QStringLiteral("license"), Identity},
        {QStringLiteral("travel"), Travel},      {QStringLiteral("computer"), Network},
    };
    return groups.value(templateType.section(QLatin1Char('.'), 0, 0), Other);
}

QString TemplateListModel::groupName(int group)
{
    const QString names[GroupCount]
        = {tr("Logins"), tr("Finance"), tr("Identity"), tr("Travel"), tr("Network"), tr("Other")};
    return names[group];
}
