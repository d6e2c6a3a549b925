#include "import/TesseraJsonReader.h"

#include "import/ImportWriter.h"
#include "import/JsonStreamReader.h"
#include "model/Card.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QUuid>

namespace {

QDateTime timeOf(const QJsonObject &object)
{
    return QDateTime::fromSecsSinceEpoch(qint64(object.value(QLatin1String("updateTime")).toDouble()), Qt::UTC);
}

// The card an exported object describes; none, with the reason, when it is not one.
std::unique_ptr<Card> cardFrom(const QJsonObject &object, QString *problem)
{
    const QString uuid = object.value(QLatin1String("uuid")).toString();
    if (QUuid(uuid).isNull()) {
        *problem = QStringLiteral("no valid \"uuid\"");
        return nullptr;
    }
    const QString templateType = object.value(QLatin1String("templateType")).toString();
    if (templateType.isEmpty()) {
        *problem = QStringLiteral("no \"templateType\"");
        return nullptr;
    }
    auto card = std::make_unique<Card>(
        uuid, timeOf(object), templateType, object.value(QLatin1String("iconId")).toInt(),
        object.value(QLatin1String("title")).toString(), object.value(QLatin1String("notes")).toString());
    for (const QJsonValue &value : object.value(QLatin1String("fields")).toArray()) {
        const QJsonObject field = value.toObject();
        card->addField(field.value(QLatin1String("uid")).toInt(), timeOf(field),
                       field.value(QLatin1String("label")).toString(), field.value(QLatin1String("value")).toString(),
                       field.value(QLatin1String("type")).toInt(), field.value(QLatin1String("sensitive")).toBool());
    }
    return card;
}

} // namespace

bool TesseraJsonReader::read(QIODevice &device, ImportWriter &writer)
{
    JsonStreamReader json(device);
    int index = 0;
    const bool read = json.read({}, QStringLiteral("cards"), [&](const QJsonObject &object) {
        QString problem;
        auto card = cardFrom(object, &problem);
        ++index;
        if (card)
            writer.addExact(std::move(card), object.value(QLatin1String("trashed")).toBool());
        else
            writer.reject(QStringLiteral("card %1").arg(index), problem);
        return !writer.writeFailed();
    });
    if (!read)
        return fail(json.errorString());
    if (!json.foundArray())
        return fail(QStringLiteral("no \"cards\" list: not an export of this program"));
    return true;
}
