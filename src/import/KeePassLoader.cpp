#include "import/KeePassLoader.h"

#include "import/KeePassKeys.h"
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
    if (!m_formatSeen)
        return true;
    if (!m_inEntry) {
        m_outerText.clear();
        if (qualifiedName == QLatin1String("Group"))
            m_groups.append(Group());
        else if (qualifiedName == QLatin1String("Entry"))
            beginEntry();
    } else if (qualifiedName == QLatin1String("Value")) {
        // KeePass marks the values it keeps hidden; an export writes them in the clear all the same.
        m_valueProtected = attributes.value(QLatin1String("ProtectInMemory")) == QLatin1String("True")
            || attributes.value(QLatin1String("Protected")) == QLatin1String("True");
    }
    return ImportLoader::startElement(qualifiedName, attributes);
}

// The entry's group path leaves out the root group (the database itself) and, for an entry in the
// recycle bin, the bin and what lies above it: the card goes to the trash instead.
void KeePassLoader::beginEntry()
{
    QStringList path;
    for (int i = 0; i < m_groups.size(); ++i) {
        if (m_recycleBinEnabled && m_groups.at(i).uuid == m_recycleBinUuid) {
            m_entry.trashed = true;
            path.clear();
        } else if (i > 0) {
            path << m_groups.at(i).name;
        }
    }
    m_entry.group = path.join(QLatin1Char('/'));
}

void KeePassLoader::takeGroupElement(QStringView name)
{
    if (name == QLatin1String("RecycleBinEnabled")) {
        m_recycleBinEnabled = m_outerText.trimmed().compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
    } else if (name == QLatin1String("RecycleBinUUID")) {
        m_recycleBinUuid = m_outerText.trimmed();
    } else if (m_groups.isEmpty()) {
        return;
    } else if (name == QLatin1String("Group")) {
        m_groups.removeLast();
    } else if (name == QLatin1String("UUID")) {
        if (m_groups.last().uuid.isEmpty())
            m_groups.last().uuid = m_outerText.trimmed();
    } else if (name == QLatin1String("Name")) {
        if (m_groups.last().name.isEmpty())
            m_groups.last().name = m_outerText;
    }
    m_outerText.clear();
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
    if (!m_inEntry)
        takeGroupElement(qualifiedName);
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
            else if (m_text == KeePassKeys::templateType)
                m_valueKind = TemplateValue;
            else if (m_text == KeePassKeys::uuid)
                m_valueKind = UuidValue;
            else
                m_valueKind = CustomValue;
            m_key = m_text;
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
        m_otp.take(m_key, m_text);
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
    case CustomValue:
        m_entry.extraFields.append({m_key, m_text, m_valueProtected});
        break;
    case TemplateValue:
        m_entry.templateType = m_text;
        break;
    case UuidValue:
        m_entry.uuid = m_text;
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
