#pragma once

#include "import/ImportLoader.h"
#include "import/LatestEntries.h"

// Imports a KeePassX 0.4 XML export. Cards go in only once the whole file has been read, so a
// damaged file adds nothing. Copies of one entry (the Backup group keeps them) give one card.
class KeePassXLoader : public ImportLoader
{
public:
    KeePassXLoader(CardDb *store, const QString &path);

    bool startDocumentType(const QString &name) override;
    bool startElement(QStringView qualifiedName, const QXmlStreamAttributes &attributes) override;
    bool endElement(QStringView qualifiedName) override;
    bool endDocument() override;

private:
    void takeEntryElement(QStringView name);

    LatestEntries m_entries;
    QString m_entryKey;
};
