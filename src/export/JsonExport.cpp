#include "export/JsonExport.h"

#include "export/CardJson.h"

#include <QIODevice>
#include <QJsonDocument>

namespace {

// A card's object indented as the third level of the document.
QByteArray nested(const StoredCard &row)
{
    QByteArray text = QJsonDocument(CardJson::card(row)).toJson(QJsonDocument::Indented);
    text.chop(1);
    text.replace('\n', "\n        ");
    return "        " + text;
}

} // namespace

bool JsonExport::write(const CardSource &source, QIODevice &device)
{
    bool written = device.write("{\n    \"cards\": [\n") >= 0;
    bool first = true;
    const bool read = written && source(CardDb::AllCards, [&](const StoredCard &row) {
                          written = device.write(first ? nested(row) : ",\n" + nested(row)) >= 0;
                          first = false;
                          return written;
                      });
    return read && written && device.write(first ? "    ]\n}\n" : "\n    ]\n}\n") >= 0;
}
