#pragma once

#include "model/Field.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

class CardTextView;

// One wallet entry. A card owns its fields; copies are made explicitly with copyWithUuid.
// Times are kept in UTC: only the instant matters, and local time costs a time-zone look-up per card.
class Card
{
public:
    // Cards show one of the program's images, numbered from 0.
    static constexpr int iconCount = 70;

    Card();
    Card(const QString &templateType, int iconId, const QString &title);
    Card(const QString &uuid, const QDateTime &updateTime, const QString &templateType, int iconId,
         const QString &title, const QString &notes);
    Card(const Card &) = delete;
    Card &operator=(const Card &) = delete;
    // Title and notes are clear text of the wallet: they are wiped when the card goes.
    ~Card();

    QString uuid() const { return m_uuid; }
    QDateTime updateTime() const { return m_updateTime; }
    QString templateType() const { return m_templateType; }
    int iconId() const { return m_iconId; }
    QString title() const { return m_title; }
    QString notes() const { return m_notes; }
    // The fields stay the card's: callers may change values through the pointers but never delete them.
    QList<Field *> fields() const;
    int fieldCount() const { return int(m_fields.size()); }

    void setUuid(const QString &uuid) { m_uuid = uuid; }
    void setIconId(int iconId) { m_iconId = iconId; }
    // The card text separates its columns with tabs, so a title or note never holds one.
    void setTitle(const QString &title);
    void setNotes(const QString &notes);
    void setUpdateTime(const QDateTime &time) { m_updateTime = time; }

    void addField(int uid, const QDateTime &updateTime, const QString &label, const QString &value, int type,
                  bool sensitive);
    std::unique_ptr<Card> copyWithUuid(const QString &uuid) const;

    // Called on the stored version with the edited one: stamps what changed, says whether anything did.
    bool stampChanges(Card &edited) const;
    // Called on the stored version, which may have changed elsewhere while an editor was open on base:
    // takes the user's edits (what differs between base and edited), field by field, and keeps this
    // card's values wherever the user changed nothing.
    void takeEdits(const Card &base, const Card &edited);
    bool isEquivalent(const Card &other) const;
    // For two versions of one card: takes the other's head and each field where the other is newer.
    void mergeNewer(const Card &other);
    // Completes this card from an equivalent one without overwriting anything already filled in.
    void fillBlanks(const Card &other);

    // The tab-separated card text that is encrypted into the wallet file.
    QByteArray toData() const;
    // Fills the card from a card text; false when the text is not a well-formed card (not UTF-8, too
    // few columns, or fewer fields than it counts), though whatever it holds is still filled in.
    bool fromData(const QByteArray &data);
    bool fromText(const CardTextView &text);

private:
    bool pairsByUid(const Card &other) const;
    const Field *partner(const Card &other, std::size_t index, bool byUid) const;

    QString m_uuid;
    QDateTime m_updateTime;
    QString m_templateType;
    int m_iconId = -1;
    QString m_title;
    QString m_notes;
    std::vector<std::unique_ptr<Field>> m_fields;
};
