#include "import/ImportLoader.h"

#include "import/ImportWriter.h"

ImportLoader::ImportLoader(QLatin1String entryElement)
    : m_entryElement(entryElement)
{
}

bool ImportLoader::read(QIODevice &device, ImportWriter &writer)
{
    m_writer = &writer;
    const bool read = XmlEventReader::read(&device, *this, &m_error);
    m_writer = nullptr;
    return m_refusal.isEmpty() ? read : fail(m_refusal);
}

bool ImportLoader::characters(const QString &text)
{
    (m_inEntry ? m_text : m_outerText) = text;
    return true;
}

bool ImportLoader::startElement(QStringView qualifiedName, const QXmlStreamAttributes &)
{
    if (!m_formatSeen)
        return false;
    if (qualifiedName == m_entryElement)
        m_inEntry = true;
    return true;
}

bool ImportLoader::endElement(QStringView qualifiedName)
{
    if (!m_inEntry)
        return true;
    if (qualifiedName == m_entryElement) {
        m_inEntry = false;
        entryEnded();
        clearEntry();
        return true;
    }
    takeEntryElement(qualifiedName);
    return true;
}

void ImportLoader::addCard(const ImportEntry &entry)
{
    m_writer->add(entry);
}

void ImportLoader::refuse(const QString &reason)
{
    m_refusal = reason;
}

void ImportLoader::countDuplicates(int count)
{
    m_writer->countDuplicates(count);
}

void ImportLoader::clearEntry()
{
    m_entry = ImportEntry();
}
