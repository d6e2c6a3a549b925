#include "model/XmlEventReader.h"

#include <QXmlStreamReader>

bool XmlEventHandler::startDocumentType(const QString &)
{
    return true;
}

bool XmlEventHandler::startElement(QStringView, const QXmlStreamAttributes &)
{
    return true;
}

bool XmlEventHandler::endElement(QStringView)
{
    return true;
}

bool XmlEventHandler::characters(const QString &)
{
    return true;
}

bool XmlEventHandler::endDocument()
{
    return true;
}

namespace {

class EventPump
{
public:
    EventPump(QIODevice *device, XmlEventHandler &handler)
        : m_reader(device)
        , m_handler(handler)
    {
    }

    bool run()
    {
        while (!m_reader.atEnd()) {
            if (!dispatch(m_reader.readNext())) {
                if (!m_reader.hasError())
                    m_reader.raiseError(QStringLiteral("The reader was stopped by its handler."));
                return false;
            }
        }
        return !m_reader.hasError();
    }

    QString errorString() const
    {
        return QStringLiteral("line %1, column %2: %3")
            .arg(m_reader.lineNumber())
            .arg(m_reader.columnNumber())
            .arg(m_reader.errorString());
    }

private:
    bool dispatch(QXmlStreamReader::TokenType token)
    {
        switch (token) {
        case QXmlStreamReader::DTD:
            return m_handler.startDocumentType(m_reader.dtdName().toString());
        case QXmlStreamReader::StartElement:
            return flushText() && m_handler.startElement(m_reader.qualifiedName(), m_reader.attributes());
        case QXmlStreamReader::EndElement:
            return flushText() && m_handler.endElement(m_reader.qualifiedName());
        case QXmlStreamReader::Characters:
            m_text += m_reader.text();
            m_hasText = true;
            return true;
        case QXmlStreamReader::EndDocument:
            return m_handler.endDocument();
        default:
            return true;
        }
    }

    bool flushText()
    {
        if (!m_hasText)
            return true;
        const QString text = m_text;
        m_text.clear();
        m_hasText = false;
        return m_handler.characters(text);
    }

    QXmlStreamReader m_reader;
    XmlEventHandler &m_handler;
    QString m_text;
    bool m_hasText = false;
};

} // namespace

bool XmlEventReader::read(QIODevice *device, XmlEventHandler &handler, QString *error)
{
    EventPump pump(device, handler);
    const bool ok = pump.run();
    if (!ok && error)
        *error = pump.errorString();
    return ok;
}
