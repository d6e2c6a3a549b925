#include "import/KeePassLoader.h"

#include "model/TextUtils.h"

namespace {

const QLatin1String historyElement("History");

} // namespace

KeePassLoader::KeePassLoader(CardDb *store, const QString &path)
    : BufferedImportLoader(store, path, "failed opening KeePass XML file", QLatin1String("Entry"))
{
}

bool KeePassLoader::startElement(QStringView qualifiedName, const QXmlStreamAttributes &attributes)
{
    if (qualifiedName == historyElement)
        ++m_historyDepth;
    if (m_historyDepth > 0)
        return true;
    if (qualifiedName == QLatin1String("KeePassFile")) {
        m_formatSeen = true;
        return true;
    }
    // Elements before the root are not taken but do not stop the read: such a file fails at its end.
    return !m_formatSeen || ImportLoader::startElement(qualifiedName, attributes);
}

bool KeePassLoader::endElement(QStringView qualifiedName)
{
    if (m_historyDepth > 0) {
        if (qualifiedName == historyElement)
            --m_historyDepth;
        return true;
    }
    // The one-time code strings come in any order, the title among them: they are joined at the end.
    if (m_inEntry && qualifiedName == QLatin1String("Entry")) {
        m_entry.otp = m_otp.uri(m_entry.title);
        m_otp.clear();
    }
    // An Entry inside another one (outside History) ends the entry being read: the rest of the outer
    // entry is ignored.
    return ImportLoader::endElement(qualifiedName);
}

bool KeePassLoader::characters(const QString &text)
{
    return m_historyDepth > 0 || ImportLoader::characters(text);
}

// Fills the entry from one of its elements and consumes the pending text; the text of an element
// this table does not know is left pending.
void KeePassLoader::takeEntryElement(QStringView name)
{
    const bool filled = hasText(m_text);
    if (name == QLatin1String("LastModificationTime")) {
        if (filled)
            m_entry.lastModified = QDateTime::fromString(m_text, Qt::ISODate);
    } else if (name == QLatin1String("CreationTime")) {
        // Copies of one entry share their creation time and title.
        if (filled)
            m_entryKey = m_text;
    } else if (name == QLatin1String("Key")) {
        if (filled) {
            if (m_text == QLatin1String("Notes"))
                m_valueKind = NotesValue;
            else if (m_text == QLatin1String("Password"))
                m_valueKind = PasswordValue;
            else if (m_text == QLatin1String("Title"))
                m_valueKind = TitleValue;
            else if (m_text == QLatin1String("URL"))
                m_valueKind = UrlValue;
            else if (m_text == QLatin1String("UserName"))
                m_valueKind = UserNameValue;
            else if (KeePassOtp::isOtpKey(m_text))
                m_valueKind = OtpValue;
            else
                m_valueKind = NoValue;
            m_otpKey = m_valueKind == OtpValue ? m_text : QString();
        }
    } else if (name == QLatin1String("Value")) {
        if (filled)
            takeValue();
        m_valueKind = NoValue;
    } else {
        return;
    }
    m_text.clear();
}

void KeePassLoader::takeValue()
{
    switch (m_valueKind) {
    case NotesValue:
        m_entry.notes = m_text;
        break;
    case OtpValue:
        m_otp.take(m_otpKey, m_text);
        break;
    case PasswordValue:
        m_entry.password = m_text;
        break;
    case TitleValue:
        m_entry.title = m_text;
        m_entryKey += m_text;
        break;
    case UrlValue:
        m_entry.url = m_text;
        break;
    case UserNameValue:
        m_entry.username = m_text;
        break;
    case NoValue:
        break;
    }
}

bool KeePassLoader::endDocument()
{
    // Without the KeePassFile root nothing was recognised: the file is not a KeePass export.
    if (!m_formatSeen)
        return false;
    addKeptEntries();
    return true;
}
