#pragma once

#include "model/XmlEventReader.h"

#include <QString>

class Card;
class TemplateCatalog;

// Reads a template catalogue file into a TemplateCatalog. A field element belongs to the card element
// read last before it; missing attributes take defaults, so no attribute is ever an error.
class TemplateCatalogReader : public XmlEventHandler
{
public:
    TemplateCatalogReader(TemplateCatalog &catalog, const QString &path);

    // False when the file cannot be opened or is not well-formed; templates read before an error stay.
    bool load();

    bool startElement(QStringView qualifiedName, const QXmlStreamAttributes &attributes) override;

private:
    TemplateCatalog &m_catalog;
    Card *m_currentCard = nullptr;
    QString m_path;
};
