#include "import/ImportLoader.h"

#include "formats/KeePassKeys.h"
#include "model/BuiltinCatalog.h"
#include "model/Card.h"
#include "model/Clock.h"
#include "model/FieldType.h"
#include "model/FieldTypeCodes.h"
#include "model/TemplateCatalog.h"
#include "model/TemplateCatalogReader.h"
#include "model/TextUtils.h"
#include "otp/OtpField.h"
#include "store/CardDb.h"

#include <QFile>
#include <QUuid>

#include <algorithm>

namespace {

constexpr int loginIcon = 21;

// The card text cannot hold a tab: the wallet would drop it from titles and notes and glue the words
// on either side together. Four blanks keep them apart, as the card editor does for values.
QString withoutTabs(const QString &text)
{
    return text.contains(QLatin1Char('\t')) ? QString(text).replace(QLatin1Char('\t'), QLatin1String("    ")) : text;
}

// What makes two cards the same for an import: template, title, notes and every filled value in
// order, as stored. Empty fields do not count: a card read back from this program's own export has
// every field of its template, while the card it came from may have had fewer.
QString sameness(const Card &card)
{
    QStringList parts{card.templateType(), card.title(), card.notes()};
    for (const Field *field : card.fields()) {
        if (!field->value().isEmpty())
            parts << field->value();
    }
    return parts.join(QChar(0));
}

QString withGroup(const QString &notes, const QString &group)
{
    if (group.isEmpty())
        return notes;
    const QString line = QStringLiteral("Group: ") + group;
    return notes.isEmpty() ? line : notes + QLatin1Char('\n') + line;
}

} // namespace

ImportLoader::~ImportLoader() = default;

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
    if (!transaction.isActive() || !readExistingCards()) {
        m_error = m_store->lastError().message();
        return false;
    }
    bool read = XmlEventReader::read(&file, *this, &m_error);
    if (!m_refusal.isEmpty()) {
        m_error = m_refusal;
        read = false;
    }
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

bool ImportLoader::readExistingCards()
{
    return m_store->forEachCard([this](const StoredCard &row) {
        (row.trashed ? m_trashedCards : m_liveCards).insert(sameness(*row.card));
        return true;
    });
}

std::unique_ptr<Card> ImportLoader::toCard(const ImportEntry &entry, int *extraFields)
{
    static const int usernameType = fieldTypeCode(QStringLiteral("username"));
    static const int passwordType = fieldTypeCode(QStringLiteral("password"));
    static const int urlType = fieldTypeCode(QStringLiteral("url"));

    // The same instant as local time, but storing it needs no time-zone lookup, which costs a file
    // check on every conversion: several per card, noticeable over thousands of cards.
    const QDateTime now = Clock::nowUtc();
    QVector<ImportField> extras = entry.extraFields;
    std::unique_ptr<Card> card = entry.templateType.isEmpty() ? nullptr : fromTemplate(entry, extras, now);
    if (!card) {
        card = std::make_unique<Card>(uuidFor(entry), now, QStringLiteral("login.default"), loginIcon,
                                      withoutTabs(entry.title), withoutTabs(entry.notes));
        card->addField(0, now, QStringLiteral("Username"), withoutTabs(entry.username), usernameType, false);
        card->addField(1, now, QStringLiteral("Password"), withoutTabs(entry.password), passwordType, true);
        card->addField(3, now, QStringLiteral("Url"), withoutTabs(entry.url), urlType, false);
    }
    card->setNotes(withGroup(card->notes(), withoutTabs(entry.group)));
    int uid = 0;
    for (const Field *field : card->fields())
        uid = std::max(uid, field->uid() + 1);
    for (const ImportField &extra : qAsConst(extras))
        card->addField(uid++, now, withoutTabs(extra.label), withoutTabs(extra.value), FieldType::Text,
                       extra.sensitive);
    // After the extra fields, where a code set up later would go too; a field of its own even when
    // another value (a password, say) holds a link already.
    if (!entry.otp.isEmpty())
        card->addField(uid, now, OtpField::label, withoutTabs(entry.otp), FieldType::Text, true);
    if (entry.iconId >= 0 && entry.iconId < Card::iconCount)
        card->setIconId(entry.iconId);
    *extraFields = extras.size();
    return card;
}

