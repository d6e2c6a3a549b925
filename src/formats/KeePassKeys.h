#pragma once

#include <QLatin1String>
#include <QStringList>

class Card;

// How a card's fields map to the strings of a KeePass entry, the same way for the export and for
// reading that export back: the first user name, password and address fields take the standard
// UserName, Password and URL strings, the card's one-time code (unless it is one of those fields) the
// `otp` string, and every other field a custom string named after its label (numbered when the name is
// taken).
namespace KeePassKeys {

const QLatin1String title("Title");
const QLatin1String userName("UserName");
const QLatin1String password("Password");
const QLatin1String url("URL");
const QLatin1String notes("Notes");
const QLatin1String otp("otp");
// Custom strings that carry what only this program needs to rebuild the card.
const QLatin1String templateType("Tessera Template");
const QLatin1String uuid("Tessera UUID");
const QLatin1String icon("Tessera Icon");

// XML 1.0 cannot hold most control characters. A key or value holding one is written as the Base64 of
// its UTF-8, its element marked Encoding="Base64", which this program's import reverses.
const QLatin1String encodingAttribute("Encoding");
const QLatin1String base64Encoding("Base64");

// The string key of each field of the card, in field order.
QStringList of(const Card &card);

} // namespace KeePassKeys
