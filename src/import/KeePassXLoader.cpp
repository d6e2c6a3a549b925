#include "import/KeePassXLoader.h"

#include "model/TextUtils.h"

KeePassXLoader::KeePassXLoader(CardDb *store, const QString &path)
    : BufferedImportLoader(store, path, "failed opening KeePassX XMl file", QLatin1String("entry"))
{
}

bool KeePassXLoader::startDocumentType(const QString &name)
{
    if (name != QLatin1String("KEEPASSX_DATABASE"))
        return false;
    m_formatSeen = true;
    return true;
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
    } else if (name == QLatin1String("creation")) {
        // Copies of one entry share their title and creation time.
        if (filled)
            m_entryKey = m_entry.title + m_text;
    } else if (name == QLatin1String("lastmod")) {
        if (filled)
            m_entry.lastModified = QDateTime::fromString(m_text, Qt::ISODate);
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
