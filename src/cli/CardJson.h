#pragma once

#include <QByteArray>
#include <QJsonObject>

#include <vector>

class Field;
struct StoredCard;

// The export's JSON: every row of a wallet with its card in the clear, trashed ones included.
namespace CardJson {

QJsonObject field(const Field &field);
QJsonObject card(const StoredCard &row);
// {"cards": [...]} with the rows in the order given.
QByteArray document(const std::vector<StoredCard> &rows);

} // namespace CardJson
