#pragma once

#include "model/Card.h"

#include <QList>
#include <QMap>
#include <QString>

#include <map>
#include <memory>

// The templates every new card starts from, keyed by template type and ordered by it. Owns the cards.
class TemplateCatalog
{
public:
    // Enters a template with no fields yet, replacing an earlier one of the same type; the catalogue keeps it.
    Card *addTemplate(const QString &templateType, int iconId, const QString &title);
    QList<Card *> templates() const;
    QMap<QString, Card *> templateMap() const;
    const Card *find(const QString &templateType) const;
    // The label of the field with that uid in that template; empty when either is unknown.
    QString fieldLabel(int uid, const QString &templateType) const;
    int count() const { return int(m_templates.size()); }

private:
    std::map<QString, std::unique_ptr<Card>> m_templates;
};
