#pragma once

#include <QDateTime>
#include <QString>

class Card;
class Field;

// A card's one-time code is an ordinary sensitive text field holding an otpauth://totp/ URI, so the
// card text and the phone application need nothing new. Any field holding such a URI counts, whatever
// its label; new ones are labelled "One-Time Code".
class OtpField
{
public:
    static const QString label;

    // The first field holding an otpauth://totp/ URI, valid or not; none when the card has no such field.
    static Field *find(const Card &card);
    // Puts the URI in the card's one-time code field (found by its URI, else by its label), adding one
    // after the others when there is none. False when the card already held that URI.
    static bool store(Card &card, const QString &uri, const QDateTime &time);
};
