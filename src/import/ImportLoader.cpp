#include "import/ImportLoader.h"

#include "model/Card.h"
#include "model/FieldTypeCodes.h"
#include "model/TextUtils.h"
#include "otp/OtpField.h"
#include "store/CardDb.h"

#include <QFile>

namespace {

constexpr int loginIcon = 21;

// The card text cannot hold a tab: the wallet would drop it from titles and notes and glue the words
// on either side together. Four blanks keep them apart, as the card editor does for values.
QString withoutTabs(const QString &text)
{
    return text.contains(QLatin1Char('\t')) ? QString(text).replace(QLatin1Char('\t'), QLatin1String("    ")) : text;
}

} // namespace

ImportLoader::ImportLoader(CardDb *store, const QString &path, const char *openFailure, QLatin1String entryElement)
    : m_store(store)
    , m_path(path)
    , m_openFailure(openFailure)
    , m_entryElement(entryElement)
{
}

bool ImportLoader::importFile()
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("%1: %2").arg(QLatin1String(m_openFailure), file.errorString());
        return false;
    }
    // One commit for the whole import rather than one per card. What a format lets into the wallet
    // before a read error is committed too (the all-or-nothing formats add nothing until the end),
    // but after a failed write nothing is.
    CardDbTransaction transaction(*m_store);
    if (!transaction.isActive()) {
        m_error = m_store->lastError().message();
        return false;
    }
    const bool read = XmlEventReader::read(&file, *this, &m_error);
    if (m_writeFailed) {
        m_error = m_store->lastError().message();
        return false;
    }
    if (!transaction.commit()) {
        m_error = m_store->lastError().message();
        return false;
    }
    return read;
}

bool ImportLoader::characters(const QString &text)
{
    if (m_inEntry)
        m_text = text;
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
        clearEntryTexts();
        return true;
    }
    takeEntryElement(qualifiedName);
    return true;
}

std::unique_ptr<Card> ImportLoader::toCard(const ImportEntry &entry)
{
    static const int usernameType = fieldTypeCode(QStringLiteral("username"));
    static const int passwordType = fieldTypeCode(QStringLiteral("password"));
    static const int urlType = fieldTypeCode(QStringLiteral("url"));

    // The same instant as local time, but storing it needs no time-zone lookup, which costs a file
    // check on every conversion: several per card, noticeable over thousands of cards.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    auto card = std::make_unique<Card>(newUuid(), now, QStringLiteral("login.default"), loginIcon,
                                       withoutTabs(entry.title), withoutTabs(entry.notes));
    card->addField(0, now, QStringLiteral("Username"), withoutTabs(entry.username), usernameType, false);
    card->addField(1, now, QStringLiteral("Password"), withoutTabs(entry.password), passwordType, true);
    card->addField(3, now, QStringLiteral("Url"), withoutTabs(entry.url), urlType, false);
    if (!entry.otp.isEmpty())
        OtpField::store(*card, withoutTabs(entry.otp), now);
    return card;
}

void ImportLoader::addCard(const ImportEntry &entry)
{
    if (!m_writeFailed && !m_store->addCard(*toCard(entry)))
        m_writeFailed = true;
}

void ImportLoader::clearEntryTexts()
{
    m_entry.title.clear();
    m_entry.username.clear();
    m_entry.password.clear();
    m_entry.notes.clear();
    m_entry.url.clear();
    m_entry.otp.clear();
}
