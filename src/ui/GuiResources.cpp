#include "ui/GuiResources.h"

#include <QtGlobal>

static void registerImages()
{
    Q_INIT_RESOURCE(images);
}

void initGuiResources()
{
    static const bool registered = (registerImages(), true);
    Q_UNUSED(registered)
}
