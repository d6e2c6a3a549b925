#include "import/ImportWriter.h"

#include "formats/KeePassKeys.h"
#include "i18n/Translations.h"
#include "model/BuiltinCatalog.h"
#include "model/Card.h"
#include "model/Clock.h"
#include "model/FieldType.h"
#include "model/FieldTypeCodes.h"
#include "model/SecretText.h"
#include "model/TemplateCatalog.h"
#include "model/TextUtils.h"
#include "otp/OtpField.h"
#include "store/CardDb.h"

#include <QUuid>

#include <sodium.h>

#include <algorithm>

namespace {

constexpr int loginIcon = 21;

// The card text cannot hold a tab: the wallet would drop it from titles and notes and glue the words
// on either side together. Four blanks keep them apart, as the card editor does for values.
QString withoutTabs(const QString &text)
{
    return text.contains(QLatin1Char('\t')) ? QString(text).replace(QLatin1Char('\t'), QLatin1String("    ")) : text;
}

// A text as the wallet gives it back: without zeros, and with what UTF-8 cannot hold replaced.
QString asStored(const QString &text)
{
    QString stored = text.contains(QChar(0)) ? QString(text).remove(QChar(0)) : text;
    const bool surrogates = std::any_of(stored.begin(), stored.end(), [](QChar c) { return c.isSurrogate(); });
    return surrogates ? QString::fromUtf8(stored.toUtf8()) : stored;
}

QString withGroup(const QString &notes, const QString &group)
{
    if (group.isEmpty())
        return notes;
    const QString line = QStringLiteral("Group: ") + group;
    return notes.isEmpty() ? line : notes + QLatin1Char('\n') + line;
}

} // namespace

ImportWriter::ImportWriter(CardDb &store, Mode mode)
    : m_store(store)
    , m_mode(mode)
{
    if (sodium_init() < 0)
        qFatal("libsodium cannot be initialised");
    randombytes_buf(m_digestKeys, sizeof m_digestKeys);
}

// What makes two cards the same for an import: template, title, notes and every filled value in
// order, as stored. Empty fields do not count: a card read back from this program's own export has
// every field of its template, while the card it came from may have had fewer. Kept as a keyed
// digest, so that 100,000 cards' worth take a few megabytes, no secret lingers in them and no file
// can be made to look like a card it is not.
QByteArray ImportWriter::sameness(const Card &card) const
{
    // A zero character, which no stored text holds, ends each text.
    QString text;
    text.reserve(512);
    text.append(card.templateType()).append(QChar(0)).append(asStored(card.title())).append(QChar(0));
    text.append(asStored(card.notes()));
    for (const Field *field : card.fields()) {
        if (!field->value().isEmpty())
            text.append(QChar(0)).append(asStored(withoutTabs(field->value())));
    }
    // Two SipHash values under two keys: 128 bits, at a fraction of a cryptographic hash's cost.
    QByteArray digest(2 * crypto_shorthash_BYTES, Qt::Uninitialized);
    auto *out = reinterpret_cast<unsigned char *>(digest.data());
    const auto *in = reinterpret_cast<const unsigned char *>(text.utf16());
    const auto size = static_cast<unsigned long long>(text.size()) * sizeof(QChar);
    crypto_shorthash(out, in, size, m_digestKeys[0]);
    crypto_shorthash(out + crypto_shorthash_BYTES, in, size, m_digestKeys[1]);
    SecretText::wipe(text);
    return digest;
}

ImportWriter::~ImportWriter() = default;

bool ImportWriter::start()
{
    return m_store.forEachCard([this](const StoredCard &row) {
        (row.trashed ? m_trashedCards : m_liveCards).insert(sameness(*row.card));
        return true;
    });
}

void ImportWriter::add(const ImportEntry &entry)
{
    if (m_writeFailed)
        return;
    int extraFields = 0;
    const auto card = toCard(entry, &extraFields);
    take(*card, entry.trashed, extraFields);
}

void ImportWriter::addExact(std::unique_ptr<Card> card, bool trashed)
{
    if (m_writeFailed)
        return;
    if (m_newUuids.contains(card->uuid()) || m_store.cardIdForUuid(card->uuid()) != -1) {
        ++m_summary.duplicates;
        return;
    }
    take(*card, trashed, 0);
}

