#include "import/TesseraJsonReader.h"

#include "import/ImportWriter.h"
#include "model/Card.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
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
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(device.readAll(), &error);
    if (document.isNull())
        return fail(QStringLiteral("not JSON: %1 at byte %2").arg(error.errorString()).arg(error.offset));
    const QJsonValue cards = document.object().value(QLatin1String("cards"));
    if (!cards.isArray())
        return fail(QStringLiteral("no \"cards\" list: not an export of this program"));
    const QJsonArray list = cards.toArray();
    for (int i = 0; i < list.size() && !writer.writeFailed(); ++i) {
        const QJsonObject object = list.at(i).toObject();
        QString problem;
        auto card = cardFrom(object, &problem);
        if (card)
            writer.addExact(std::move(card), object.value(QLatin1String("trashed")).toBool());
        else
            writer.reject(QStringLiteral("card %1").arg(i + 1), problem);
    }
    return true;
}
