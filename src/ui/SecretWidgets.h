#pragma once

class QWidget;

namespace SecretWidgets {

// Empties every label and line edit below root and wipes the text they held, before the widgets go:
// a card's values shown or typed there are clear text of the wallet. What Qt copies internally
// (a selectable label's document, a line edit's undo steps) is out of reach.
void wipe(QWidget *root);

} // namespace SecretWidgets
