#include "ui/CardIcons.h"

#include <QHash>

namespace CardIcons {

QString path(int iconId)
{
    return QStringLiteral(":images/card/%1.png").arg(iconId);
}

QIcon icon(int iconId)
{
    static QHash<int, QIcon> cache;
    auto it = cache.find(iconId);
    if (it == cache.end())
        it = cache.insert(iconId, QIcon(path(iconId)));
    return *it;
}

} // namespace CardIcons
