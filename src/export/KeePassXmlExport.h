#pragma once

#include "export/CardExport.h"

// A KeePass 2 XML export, as KeePass 2 and KeePassXC import it: one entry per live card in the root
// group, the trashed cards in a Recycle Bin group. Title, UserName, Password, URL and Notes come from
// the card's fields by type, every other filled field is a custom string (protected when sensitive),
// and three custom strings keep the card's template, identity and icon so that this program reads the
// cards back as they were. A text XML cannot hold is written encoded (see KeePassKeys).
class KeePassXmlExport
{
public:
    static bool write(const CardSource &source, QIODevice &device);
};
