#include "model/BuiltinCatalog.h"

#include "model/TemplateCatalog.h"
#include "model/TemplateCatalogReader.h"

#include <QtGlobal>

// The catalogue is compiled into a static library, so its resource must be registered explicitly.
static void registerCatalogResource()
{
    Q_INIT_RESOURCE(templates);
}

QString builtinCatalogPath()
{
    static const bool registered = (registerCatalogResource(), true);
    Q_UNUSED(registered)
    return QStringLiteral(":templates.xml");
}

const TemplateCatalog &builtinCatalog()
{
    static const TemplateCatalog catalog = [] {
        TemplateCatalog loaded;
        if (!TemplateCatalogReader(loaded, builtinCatalogPath()).load())
            qFatal("the built-in catalogue of templates cannot be read");
        return loaded;
    }();
    return catalog;
}
