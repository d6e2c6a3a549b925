#include "ui/RecentWallets.h"

#include "session/WalletSession.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString recentKey = QStringLiteral("recentWallets");

} // namespace

RecentWallets::RecentWallets(WalletSession &session, QObject *parent)
    : QObject(parent)
{
    connect(&session, &WalletSession::opened, this, [this, &session] { add(session.path()); });
}

QStringList RecentWallets::paths() const
{
    return QSettings().value(recentKey).toStringList();
}

void RecentWallets::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    if (!list.isEmpty() && list.first() == absolute)
        return;
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list.mid(0, kept));
}

void RecentWallets::forget(const QString &path)
{
    QStringList list = paths();
    if (list.removeAll(path) > 0)
        store(list);
}

void RecentWallets::store(const QStringList &paths)
{
    QSettings().setValue(recentKey, paths);
    emit changed();
}
