#include "export/JsonExport.h"

#include <QIODevice>

namespace {

// A JSON string exactly as QJsonDocument writes one, so that the export keeps its bytes.
void appendString(QByteArray &out, const QString &text)
{
    static const char hex[] = "0123456789abcdef";
    out += '"';
    const ushort *src = text.utf16();
    const ushort *const end = src + text.size();
    while (src != end) {
        const ushort u = *src++;
        if (u < 0x80) {
            if (u >= 0x20 && u != '"' && u != '\\') {
                out += char(u);
                continue;
            }
            out += '\\';
            switch (u) {
            case '"':
            case '\\':
                out += char(u);
                break;
            case '\b':
                out += 'b';
                break;
            case '\f':
                out += 'f';
                break;
            case '\n':
                out += 'n';
                break;
            case '\r':
                out += 'r';
                break;
            case '\t':
                out += 't';
                break;
            default:
                out += "u00";
                out += hex[u >> 4];
                out += hex[u & 0xf];
            }
        } else if (QChar::isHighSurrogate(u) && src != end && QChar::isLowSurrogate(*src)) {
            out += QString(reinterpret_cast<const QChar *>(src - 1), 2).toUtf8();
            ++src;
        } else if (QChar::isSurrogate(u)) {
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += hex[(u >> shift) & 0xf];
        } else {
            out += QString(QChar(u)).toUtf8();
        }
    }
    out += '"';
}

qint64 seconds(const QDateTime &time)
{
    return time.isValid() ? time.toSecsSinceEpoch() : 0;
}

void appendMember(QByteArray &out, const char *indent, const char *key)
{
    out += indent;
    out += '"';
    out += key;
    out += "\": ";
}

// One card as the third level of the document, its members in QJsonDocument's (alphabetical) order.
void appendCard(QByteArray &out, const StoredCard &row)
{
    const Card &card = *row.card;
    const char *member = "            ";
    const char *fieldMember = "                    ";
    out += "        {\n";
    appendMember(out, member, "fields");
    const QList<Field *> fields = card.fields();
    out += "[\n";
    for (int i = 0; i < fields.size(); ++i) {
        const Field &field = *fields.at(i);
        out += "                {\n";
        appendMember(out, fieldMember, "label");
        appendString(out, field.label());
        out += ",\n";
        appendMember(out, fieldMember, "sensitive");
        out += field.sensitive() ? "true,\n" : "false,\n";
        appendMember(out, fieldMember, "type");
        out += QByteArray::number(field.type()) + ",\n";
        appendMember(out, fieldMember, "uid");
        out += QByteArray::number(field.uid()) + ",\n";
        appendMember(out, fieldMember, "updateTime");
        out += QByteArray::number(seconds(field.updateTime())) + ",\n";
        appendMember(out, fieldMember, "value");
        appendString(out, field.value());
        out += i + 1 < fields.size() ? "\n                },\n" : "\n                }\n";
    }
    out += "            ],\n";
    appendMember(out, member, "iconId");
    out += QByteArray::number(card.iconId()) + ",\n";
    appendMember(out, member, "id");
    out += QByteArray::number(row.id) + ",\n";
    appendMember(out, member, "notes");
    appendString(out, card.notes());
    out += ",\n";
    appendMember(out, member, "templateType");
    appendString(out, card.templateType());
    out += ",\n";
    appendMember(out, member, "title");
    appendString(out, card.title());
    out += ",\n";
    appendMember(out, member, "trashed");
    out += row.trashed ? "true,\n" : "false,\n";
    // When the card went to the trash: a merge weighs it against a change made elsewhere.
    if (row.trashed) {
        appendMember(out, member, "trashedTime");
        out += QByteArray::number(seconds(row.rowTime)) + ",\n";
    }
    appendMember(out, member, "updateTime");
    out += QByteArray::number(seconds(card.updateTime())) + ",\n";
    appendMember(out, member, "uuid");
    appendString(out, card.uuid());
    out += "\n        }";
}

} // namespace

bool JsonExport::write(const CardSource &source, QIODevice &device)
{
    bool written = device.write("{\n    \"cards\": [\n") >= 0;
    bool first = true;
    QByteArray text;
    const bool read = written && source(CardDb::AllCards, [&](const StoredCard &row) {
                          text.clear();
                          if (!first)
                              text += ",\n";
                          appendCard(text, row);
                          first = false;
                          written = device.write(text) >= 0;
                          return written;
                      });
    return read && written && device.write(first ? "    ]\n}\n" : "\n    ]\n}\n") >= 0;
}
