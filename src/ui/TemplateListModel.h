#pragma once

#include <QAbstractListModel>
#include <QList>

class Card;

// The template catalogue of the open wallet, one row per template: its name and icon.
// The template cards stay the store's.
class TemplateListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit TemplateListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    QString templateType(const QModelIndex &index) const;
    // The generic login template, or an invalid index when the catalogue lacks it.
    QModelIndex defaultIndex() const;

private:
    const Card *templateAt(const QModelIndex &index) const;

    QList<Card *> m_templates;
};
