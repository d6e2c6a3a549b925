// The card text: the tab-separated UTF-8 text inside each encrypted blob. The phone application reads
// and writes the same text, so every column is fixed: 7 head columns, then 6 per field.
#include "model/Card.h"
#include "model/CardTextView.h"
#include "model/SecretText.h"

#include <charconv>
#include <iterator>

namespace {

const QChar columnSeparator = QLatin1Char('\t');

// The text is written into one string, column after column, with no string of its own for each: a
// large import writes a hundred thousand cards.
void appendNumber(QString &text, qint64 number)
{
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), number).ptr;
    text.append(QLatin1String(digits, int(end - digits)));
}

void appendSeconds(QString &text, const QDateTime &time)
{
    const qint64 seconds = time.isValid() ? time.toSecsSinceEpoch() : 0;
    appendNumber(text, quint32(seconds));
}

// Reading stops at a zero byte, so one inside a value would cut off the rest of the card. A tab inside a
// label or value would shift every later column; the editor writes four blanks instead.
void appendColumn(QString &text, const QString &column, bool tabsAsBlanks)
{
    const bool plain = !column.contains(QChar(0)) && !(tabsAsBlanks && column.contains(columnSeparator));
    if (plain) {
        text.append(column);
        return;
    }
    for (const QChar c : column) {
        if (c == columnSeparator && tabsAsBlanks)
            text.append(QLatin1String("    "));
        else if (c != QChar(0))
            text.append(c);
    }
}

} // namespace

QByteArray Card::toData() const
{
    // Room for the whole text at once, so that growing it leaves no copy of a secret behind; numbers take
    // at most 11 characters, and a tab written as blanks three more.
    int size = 64 + m_uuid.size() + m_templateType.size() + m_title.size() + m_notes.size();
    for (const auto &field : m_fields) {
        const QString &label = field->label();
        const QString &value = field->value();
        size += 48 + label.size() + value.size() + 3 * (label.count(columnSeparator) + value.count(columnSeparator));
    }
    QString text;
    text.reserve(size);
    appendColumn(text, m_uuid, false);
    text.append(columnSeparator);
    appendSeconds(text, m_updateTime);
    text.append(columnSeparator);
    appendColumn(text, m_templateType, false);
    text.append(columnSeparator);
    appendNumber(text, m_iconId);
    text.append(columnSeparator);
    appendColumn(text, m_title, false);
    text.append(columnSeparator);
    appendColumn(text, m_notes, false);
    text.append(columnSeparator);
    appendNumber(text, m_fields.size());
    for (const auto &field : m_fields) {
        text.append(columnSeparator);
        appendNumber(text, field->uid());
        text.append(columnSeparator);
        appendSeconds(text, field->updateTime());
        text.append(columnSeparator);
        appendColumn(text, field->label(), true);
        text.append(columnSeparator);
        appendColumn(text, field->value(), true);
        text.append(columnSeparator);
        appendNumber(text, field->type());
        text.append(columnSeparator).append(QLatin1Char(field->sensitive() ? '1' : '0'));
    }
    const QByteArray data = text.toUtf8();
    SecretText::wipe(text);
    return data;
}

bool Card::fromData(const QByteArray &data)
{
    return fromText(CardTextView(data));
}

bool Card::fromText(const CardTextView &text)
{
    m_uuid = text.uuid().toString();
    m_updateTime = text.updateTime();
    m_templateType = text.templateType().toString();
    m_iconId = text.iconId();
    m_title = text.title().toString();
    m_notes = text.notes().toString();
    for (int i = 0; i < text.fieldCount(); ++i)
        addField(text.fieldUid(i), text.fieldUpdateTime(i), text.fieldLabel(i).toString(),
                 text.fieldValue(i).toString(), text.fieldType(i), text.fieldSensitive(i));
    return text.isWellFormed();
}
