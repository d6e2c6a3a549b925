#pragma once

#include "import/BufferedImportLoader.h"

// Imports a KeePassX 0.4 XML export. Cards go in only once the whole file has been read, so a
// damaged file adds nothing. Entries carry no identity: each one gives a card, the older copies that
// the Backup group keeps too, unless it is identical to another. An expiry date, which the login
// template has no field for, is kept as an extra field.
class KeePassXLoader : public BufferedImportLoader
{
public:
    KeePassXLoader();

    bool startDocumentType(const QString &name) override;
    bool startElement(QStringView qualifiedName, const QXmlStreamAttributes &attributes) override;
    bool endElement(QStringView qualifiedName) override;
    bool endDocument() override;

private:
    void takeEntryElement(QStringView name) override;

    // The titles of the groups around the element being read, outermost first.
    QStringList m_groups;
};
