#include "export/KeePassXmlExport.h"

#include "formats/KeePassKeys.h"

#include <QIODevice>
#include <QUuid>

#include <algorithm>

namespace {

// XML 1.0 holds no control characters but tab and line breaks, no unpaired surrogates, and neither
// U+FFFE nor U+FFFF.
bool xmlCanHold(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const ushort u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate() || (u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0xfffe || u == 0xffff)
            return false;
    }
    return true;
}

// Text XML can hold, escaped. A carriage return is written as a reference, or a reader would drop it.
QString xmlText(const QString &text)
{
    const auto plain = [](QChar c) { return c != '&' && c != '<' && c != '>' && c != '"' && c != '\r'; };
    if (std::all_of(text.begin(), text.end(), plain))
        return text;
    QString escaped;
    escaped.reserve(text.size() + 16);
    for (const QChar c : text) {
        if (c == '&')
            escaped += QLatin1String("&amp;");
        else if (c == '<')
            escaped += QLatin1String("&lt;");
        else if (c == '>')
            escaped += QLatin1String("&gt;");
        else if (c == '"')
            escaped += QLatin1String("&quot;");
        else if (c == '\r')
            escaped += QLatin1String("&#13;");
        else
            escaped += c;
    }
    return escaped;
}

// <name attributes>text</name>; text XML cannot hold goes as the Base64 of its UTF-8, marked so that
// the import reads it back as it was.
QString element(const QString &name, const QString &attributes, const QString &text)
{
    if (xmlCanHold(text))
        return QStringLiteral("<%1%2>%3</%1>").arg(name, attributes, xmlText(text));
    return QStringLiteral("<%1%2 %3=\"%4\">%5</%1>")
        .arg(name, attributes, KeePassKeys::encodingAttribute, KeePassKeys::base64Encoding,
             QString::fromLatin1(text.toUtf8().toBase64()));
}

// KeePass identifies entries and groups by 16 bytes in Base64.
QString keePassUuid(const QString &uuid)
{
    QUuid id(uuid);
    if (id.isNull())
        id = QUuid::createUuidV5(QUuid(), uuid);
    return QString::fromLatin1(id.toRfc4122().toBase64());
}

QString newKeePassUuid()
{
    return QString::fromLatin1(QUuid::createUuid().toRfc4122().toBase64());
}

void appendString(QString &xml, const QString &key, const QString &value, bool protect)
{
    xml += QLatin1String("\t\t\t\t<String>\n\t\t\t\t\t") + element(QStringLiteral("Key"), QString(), key)
        + QLatin1String("\n\t\t\t\t\t")
        + element(QStringLiteral("Value"), protect ? QStringLiteral(" ProtectInMemory=\"True\"") : QString(), value)
        + QLatin1String("\n\t\t\t\t</String>\n");
}

QByteArray group(const QString &uuid, const QString &name, int icon, const char *indent)
{
    return QStringLiteral("%1<Group>\n%1\t<UUID>%2</UUID>\n%1\t<Name>%3</Name>\n%1\t<IconID>%4</IconID>\n")
        .arg(QLatin1String(indent), uuid, name)
        .arg(icon)
        .toUtf8();
}

// One entry, indented for its place in either group (the bin's entries are not indented further).
QByteArray entry(const StoredCard &row)
{
    const Card &card = *row.card;
    const QString changed = card.updateTime().toUTC().toString(Qt::ISODate);
    QString xml = QLatin1String("\t\t\t<Entry>\n\t\t\t\t<UUID>") + keePassUuid(card.uuid())
        + QLatin1String("</UUID>\n\t\t\t\t<IconID>0</IconID>\n\t\t\t\t<Times>\n");
    for (const char *element : {"CreationTime", "LastModificationTime", "LastAccessTime", "ExpiryTime"}) {
        xml += QStringLiteral("\t\t\t\t\t<%1>%2</%1>\n").arg(QLatin1String(element), changed);
    }
    xml += QLatin1String("\t\t\t\t\t<Expires>False</Expires>\n\t\t\t\t\t<UsageCount>0</UsageCount>\n")
        + QStringLiteral("\t\t\t\t\t<LocationChanged>%1</LocationChanged>\n\t\t\t\t</Times>\n").arg(changed);

    QString standard[3];
    const QStringList keys = KeePassKeys::of(card);
    const QList<Field *> fields = card.fields();
    for (int i = 0; i < fields.size(); ++i) {
        if (keys.at(i) == KeePassKeys::userName)
            standard[0] = fields.at(i)->value();
        else if (keys.at(i) == KeePassKeys::password)
            standard[1] = fields.at(i)->value();
        else if (keys.at(i) == KeePassKeys::url)
            standard[2] = fields.at(i)->value();
    }
    appendString(xml, KeePassKeys::title, card.title(), false);
    appendString(xml, KeePassKeys::userName, standard[0], false);
    appendString(xml, KeePassKeys::password, standard[1], true);
    appendString(xml, KeePassKeys::url, standard[2], false);
    appendString(xml, KeePassKeys::notes, card.notes(), false);
    for (int i = 0; i < fields.size(); ++i) {
        const Field &field = *fields.at(i);
        const QString &key = keys.at(i);
        const bool custom = key != KeePassKeys::userName && key != KeePassKeys::password && key != KeePassKeys::url;
        if (custom && !field.value().isEmpty())
            appendString(xml, key, field.value(), field.sensitive());
    }
    appendString(xml, KeePassKeys::templateType, card.templateType(), false);
    appendString(xml, KeePassKeys::uuid, card.uuid(), false);
    appendString(xml, KeePassKeys::icon, QString::number(card.iconId()), false);
    xml += QLatin1String("\t\t\t</Entry>\n");
    return xml.toUtf8();
}

} // namespace

bool KeePassXmlExport::write(const CardSource &source, QIODevice &device)
{
    const QString recycleBin = newKeePassUuid();
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<KeePassFile>\n\t<Meta>\n"
                            "\t\t<Generator>Tessera</Generator>\n\t\t<DatabaseName>Tessera</DatabaseName>\n"
                            "\t\t<RecycleBinEnabled>True</RecycleBinEnabled>\n\t\t<RecycleBinUUID>"
        + recycleBin.toLatin1() + "</RecycleBinUUID>\n\t</Meta>\n\t<Root>\n"
        + group(newKeePassUuid(), QStringLiteral("Tessera"), 49, "\t\t");
    bool written = device.write(head) >= 0;
    const auto writeRow = [&](const StoredCard &row) {
        written = device.write(entry(row)) >= 0;
        return written;
    };
    if (!written || !source(CardDb::LiveCards, writeRow) || !written)
        return false;
    if (device.write(group(recycleBin, QStringLiteral("Recycle Bin"), 43, "\t\t\t")) < 0
        || !source(CardDb::TrashedCards, writeRow) || !written)
        return false;
    return device.write("\t\t\t</Group>\n\t\t</Group>\n\t\t<DeletedObjects />\n\t</Root>\n</KeePassFile>\n") >= 0;
}
