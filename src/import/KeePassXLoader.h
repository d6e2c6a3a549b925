#pragma once

#include "import/BufferedImportLoader.h"

// Imports a KeePassX 0.4 XML export. Cards go in only once the whole file has been read, so a
// damaged file adds nothing. Copies of one entry (the Backup group keeps them) give one card.
class KeePassXLoader : public BufferedImportLoader
{
public:
    KeePassXLoader(CardDb *store, const QString &path);

    bool startDocumentType(const QString &name) override;
    bool endDocument() override;

private:
    void takeEntryElement(QStringView name) override;
};
