#include "model/Card.h"

#include "model/Clock.h"
#include "model/SecretText.h"
#include "model/TextUtils.h"

#include <QSet>

namespace {

QString withoutTabs(QString text)
{
    return text.remove(QLatin1Char('\t'));
}

} // namespace

Card::Card()
    : m_updateTime(Clock::nowUtc())
{
}

Card::Card(const QString &templateType, int iconId, const QString &title)
    : m_updateTime(Clock::nowUtc())
    , m_templateType(templateType)
    , m_iconId(iconId)
    , m_title(withoutTabs(title))
{
}

Card::Card(const QString &uuid, const QDateTime &updateTime, const QString &templateType, int iconId,
           const QString &title, const QString &notes)
    : m_uuid(uuid)
    , m_updateTime(updateTime)
    , m_templateType(templateType)
    , m_iconId(iconId)
    , m_title(withoutTabs(title))
    , m_notes(withoutTabs(notes))
{
}

void Card::setTitle(const QString &title)
{
    m_title = withoutTabs(title);
}

void Card::setNotes(const QString &notes)
{
    m_notes = withoutTabs(notes);
}

Card::~Card()
{
    SecretText::wipe(m_title);
    SecretText::wipe(m_notes);
}

QList<Field *> Card::fields() const
{
    QList<Field *> list;
    list.reserve(int(m_fields.size()));
    for (const auto &field : m_fields)
        list.append(field.get());
    return list;
}

void Card::addField(int uid, const QDateTime &updateTime, const QString &label, const QString &value, int type,
                    bool sensitive)
{
    m_fields.push_back(std::make_unique<Field>(uid, updateTime, label, value, type, sensitive));
}

std::unique_ptr<Card> Card::copyWithUuid(const QString &uuid) const
{
    auto copy = std::make_unique<Card>(uuid, m_updateTime, m_templateType, m_iconId, m_title, m_notes);
    for (const auto &field : m_fields) {
        copy->addField(field->uid(), Clock::nowUtc(), field->label(), field->value(), field->type(),
                       field->sensitive());
    }
    return copy;
}

// Two versions of a card pair their fields by uid when each numbers its fields distinctly: an imported
// login may lack fields of its template, or hold them in another order. Otherwise they pair by
// position. A missing partner counts as an empty value older than any other.
bool Card::pairsByUid(const Card &other) const
{
    const auto distinct = [](const std::vector<std::unique_ptr<Field>> &fields) {
        QSet<int> uids;
        for (const auto &field : fields)
            uids.insert(field->uid());
        return uids.size() == int(fields.size());
    };
    return distinct(m_fields) && distinct(other.m_fields);
}

const Field *Card::partner(const Card &other, std::size_t index, bool byUid) const
{
    if (!byUid)
        return index < other.m_fields.size() ? other.m_fields[index].get() : nullptr;
    for (const auto &field : other.m_fields) {
        if (field->uid() == m_fields[index]->uid())
            return field.get();
    }
    return nullptr;
}

bool Card::stampChanges(Card &edited) const
{
    const QDateTime now = Clock::nowUtc();
    bool changed = false;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        Field *editedField = i < edited.m_fields.size() ? edited.m_fields[i].get() : nullptr;
        const QString editedValue = editedField ? editedField->value() : QString();
        if (m_fields[i]->value() == editedValue)
            continue;
        if (editedField)
            editedField->setUpdateTime(now);
        changed = true;
    }
    if (m_iconId != edited.m_iconId || m_title != edited.m_title || m_notes != edited.m_notes)
        changed = true;
    if (changed)
        edited.m_updateTime = now;
    return changed;
}

void Card::takeEdits(const Card &base, const Card &edited)
{
    if (edited.m_title != base.m_title)
        m_title = edited.m_title;
    if (edited.m_notes != base.m_notes)
        m_notes = edited.m_notes;
    if (edited.m_iconId != base.m_iconId)
        m_iconId = edited.m_iconId;
    for (std::size_t i = 0; i < edited.m_fields.size(); ++i) {
        const Field &field = *edited.m_fields[i];
        const QString before = i < base.m_fields.size() ? base.m_fields[i]->value() : QString();
        if (field.value() == before)
            continue;
        if (i < m_fields.size())
            m_fields[i]->setValue(field.value());
        else
            addField(field.uid(), field.updateTime(), field.label(), field.value(), field.type(), field.sensitive());
    }
}

bool Card::isEquivalent(const Card &other) const
{
    if (m_templateType != other.m_templateType || m_title != other.m_title)
        return false;
    if (!sameOrBlank(m_notes, other.m_notes))
        return false;
    const bool byUid = pairsByUid(other);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const Field *theirs = partner(other, i, byUid);
        if (theirs && !sameOrBlank(m_fields[i]->value(), theirs->value()))
            return false;
    }
    return true;
}

void Card::mergeNewer(const Card &other)
{
    if (m_updateTime < other.m_updateTime) {
        m_iconId = other.m_iconId;
        m_title = other.m_title;
        m_notes = other.m_notes;
        m_updateTime = other.m_updateTime;
    }
    const bool byUid = pairsByUid(other);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const Field *theirs = partner(other, i, byUid);
        if (theirs && m_fields[i]->updateTime() < theirs->updateTime()) {
            m_fields[i]->setValue(theirs->value());
            m_fields[i]->setUpdateTime(theirs->updateTime());
        }
    }
}

void Card::fillBlanks(const Card &other)
{
    const QDateTime now = Clock::nowUtc();
    bool changed = false;
    if (m_updateTime < other.m_updateTime && m_iconId != other.m_iconId) {
        m_iconId = other.m_iconId;
        changed = true;
    }
    if (m_notes.isEmpty() && !other.m_notes.isEmpty()) {
        m_notes = other.m_notes;
        changed = true;
    }
    const bool byUid = pairsByUid(other);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const Field *theirs = partner(other, i, byUid);
        if (theirs && m_fields[i]->value().isEmpty() && !theirs->value().isEmpty()) {
            m_fields[i]->setValue(theirs->value());
            m_fields[i]->setUpdateTime(now);
            changed = true;
        }
    }
    if (changed)
        m_updateTime = now;
}
