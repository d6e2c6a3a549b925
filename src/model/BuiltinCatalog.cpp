#include "model/BuiltinCatalog.h"

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
