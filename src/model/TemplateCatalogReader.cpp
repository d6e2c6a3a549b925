#include "model/TemplateCatalogReader.h"

#include "model/Clock.h"
#include "model/FieldTypeCodes.h"
#include "model/TemplateCatalog.h"

#include <QDateTime>
#include <QFile>

TemplateCatalogReader::TemplateCatalogReader(TemplateCatalog &catalog, const QString &path)
    : m_catalog(catalog)
    , m_path(path)
{
}

bool TemplateCatalogReader::load()
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return XmlEventReader::read(&file, *this);
}

bool TemplateCatalogReader::startElement(QStringView qualifiedName, const QXmlStreamAttributes &attributes)
{
    const auto text = [&attributes](const char *name) { return attributes.value(QLatin1String(name)).toString(); };
    const auto number = [&text](const char *name) { return text(name).toInt(); };

    if (qualifiedName == QLatin1String("card")) {
        m_currentCard = m_catalog.addTemplate(text("templatetype"), number("iconid"), text("name"));
    } else if (qualifiedName == QLatin1String("field") && m_currentCard) {
        m_currentCard->addField(number("uid"), Clock::nowUtc(), text("label"), text("value"),
                                fieldTypeCode(text("type")), fieldTypeCode(text("sensitive")) != 0);
    }
    return true;
}
