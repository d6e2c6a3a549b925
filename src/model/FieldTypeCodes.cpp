#include "model/FieldTypeCodes.h"

#include "model/FieldType.h"

const QHash<QString, int> &fieldTypeCodes()
{
    static const QHash<QString, int> codes{
        {QStringLiteral("text"), FieldType::Text},
        {QStringLiteral("password"), FieldType::Password},
        {QStringLiteral("pin"), FieldType::Pin},
        {QStringLiteral("numeric"), FieldType::Numeric},
        {QStringLiteral("date"), FieldType::Date},
        {QStringLiteral("email"), FieldType::Email},
        {QStringLiteral("url"), FieldType::Url},
        {QStringLiteral("phone"), FieldType::Phone},
        {QStringLiteral("sep"), FieldType::Separator},
        {QStringLiteral("note"), FieldType::Note},
        {QStringLiteral("username"), FieldType::Username},
        {QStringLiteral("true"), 1},
        {QStringLiteral("false"), 0},
    };
    return codes;
}

int fieldTypeCode(const QString &keyword)
{
    return fieldTypeCodes().value(keyword, 0);
}
