#pragma once

#include <QObject>
#include <QStringList>

class WalletSession;

// The wallets opened last, newest first, kept in the settings: each wallet the session opens goes to
// the top, and the user may forget one (a wallet moved or deleted stays listed until then).
class RecentWallets : public QObject
{
    Q_OBJECT

public:
    static constexpr int kept = 5;

    explicit RecentWallets(WalletSession &session, QObject *parent = nullptr);

    QStringList paths() const;
    void add(const QString &path);
    void forget(const QString &path);

signals:
    void changed();

private:
    void store(const QStringList &paths);
};
