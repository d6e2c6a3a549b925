#include "import/PSafeLoader.h"

#include "model/TextUtils.h"

PSafeLoader::PSafeLoader()
    : ImportLoader(QLatin1String("entry"))
{
}

bool PSafeLoader::startElement(QStringView qualifiedName, const QXmlStreamAttributes &attributes)
{
    if (qualifiedName == QLatin1String("passwordsafe")) {
        m_delimiter = attributes.value(QLatin1String("delimiter")).toString();
        m_formatSeen = true;
        return true;
    }
    // The root element names the format; any other root is some other file.
    return ImportLoader::startElement(qualifiedName, attributes);
}

void PSafeLoader::entryEnded()
{
    addCard(m_entry);
}

// Fills the entry from one of its elements and consumes the pending text; the text of an element
// this table does not know is left pending.
void PSafeLoader::takeEntryElement(QStringView name)
{
    const bool filled = hasText(m_text);
    if (name == QLatin1String("title")) {
        if (filled)
            m_entry.title = m_text;
    } else if (name == QLatin1String("username")) {
        if (filled)
            m_entry.username = m_text;
    } else if (name == QLatin1String("password")) {
        if (filled)
            m_entry.password = m_text;
    } else if (name == QLatin1String("url")) {
        if (filled)
            m_entry.url = m_text;
    } else if (name == QLatin1String("group")) {
        // Password Safe joins the names of nested groups with dots.
        if (filled)
            m_entry.group = QString(m_text).replace(QLatin1Char('.'), QLatin1Char('/'));
    } else if (name == QLatin1String("notes")) {
        if (filled)
            m_entry.notes = notesFromExport(m_text);
    } else {
        return;
    }
    m_text.clear();
}

QString PSafeLoader::notesFromExport(const QString &text) const
{
    // Replacing an empty delimiter would put a line break between every two characters.
    if (m_delimiter.isEmpty())
        return text;
    return QString(text).replace(m_delimiter, QLatin1String("\n"));
}
