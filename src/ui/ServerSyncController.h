#pragma once

#include "sync/WebDavClient.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class QAction;
class QWidget;
class WalletSession;

// Keeps the open wallet in step with its copy on a WebDAV server (chosen with Sync With Server…,
// remembered per wallet, the password in the desktop's keyring): a round after unlocking, 2 s after a
// change and every 5 minutes. Rounds run on the session's worker; what they say goes to the status
// bar. A certificate the system does not trust is used only once the user accepted its fingerprint.
class ServerSyncController : public QObject
{
    Q_OBJECT

public:
    // The password of the server's copy when it is not the wallet's; empty when the user declines.
    using PasswordQuestion = std::function<QString()>;

    ServerSyncController(WalletSession &session, QWidget *window);
    ~ServerSyncController() override;

    QAction *syncWithServerAction() const { return m_action; }
    void setPasswordQuestion(PasswordQuestion prompt) { m_askPassword = std::move(prompt); }
    // The account of the open wallet; an empty URL for none.
    WebDavAccount account() const;
    void syncNow();
    bool isSyncing() const { return m_round.isRunning(); }

signals:
    void statusMessage(const QString &text);

private:
    struct RoundResult;

    void walletOpened();
    void walletClosed();
    void localChange();
    void editAccount();
    void saveAccount(const WebDavAccount &account);
    void roundDone();
    // Whether the user lets plain http carry the password to another computer.
    bool plainHttpAccepted(const QUrl &url) const;
    void offerCertificate(const QByteArray &fingerprint);

    WalletSession &m_session;
    QWidget *m_window;
    PasswordQuestion m_askPassword;
    QAction *m_action;
    QTimer m_delay;
    QTimer m_interval;
    QFutureWatcher<bool> m_round;
    std::shared_ptr<RoundResult> m_result;
    // Kept for the session only: the server's password, the ETag and key of its copy after the last
    // round, and the copy's password once asked.
    QString m_password;
    QByteArray m_etag;
    QByteArray m_copyKey;
    QString m_copyPassword;
    bool m_localChanged = true;
    bool m_again = false;
    // A round the user started: it may ask about a certificate.
    bool m_interactive = false;
};
