#include "ui/RecentWalletsMenu.h"

#include "ui/RecentWallets.h"

#include <QDir>
#include <QFileInfo>

RecentWalletsMenu::RecentWalletsMenu(RecentWallets &recent, QWidget *parent)
    : QMenu(tr("Open Recent"), parent)
    , m_recent(recent)
{
    setObjectName(QStringLiteral("menuOpenRecent"));
    connect(this, &QMenu::aboutToShow, this, &RecentWalletsMenu::fill);
    connect(&m_recent, &RecentWallets::changed, this,
            [this] { menuAction()->setEnabled(!m_recent.paths().isEmpty()); });
    menuAction()->setEnabled(!m_recent.paths().isEmpty());
}

void RecentWalletsMenu::fill()
{
    clear();
    const QStringList paths = m_recent.paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths.at(i);
        // &1 to &5: each is a key away.
        QAction *action = addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)), this,
                                    [this, path] { emit openRequested(path); });
        action->setEnabled(QFileInfo::exists(path));
    }
}
