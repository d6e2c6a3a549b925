#pragma once

#include <QString>
#include <QXmlStreamAttributes>

class QIODevice;

// Callbacks of an event-driven XML read. Returning false from any of them stops the read with an error.
class XmlEventHandler
{
public:
    virtual ~XmlEventHandler() = default;

    virtual bool startDocumentType(const QString &name);
    virtual bool startElement(QStringView qualifiedName, const QXmlStreamAttributes &attributes);
    virtual bool endElement(QStringView qualifiedName);
    // All character data between two tags arrives as one piece, CDATA sections and references joined.
    virtual bool characters(const QString &text);
    virtual bool endDocument();
};

// Drives an XmlEventHandler over a document with QXmlStreamReader, which decodes character references
// beyond U+FFFF correctly.
class XmlEventReader
{
public:
    // True when the whole document was well-formed and every callback agreed; otherwise error says
    // where the read stopped (line and column) and why.
    static bool read(QIODevice *device, XmlEventHandler &handler, QString *error = nullptr);
};
