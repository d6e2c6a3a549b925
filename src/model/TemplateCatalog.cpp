#include "model/TemplateCatalog.h"

Card *TemplateCatalog::addTemplate(const QString &templateType, int iconId, const QString &title)
{
    auto &slot = m_templates[templateType];
    slot = std::make_unique<Card>(templateType, iconId, title);
    return slot.get();
}

QList<Card *> TemplateCatalog::templates() const
{
    QList<Card *> list;
    for (const auto &entry : m_templates)
        list.append(entry.second.get());
    return list;
}

QMap<QString, Card *> TemplateCatalog::templateMap() const
{
    QMap<QString, Card *> map;
    for (const auto &entry : m_templates)
        map.insert(entry.first, entry.second.get());
    return map;
}

const Card *TemplateCatalog::find(const QString &templateType) const
{
    const auto it = m_templates.find(templateType);
    return it == m_templates.end() ? nullptr : it->second.get();
}

QString TemplateCatalog::fieldLabel(int uid, const QString &templateType) const
{
    const Card *card = find(templateType);
    if (!card)
        return QString();
    for (const Field *field : card->fields()) {
        if (field->uid() == uid)
            return field->label();
    }
    return QString();
}
