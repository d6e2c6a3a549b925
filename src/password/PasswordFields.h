#pragma once

#include <QList>

class Card;
class Field;

// Which fields of a card hold its passwords.
namespace PasswordFields {

// The filled fields of the password type, in the card's order.
QList<const Field *> passwords(const Card &card);
// What "copy the password" copies: the first filled password field, else the first filled sensitive one
// (the PIN of a bank card, say); none when the card keeps no secret.
const Field *primary(const Card &card);

} // namespace PasswordFields
