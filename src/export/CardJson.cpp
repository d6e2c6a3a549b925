#include "export/CardJson.h"

#include "store/CardDb.h"

#include <QJsonArray>

namespace {

// Whole seconds since 1970 UTC, as the card text keeps them.
double seconds(const QDateTime &time)
{
    return double(time.isValid() ? time.toSecsSinceEpoch() : 0);
}

} // namespace

namespace CardJson {

QJsonObject field(const Field &field)
{
    return {
        {QStringLiteral("uid"), field.uid()},     {QStringLiteral("updateTime"), seconds(field.updateTime())},
        {QStringLiteral("label"), field.label()}, {QStringLiteral("value"), field.value()},
        {QStringLiteral("type"), field.type()},   {QStringLiteral("sensitive"), field.sensitive()},
    };
}

QJsonObject card(const StoredCard &row)
{
    QJsonArray fields;
    for (const Field *each : row.card->fields())
        fields.append(field(*each));
    return {
        {QStringLiteral("id"), row.id},
        {QStringLiteral("uuid"), row.card->uuid()},
        {QStringLiteral("updateTime"), seconds(row.card->updateTime())},
        {QStringLiteral("templateType"), row.card->templateType()},
        {QStringLiteral("iconId"), row.card->iconId()},
        {QStringLiteral("title"), row.card->title()},
        {QStringLiteral("notes"), row.card->notes()},
        {QStringLiteral("trashed"), row.trashed},
        {QStringLiteral("fields"), fields},
    };
}

} // namespace CardJson
