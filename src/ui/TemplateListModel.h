#pragma once

#include <QAbstractListModel>
#include <QVector>

class Card;

// The template catalogue of the open wallet: one row per template (its name in the user's language
// and its icon) and one header row per group of templates (Logins, Finance, ...). Headers cannot be
// chosen. The template cards stay the store's.
class TemplateListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        GroupRole = Qt::UserRole + 1, // int: the group's place in the list
        HeaderRole, // bool: a group header rather than a template
        StoredNameRole, // the template's name as the catalogue stores it
    };

    explicit TemplateListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Empty for a header.
    QString templateType(const QModelIndex &index) const;
    // The generic login template, or an invalid index when the catalogue lacks it.
    QModelIndex defaultIndex() const;

private:
    struct Row
    {
        const Card *card; // null for a group header
        int group;
    };

    static int groupOf(const QString &templateType);
    static QString groupName(int group);

    QVector<Row> m_rows;
};
