#include "export/CsvExport.h"

#include "formats/KeePassKeys.h"

#include <QIODevice>

namespace {

// Blanks at either end are quoted too: many readers trim them from a bare value.
QString quoted(const QString &value)
{
    const bool padded = value.startsWith(QLatin1Char(' ')) || value.endsWith(QLatin1Char(' '));
    if (!padded && !value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"'))
        && !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')))
        return value;
    return QLatin1Char('"') + QString(value).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

QByteArray line(const Card &card)
{
    QString columns[3];
    QStringList notes;
    if (!card.notes().isEmpty())
        notes << card.notes();
    const QStringList keys = KeePassKeys::of(card);
    const QList<Field *> fields = card.fields();
    for (int i = 0; i < fields.size(); ++i) {
        const Field &field = *fields.at(i);
        if (keys.at(i) == KeePassKeys::userName)
            columns[0] = field.value();
        else if (keys.at(i) == KeePassKeys::password)
            columns[1] = field.value();
        else if (keys.at(i) == KeePassKeys::url)
            columns[2] = field.value();
        else if (!field.value().isEmpty())
            notes << field.label() + QLatin1String(": ") + field.value();
    }
    const QStringList values{quoted(card.title()),
                             quoted(columns[0]),
                             quoted(columns[1]),
                             quoted(columns[2]),
                             quoted(notes.join(QLatin1Char('\n'))),
                             quoted(card.templateType())};
    return (values.join(QLatin1Char(',')) + QLatin1String("\r\n")).toUtf8();
}

} // namespace

bool CsvExport::write(const CardSource &source, QIODevice &device)
{
    bool written = device.write("Title,Username,Password,URL,Notes,Type\r\n") >= 0;
    return written
        && source(CardDb::LiveCards,
                  [&](const StoredCard &row) {
                      written = device.write(line(*row.card)) >= 0;
                      return written;
                  })
        && written;
}
