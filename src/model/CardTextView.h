#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

// A card text read without making the card: its columns are views into the decoded text, which this
// holds and wipes when it goes. A walk over every card of a large wallet (a search reads the title,
// notes and fields of each) then costs no allocation for each column, field and time.
class CardTextView
{
public:
    // Reads up to a zero byte, which no card text holds.
    explicit CardTextView(const QByteArray &data);
    ~CardTextView();
    CardTextView(const CardTextView &) = delete;
    CardTextView &operator=(const CardTextView &) = delete;

    // False when the text is not a well-formed card (not UTF-8, too few columns, or fewer fields than
    // it counts); whatever it holds still reads, missing columns as empty.
    bool isWellFormed() const { return m_wellFormed; }

    QStringView uuid() const { return column(0); }
    QDateTime updateTime() const;
    QStringView templateType() const { return column(2); }
    int iconId() const;
    QStringView title() const { return column(4); }
    QStringView notes() const { return column(5); }

    // The fields the text holds: as many as it counts, as far as the text reaches.
    int fieldCount() const { return m_fieldCount; }
    int fieldUid(int field) const;
    QDateTime fieldUpdateTime(int field) const;
    QStringView fieldLabel(int field) const { return fieldColumn(field, 2); }
    QStringView fieldValue(int field) const { return fieldColumn(field, 3); }
    int fieldType(int field) const;
    bool fieldSensitive(int field) const;

private:
    QStringView column(int index) const { return index < m_columns.size() ? m_columns[index] : QStringView(); }
    QStringView fieldColumn(int field, int offset) const;

    QString m_text;
    // Inline room for the columns of most cards: a walk makes one view after another.
    QVarLengthArray<QStringView, 64> m_columns;
    int m_fieldCount = 0;
    bool m_wellFormed = false;
};
