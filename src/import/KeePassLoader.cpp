#include "import/KeePassLoader.h"

#include "formats/KeePassKeys.h"
#include "model/TextUtils.h"

#include <algorithm>

namespace {

const QLatin1String historyElement("History");

// A protected value as a database file keeps it: Base64 of bytes that make no text.
bool looksEncrypted(const QString &value)
{
    const QByteArray base64 = value.trimmed().toLatin1();
    const auto bytes = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    if (!bytes || bytes.decoded.isEmpty() || base64.size() % 4 != 0)
        return false;
    const QString text = QString::fromUtf8(*bytes);
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c == QChar::ReplacementCharacter || c.unicode() == 0x7f
            || (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'));
    });
}

QString decodedText(const QString &base64)
{
    const auto bytes = QByteArray::fromBase64Encoding(base64.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return bytes ? QString::fromUtf8(*bytes) : base64;
}

} // namespace

KeePassLoader::KeePassLoader()
    : BufferedImportLoader(QLatin1String("Entry"))
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
        if (qualifiedName == QLatin1String("Group")) {
            m_groups.push_back({QString(), QString(), m_openGroups.isEmpty() ? -1 : m_openGroups.last()});
            m_openGroups.append(int(m_groups.size()) - 1);
        } else if (qualifiedName == QLatin1String("Entry")) {
            m_entry.groupIndex = m_openGroups.isEmpty() ? -1 : m_openGroups.last();
        }
    } else {
        entryElementStarted(qualifiedName, attributes);
    }
    return ImportLoader::startElement(qualifiedName, attributes);
}

void KeePassLoader::entryElementStarted(QStringView name, const QXmlStreamAttributes &attributes)
{
    m_textEncoded = attributes.value(KeePassKeys::encodingAttribute) == KeePassKeys::base64Encoding;
    if (name == QLatin1String("Value")) {
        // An export writes the values KeePass keeps hidden in the clear, marked ProtectInMemory; a
        // database file's inner XML marks its encrypted ones Protected.
        m_valueEncrypted = attributes.value(QLatin1String("Protected")) == QLatin1String("True");
        m_valueProtected
            = m_valueEncrypted || attributes.value(QLatin1String("ProtectInMemory")) == QLatin1String("True");
    }
}

// The entry's group path leaves out the root group (the database itself) and, for an entry in the
// recycle bin, the bin and what lies above it: the card goes to the trash instead.
void KeePassLoader::completeEntry(ImportEntry &entry)
{
    QStringList path;
    for (int index = entry.groupIndex; index >= 0; index = m_groups.at(index).parent) {
        const Group &group = m_groups.at(index);
        if (m_recycleBinEnabled && group.uuid == m_recycleBinUuid) {
            entry.trashed = true;
            break;
        }
        if (group.parent >= 0)
            path.prepend(group.name);
    }
    entry.group = path.join(QLatin1Char('/'));
}

void KeePassLoader::takeGroupElement(QStringView name)
{
    if (name == QLatin1String("RecycleBinEnabled")) {
        m_recycleBinEnabled = m_outerText.trimmed().compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
    } else if (name == QLatin1String("RecycleBinUUID")) {
        m_recycleBinUuid = m_outerText.trimmed();
    } else if (m_openGroups.isEmpty()) {
        return;
    } else if (name == QLatin1String("Group")) {
        m_openGroups.removeLast();
    } else if (name == QLatin1String("UUID")) {
        Group &group = m_groups[m_openGroups.last()];
        if (group.uuid.isEmpty())
            group.uuid = m_outerText.trimmed();
    } else if (name == QLatin1String("Name")) {
        Group &group = m_groups[m_openGroups.last()];
        if (group.name.isEmpty())
            group.name = m_outerText;
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
        m_otp.moveInto(m_entry);
        m_otp.clear();
        if (m_entryEncrypted)
            m_encryptedEntries << m_entry.title;
        m_entryEncrypted = false;
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
    if (m_textEncoded && (name == QLatin1String("Key") || name == QLatin1String("Value")))
        m_text = decodedText(m_text);
    const bool filled = hasText(m_text);
    if (name == QLatin1String("LastModificationTime")) {
        if (filled)
            m_entry.lastModified = QDateTime::fromString(m_text, Qt::ISODate);
    } else if (name == QLatin1String("UUID")) {
        // Copies of one entry share their UUID.
        if (filled)
            m_entryKey = m_text.trimmed();
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
            else if (m_text == KeePassKeys::icon)
                m_valueKind = IconValue;
            else
                m_valueKind = CustomValue;
            m_key = m_text;
        }
    } else if (name == QLatin1String("Value")) {
        if (filled) {
            m_entryEncrypted = m_entryEncrypted || (m_valueEncrypted && looksEncrypted(m_text));
            takeValue();
        }
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
        m_otp.take(m_key, m_text, m_valueProtected);
        break;
    case PasswordValue:
        m_entry.password = m_text;
        break;
    case TitleValue:
        m_entry.title = m_text;
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
    case IconValue: {
        bool number = false;
        const int icon = m_text.toInt(&number);
        m_entry.iconId = number ? icon : -1;
        break;
    }
    case NoValue:
        break;
    }
}

bool KeePassLoader::endDocument()
{
    // Without the KeePassFile root nothing was recognised: the file is not a KeePass export.
    if (!m_formatSeen)
        return false;
    if (!m_encryptedEntries.isEmpty()) {
        refuse(QStringLiteral("this is not an export but a database file's inner XML, whose protected values "
                              "are still encrypted (%1); export the database as KeePass XML and import that file")
                   .arg(m_encryptedEntries.join(QLatin1String(", "))));
        return false;
    }
    addKeptEntries();
    return true;
}
