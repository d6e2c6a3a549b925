#pragma once

#include <QByteArray>
#include <QString>

// Clear text of a wallet is overwritten before its memory is let go, so that a locked wallet leaves
// no card behind in the heap.
namespace SecretText {

// Overwrites and empties text that this holder alone owns; a buffer still shared is left to its last
// holder, who wipes it in turn.
void wipe(QString &text);
void wipe(QByteArray &bytes);

} // namespace SecretText
