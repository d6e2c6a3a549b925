#include "import/KeePassXLoader.h"

#include "model/TextUtils.h"

KeePassXLoader::KeePassXLoader()
    : BufferedImportLoader(QLatin1String("entry"))
{
}

bool KeePassXLoader::startDocumentType(const QString &name)
{
    if (name != QLatin1String("KEEPASSX_DATABASE"))
        return false;
    m_formatSeen = true;
    return true;
}

bool KeePassXLoader::startElement(QStringView qualifiedName, const QXmlStreamAttributes &attributes)
{
    if (m_formatSeen && !m_inEntry) {
        m_outerText.clear();
        if (qualifiedName == QLatin1String("group"))
            m_groups.append(QString());
        else if (qualifiedName == QLatin1String("entry"))
            m_entry.group = m_groups.join(QLatin1Char('/'));
    }
    return ImportLoader::startElement(qualifiedName, attributes);
}

bool KeePassXLoader::endElement(QStringView qualifiedName)
{
    if (!m_inEntry && !m_groups.isEmpty()) {
        if (qualifiedName == QLatin1String("group"))
            m_groups.removeLast();
        else if (qualifiedName == QLatin1String("title"))
            m_groups.last() = m_outerText;
    }
    return ImportLoader::endElement(qualifiedName);
}

// Fills the entry from one of its elements and consumes the pending text; the text of an element
// this table does not know is left pending.
void KeePassXLoader::takeEntryElement(QStringView name)
{
    const bool filled = hasText(m_text);
    if (name == QLatin1String("title")) {
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
    } else if (name == QLatin1String("br")) {
        // A line of the comment ends at each br; the empty text between two br adds no second break.
        if (filled)
            m_entry.notes += m_text + QLatin1Char('\n');
    } else if (name == QLatin1String("comment")) {
        if (filled || hasText(m_entry.notes))
            m_entry.notes += m_text;
    } else if (name == QLatin1String("expire")) {
        // An entry that never expires says so in the user's language instead of a date.
        if (QDateTime::fromString(m_text, Qt::ISODate).isValid())
            m_entry.extraFields.append({QStringLiteral("Expires"), m_text, false});
    } else {
        return;
    }
    m_text.clear();
}

bool KeePassXLoader::endDocument()
{
    addKeptEntries();
    return true;
}
