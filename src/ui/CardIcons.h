#pragma once

#include "model/Card.h"

#include <QIcon>
#include <QString>

// The built-in card icons ":images/card/N.png", N from 0 to 69, each with a HiDPI variant.
namespace CardIcons {

constexpr int count = Card::iconCount;

QString path(int iconId);
// Cached, so long lists do not decode the same image over and over.
QIcon icon(int iconId);

} // namespace CardIcons
