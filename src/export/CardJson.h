#pragma once

#include <QJsonObject>

class Field;
struct StoredCard;

// One card of the JSON export, in the clear.
namespace CardJson {

QJsonObject field(const Field &field);
QJsonObject card(const StoredCard &row);

} // namespace CardJson