void ImportWriter::take(const Card &card, bool trashed, int extraFields)
{
    const QByteArray key = sameness(card);
    if (m_liveCards.contains(key) || (trashed && m_trashedCards.contains(key))) {
        ++m_summary.duplicates;
        return;
    }
    if (m_mode == Write
        && (!m_store.addCard(card) || (trashed && !m_store.trashCard(m_store.cardIdForUuid(card.uuid()))))) {
        m_writeFailed = true;
        return;
    }
    (trashed ? m_trashedCards : m_liveCards).insert(key);
    m_newUuids.insert(card.uuid());
    ++m_summary.imported;
    m_summary.trashed += trashed ? 1 : 0;
    m_summary.extraFields += extraFields;
    if (m_mode == Preview) {
        const Card *templ = builtinCatalog().find(card.templateType());
        const QString name = templ ? catalogText(templ->title()) : card.templateType();
        ++m_preview.templates[name];
        if (m_preview.firstRows.size() < previewRows) {
            QString user;
            for (const Field *field : card.fields()) {
                if (field->type() == FieldType::Username && !field->value().isEmpty()) {
                    user = field->value();
                    break;
                }
            }
            m_preview.firstRows.append({card.title(), name, user});
        }
    }
}

void ImportWriter::countDuplicates(int count)
{
    m_summary.duplicates += count;
}

void ImportWriter::reject(const QString &place, const QString &reason)
{
    ++m_summary.notUnderstood;
    m_summary.problems << place + QLatin1String(": ") + reason;
}

std::unique_ptr<Card> ImportWriter::toCard(const ImportEntry &entry, int *extraFields)
{
    static const int usernameType = fieldTypeCode(QStringLiteral("username"));
    static const int passwordType = fieldTypeCode(QStringLiteral("password"));
    static const int urlType = fieldTypeCode(QStringLiteral("url"));

    // The same instant as local time, but storing it needs no time-zone lookup, which costs a file
    // check on every conversion: several per card, noticeable over thousands of cards.
    const QDateTime time = entry.cardTime.isValid() ? entry.cardTime.toUTC() : Clock::nowUtc();
    QVector<ImportField> extras = entry.extraFields;
    std::unique_ptr<Card> card = entry.templateType.isEmpty() ? nullptr : fromTemplate(entry, extras, time);
    if (!card) {
        card = std::make_unique<Card>(uuidFor(entry.uuid), time, QStringLiteral("login.default"), loginIcon,
                                      withoutTabs(entry.title), withoutTabs(entry.notes));
        card->addField(0, time, QStringLiteral("Username"), withoutTabs(entry.username), usernameType, false);
        card->addField(1, time, QStringLiteral("Password"), withoutTabs(entry.password), passwordType, true);
        card->addField(3, time, QStringLiteral("Url"), withoutTabs(entry.url), urlType, false);
    }
    card->setNotes(withGroup(card->notes(), withoutTabs(entry.group)));
    int uid = 0;
    for (const Field *field : card->fields())
        uid = std::max(uid, field->uid() + 1);
    for (const ImportField &extra : qAsConst(extras))
        card->addField(uid++, time, withoutTabs(extra.label), withoutTabs(extra.value), FieldType::Text,
                       extra.sensitive);
    // After the extra fields, where a code set up later would go too; a field of its own even when
    // another value (a password, say) holds a link already.
    if (!entry.otp.isEmpty())
        card->addField(uid, time, OtpField::label, withoutTabs(entry.otp), FieldType::Text, true);
    if (entry.iconId >= 0 && entry.iconId < Card::iconCount)
        card->setIconId(entry.iconId);
    *extraFields = extras.size();
    return card;
}

// The entry's card made from the template it names, taking the values its fields map to out of
// extras; none when the template is unknown.
std::unique_ptr<Card> ImportWriter::fromTemplate(const ImportEntry &entry, QVector<ImportField> &extras,
                                                 const QDateTime &time)
{
    const Card *templ = builtinCatalog().find(entry.templateType);
    if (!templ)
        return nullptr;
    auto card = templ->copyWithUuid(uuidFor(entry.uuid));
    card->setUpdateTime(time);
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
        fields.at(i)->setUpdateTime(time);
    }
    // A template without a user name, password or address field keeps those values all the same.
    const std::pair<QLatin1String, const QString *> logins[] = {{KeePassKeys::userName, &entry.username},
                                                                {KeePassKeys::password, &entry.password},
                                                                {KeePassKeys::url, &entry.url}};
    int position = 0;
    for (const auto &[key, value] : logins) {
        if (!value->isEmpty() && !keys.contains(key))
            extras.insert(position++, {key, *value, key == KeePassKeys::password});
    }
    return card;
}

// The identity the export gave the card, unless a card of the wallet or the import has it already.
QString ImportWriter::uuidFor(const QString &uuid)
{
    if (uuid.isEmpty())
        return newUuid();
    const bool wellFormed = QUuid(uuid).toString(QUuid::WithoutBraces) == uuid;
    return wellFormed && !m_newUuids.contains(uuid) && m_store.cardIdForUuid(uuid) == -1 ? uuid : newUuid();
}
