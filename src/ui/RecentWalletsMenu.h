#pragma once

#include <QMenu>

class RecentWallets;

// File > Open Recent: the wallets opened last, filled each time it opens; one that is gone is shown
// disabled.
class RecentWalletsMenu : public QMenu
{
    Q_OBJECT

public:
    RecentWalletsMenu(RecentWallets &recent, QWidget *parent = nullptr);

signals:
    void openRequested(const QString &path);

private:
    void fill();

    RecentWallets &m_recent;
};