std::unique_ptr<Card> ImportLoader::fromTemplate(const ImportEntry &entry, QVector<ImportField> &extras,
                                                 const QDateTime &now)
{
    if (!m_catalog) {
        m_catalog = std::make_unique<TemplateCatalog>();
        TemplateCatalogReader(*m_catalog, builtinCatalogPath()).load();
    }
    const Card *templ = m_catalog->find(entry.templateType);
    if (!templ)
        return nullptr;
    auto card = templ->copyWithUuid(uuidFor(entry));
    card->setUpdateTime(now);
    card->setTitle(withoutTabs(entry.title));
    card->setNotes(withoutTabs(entry.notes));
    const QStringList keys = KeePassKeys::of(*card);
    const QList<Field *> fields = card->fields();
    for (int i = 0; i < fields.size(); ++i) {
        QString value;
        if (keys.at(i) == KeePassKeys::userName) {
            value = entry.username;
        } else if (keys.at(i) == KeePassKeys::password) {
            value = entry.password;
        } else if (keys.at(i) == KeePassKeys::url) {
            value = entry.url;
        } else {
            const auto extra = std::find_if(extras.begin(), extras.end(),
                                            [&](const ImportField &field) { return field.label == keys.at(i); });
            if (extra != extras.end()) {
                value = extra->value;
                extras.erase(extra);
            }
        }
        fields.at(i)->setValue(withoutTabs(value));
        fields.at(i)->setUpdateTime(now);
    }
    return card;
}

// The identity the export gave the card, unless a card of the wallet has it already.
QString ImportLoader::uuidFor(const ImportEntry &entry)
{
    const bool wellFormed = QUuid(entry.uuid).toString(QUuid::WithoutBraces) == entry.uuid;
    return wellFormed && m_store->cardIdForUuid(entry.uuid) == -1 ? entry.uuid : newUuid();
}

void ImportLoader::addCard(const ImportEntry &entry)
{
    if (m_writeFailed)
        return;
    int extraFields = 0;
    const auto card = toCard(entry, &extraFields);
    // Compared as the wallet will store it, which drops what the card text cannot hold.
    Card stored;
    stored.fromData(card->toData());
    const QString key = sameness(stored);
    if (m_liveCards.contains(key) || (entry.trashed && m_trashedCards.contains(key))) {
        ++m_summary.duplicates;
        return;
    }
    if (!m_store->addCard(*card) || (entry.trashed && !m_store->trashCard(m_store->cardIdForUuid(card->uuid())))) {
        m_writeFailed = true;
        return;
    }
    (entry.trashed ? m_trashedCards : m_liveCards).insert(key);
    ++m_summary.imported;
    m_summary.trashed += entry.trashed ? 1 : 0;
    m_summary.extraFields += extraFields;
}

void ImportLoader::refuse(const QString &reason)
{
    m_refusal = reason;
}

void ImportLoader::countDuplicates(int count)
{
    m_summary.duplicates += count;
}

void ImportLoader::clearEntry()
{
    m_entry.title.clear();
    m_entry.username.clear();
    m_entry.password.clear();
    m_entry.notes.clear();
    m_entry.url.clear();
    m_entry.otp.clear();
    m_entry.extraFields.clear();
    m_entry.group.clear();
    m_entry.trashed = false;
    m_entry.templateType.clear();
    m_entry.uuid.clear();
    m_entry.iconId = -1;
    m_entry.lastModified = QDateTime();
    m_entry.groupIndex = -1;
}
