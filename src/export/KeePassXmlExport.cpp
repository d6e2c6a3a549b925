#include "export/KeePassXmlExport.h"

#include "import/KeePassKeys.h"

#include <QIODevice>
#include <QUuid>
#include <QXmlStreamWriter>

namespace {

// XML 1.0 has no way to write most control characters; the card text may hold them.
QString xmlText(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            clean.append(c).append(text.at(++i));
        } else if (!c.isSurrogate()
                   && (c.unicode() >= 0x20 || c == QLatin1Char('\t') || c == QLatin1Char('\n')
                       || c == QLatin1Char('\r'))
                   && c.unicode() != 0xfffe && c.unicode() != 0xffff) {
            clean.append(c);
        }
    }
    return clean;
}

// KeePass identifies entries and groups by 16 bytes in Base64.
QString keePassUuid(const QString &uuid)
{
    QUuid id(uuid);
    if (id.isNull())
        id = QUuid::createUuidV5(QUuid(), uuid);
    return QString::fromLatin1(id.toRfc4122().toBase64());
}

void writeString(QXmlStreamWriter &xml, const QString &key, const QString &value, bool protect)
{
    xml.writeStartElement(QStringLiteral("String"));
    xml.writeTextElement(QStringLiteral("Key"), xmlText(key));
    xml.writeStartElement(QStringLiteral("Value"));
    if (protect)
        xml.writeAttribute(QStringLiteral("ProtectInMemory"), QStringLiteral("True"));
    xml.writeCharacters(xmlText(value));
    xml.writeEndElement();
    xml.writeEndElement();
}

void startGroup(QXmlStreamWriter &xml, const QString &uuid, const QString &name, int icon)
{
    xml.writeStartElement(QStringLiteral("Group"));
    xml.writeTextElement(QStringLiteral("UUID"), uuid);
    xml.writeTextElement(QStringLiteral("Name"), name);
    xml.writeTextElement(QStringLiteral("IconID"), QString::number(icon));
}

QString newKeePassUuid()
{
    return QString::fromLatin1(QUuid::createUuid().toRfc4122().toBase64());
}

} // namespace

bool KeePassXmlExport::write(const CardSource &source, QIODevice &device)
{
    QXmlStreamWriter xml(&device);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(-1);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeStartElement(QStringLiteral("KeePassFile"));
    const QString recycleBin = newKeePassUuid();
    xml.writeStartElement(QStringLiteral("Meta"));
    xml.writeTextElement(QStringLiteral("Generator"), QStringLiteral("Tessera"));
    xml.writeTextElement(QStringLiteral("DatabaseName"), QStringLiteral("Tessera"));
    xml.writeTextElement(QStringLiteral("RecycleBinEnabled"), QStringLiteral("True"));
    xml.writeTextElement(QStringLiteral("RecycleBinUUID"), recycleBin);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("Root"));
    startGroup(xml, newKeePassUuid(), QStringLiteral("Tessera"), 49);
    const auto writeRow = [&xml](const StoredCard &row) {
        writeEntry(xml, row);
        return !xml.hasError();
    };
    if (!source(CardDb::LiveCards, writeRow))
        return false;
    startGroup(xml, recycleBin, QStringLiteral("Recycle Bin"), 43);
    if (!source(CardDb::TrashedCards, writeRow))
        return false;
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEmptyElement(QStringLiteral("DeletedObjects"));
    xml.writeEndDocument();
    return !xml.hasError();
}

void KeePassXmlExport::writeEntry(QXmlStreamWriter &xml, const StoredCard &row)
{
    const Card &card = *row.card;
    xml.writeStartElement(QStringLiteral("Entry"));
    xml.writeTextElement(QStringLiteral("UUID"), keePassUuid(card.uuid()));
    xml.writeTextElement(QStringLiteral("IconID"), QStringLiteral("0"));
    const QString changed = card.updateTime().toUTC().toString(Qt::ISODate);
    xml.writeStartElement(QStringLiteral("Times"));
    xml.writeTextElement(QStringLiteral("CreationTime"), changed);
    xml.writeTextElement(QStringLiteral("LastModificationTime"), changed);
    xml.writeTextElement(QStringLiteral("LastAccessTime"), changed);
    xml.writeTextElement(QStringLiteral("ExpiryTime"), changed);
    xml.writeTextElement(QStringLiteral("Expires"), QStringLiteral("False"));
    xml.writeTextElement(QStringLiteral("UsageCount"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("LocationChanged"), changed);
    xml.writeEndElement();

    QString standard[3];
    const QStringList keys = KeePassKeys::of(card);
    const QList<Field *> fields = card.fields();
    for (int i = 0; i < fields.size(); ++i) {
        const Field &field = *fields.at(i);
        if (keys.at(i) == KeePassKeys::userName)
            standard[0] = field.value();
        else if (keys.at(i) == KeePassKeys::password)
            standard[1] = field.value();
        else if (keys.at(i) == KeePassKeys::url)
            standard[2] = field.value();
    }
    writeString(xml, KeePassKeys::title, card.title(), false);
    writeString(xml, KeePassKeys::userName, standard[0], false);
    writeString(xml, KeePassKeys::password, standard[1], true);
    writeString(xml, KeePassKeys::url, standard[2], false);
    writeString(xml, KeePassKeys::notes, card.notes(), false);
    for (int i = 0; i < fields.size(); ++i) {
        const Field &field = *fields.at(i);
        const QString &key = keys.at(i);
        const bool custom = key != KeePassKeys::userName && key != KeePassKeys::password && key != KeePassKeys::url;
        if (custom && !field.value().isEmpty())
            writeString(xml, key, field.value(), field.sensitive());
    }
    writeString(xml, KeePassKeys::templateType, card.templateType(), false);
    writeString(xml, KeePassKeys::uuid, card.uuid(), false);
    xml.writeEndElement();
}
