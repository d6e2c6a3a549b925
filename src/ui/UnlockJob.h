#pragma once

#include "store/WalletError.h"

#include <QFutureWatcher>
#include <QObject>

class CardDb;
class WalletSession;

// Unlocks a wallet without stopping the window: the key file is read, the key derived (a second or
// so for a hardened wallet) and the card list read on a worker thread, and the store is handed to the
// session on the session's thread.
class UnlockJob : public QObject
{
    Q_OBJECT

public:
    UnlockJob(WalletSession &session, QObject *parent);
    ~UnlockJob() override;

    void start(const QString &path, const QString &password, const QString &keyFilePath);
    bool isRunning() const { return m_watcher.isRunning(); }
    // What a user reads when unlocking failed.
    static QString failureText(const WalletError &error);

signals:
    // Unlocked or not; when not, the session's lastError() says why.
    void finished(bool unlocked);

private:
    void handOver();

    WalletSession &m_session;
    QString m_path;
    QFutureWatcher<CardDb *> m_watcher;
    WalletError m_error;
    bool m_handedOver = true;
};
