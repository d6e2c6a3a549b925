#include "ui/ServerSyncController.h"

#include "session/Keyring.h"
#include "session/WalletSession.h"
#include "store/WalletBackups.h"
#include "sync/WebDavSync.h"
#include "ui/MessageBox.h"
#include "ui/ServerSyncDialog.h"

#include <QAction>
#include <QInputDialog>
#include <QPushButton>
#include <QSettings>
#include <QWidget>

namespace {

const QString accountsKey = QStringLiteral("serverSync/accounts");
constexpr int changeDelayMs = 2000;
constexpr int intervalMs = 5 * 60 * 1000;

QString askCopyPassword(QWidget *window)
{
    return QInputDialog::getText(window, ServerSyncController::tr("Sync With Server"),
                                 ServerSyncController::tr("Password of the wallet copy on the server:"),
                                 QLineEdit::Password);
}

} // namespace

struct ServerSyncController::RoundResult
{
    bool synced = false;
    WebDavSync::Report report;
    WalletError error;
    QByteArray fingerprint;
    // Set when the wallet locks or closes, which waits for the round: a slow server must not hold it up.
    std::atomic_bool stop{false};
};

ServerSyncController::ServerSyncController(WalletSession &session, QWidget *window)
    : QObject(window)
    , m_session(session)
    , m_window(window)
    , m_askPassword([window] { return askCopyPassword(window); })
    , m_action(new QAction(tr("Sync With Server…"), this))
{
    m_action->setEnabled(false);
    m_delay.setSingleShot(true);
    m_delay.setInterval(changeDelayMs);
    m_interval.setInterval(intervalMs);
    connect(m_action, &QAction::triggered, this, &ServerSyncController::editAccount);
    connect(&m_delay, &QTimer::timeout, this, &ServerSyncController::syncNow);
    connect(&m_interval, &QTimer::timeout, this, &ServerSyncController::syncNow);
    connect(&m_round, &QFutureWatcher<bool>::finished, this, &ServerSyncController::roundDone);
    connect(&session, &WalletSession::opened, this, &ServerSyncController::walletOpened);
    connect(&session, &WalletSession::closing, this, [this] {
        if (m_result)
            m_result->stop = true;
    });
    connect(&session, &WalletSession::locked, this, &ServerSyncController::walletClosed);
    connect(&session, &WalletSession::closed, this, &ServerSyncController::walletClosed);
    connect(&session, &WalletSession::cardsChanged, this, &ServerSyncController::localChange);
    connect(&session, &WalletSession::cardAdded, this, &ServerSyncController::localChange);
    connect(&session, &WalletSession::cardUpdated, this, &ServerSyncController::localChange);
    connect(&session, &WalletSession::cardRemoved, this, &ServerSyncController::localChange);
}

ServerSyncController::~ServerSyncController()
{
    m_round.waitForFinished();
}

WebDavAccount ServerSyncController::account() const
{
    WebDavAccount account;
    if (!m_session.isUnlocked())
        return account;
    const QVariantMap kept = QSettings().value(accountsKey).toMap().value(m_session.path()).toMap();
    account.url = kept.value(QStringLiteral("url")).toUrl();
    account.user = kept.value(QStringLiteral("user")).toString();
    account.acceptedFingerprint = kept.value(QStringLiteral("fingerprint")).toByteArray();
    account.plainHttpAllowed = kept.value(QStringLiteral("plainHttp")).toBool();
    account.password = m_password;
    return account;
}

void ServerSyncController::saveAccount(const WebDavAccount &account)
{
    QSettings settings;
    QVariantMap accounts = settings.value(accountsKey).toMap();
    if (account.url.isEmpty()) {
        accounts.remove(m_session.path());
    } else {
        accounts.insert(m_session.path(),
                        QVariantMap{{QStringLiteral("url"), account.url},
                                    {QStringLiteral("user"), account.user},
                                    {QStringLiteral("fingerprint"), account.acceptedFingerprint},
                                    {QStringLiteral("plainHttp"), account.plainHttpAllowed}});
    }
    settings.setValue(accountsKey, accounts);
}

void ServerSyncController::walletOpened()
{
    m_password.clear();
    m_etag.clear();
    m_copyKey.clear();
    m_copyPassword.clear();
    m_localChanged = true;
    m_action->setEnabled(m_session.isWritable());
    const WebDavAccount current = account();
    if (current.url.isEmpty() || !m_session.isWritable())
        return;
    const Keyring::Answer kept = Keyring::read(Keyring::serverKey(current.url, current.user));
    if (kept.status != Keyring::Found) {
        emit statusMessage(tr("Not synced with %1: the app password is needed (Tools > Sync With Server…). %2")
                               .arg(current.url.host(), kept.problem));
        return;
    }
    m_password = kept.secret;
    m_interval.start();
    syncNow();
}

void ServerSyncController::walletClosed()
{
    m_delay.stop();
    m_interval.stop();
    m_action->setEnabled(false);
    m_password.clear();
    m_copyPassword.clear();
    m_copyKey.clear();
}

void ServerSyncController::localChange()
{
    m_localChanged = true;
    if (m_round.isRunning())
        m_again = true;
    else if (!m_password.isEmpty())
        m_delay.start();
}

void ServerSyncController::editAccount()
{
    WebDavAccount edited = account();
    ServerSyncDialog dialog(edited.url, edited.user,
                            tr("The app password is kept in the desktop's keyring, never in a file. Without a "
                               "keyring it is asked here each time the wallet is unlocked."),
                            m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.url() != edited.url || dialog.user() != edited.user) {
        edited = WebDavAccount{dialog.url(), dialog.user(), m_password, QByteArray(), false};
        m_etag.clear();
        m_copyKey.clear();
        m_copyPassword.clear();
    }
    if (!dialog.password().isEmpty())
        edited.password = dialog.password();
    if (edited.url.isEmpty()) {
        saveAccount(edited);
        m_interval.stop();
        emit statusMessage(tr("No longer synced with a server"));
        return;
    }
    WalletError problem = WebDavClient::checkAccount(edited);
    if (problem.kind() == WalletError::ServerUntrusted && plainHttpAccepted(edited.url)) {
        edited.plainHttpAllowed = true;
        problem = WebDavClient::checkAccount(edited);
    }
    if (problem.isError()) {
        MessageBox::critical(m_window, tr("Sync With Server"), problem.detail());
        return;
    }
    saveAccount(edited);
    m_password = edited.password;
    if (!dialog.password().isEmpty()) {
        const Keyring::Answer kept = Keyring::write(Keyring::serverKey(edited.url, edited.user), m_password);
        if (kept.status != Keyring::Found)
            emit statusMessage(kept.problem);
    }
    m_localChanged = true;
    m_interactive = true;
    m_interval.start();
    syncNow();
}

bool ServerSyncController::plainHttpAccepted(const QUrl &url) const
{
    QMessageBox box(QMessageBox::Warning, tr("Unencrypted Connection"),
                    tr("The address starts with http://, so the app password crosses the network to %1 in the "
                       "clear, where others can read it. Use https:// unless this network is entirely yours.")
                        .arg(url.host()),
                    QMessageBox::Cancel, m_window);
    QAbstractButton *send = box.addButton(tr("Send In The Clear"), QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    return MessageBox::exec(box) == send;
}

void ServerSyncController::syncNow()
{
    const WebDavAccount current = account();
    if (current.url.isEmpty() || current.password.isEmpty() || !m_session.isWritable())
        return;
    if (m_round.isRunning()) {
        m_again = true;
        return;
    }
    m_delay.stop();
    WebDavSync::Options options;
    options.knownEtag = m_etag;
    options.localChanged = m_localChanged;
    options.copyKey = m_copyKey;
    if (!m_copyPassword.isEmpty())
        options.copyPassword = [password = m_copyPassword] { return std::optional<QString>(password); };
    options.beforeLocalWrite = &WalletBackups::keep;
    m_localChanged = false;
    m_result = std::make_shared<RoundResult>();
    m_round.setFuture(m_session.runInBackground([current, options, result = m_result](CardDb &store) {
        WebDavClient client(current);
        client.stopWhen(&result->stop);
        result->synced = WebDavSync::run(store, client, options, &result->report, &result->error);
        result->fingerprint = client.untrustedFingerprint();
        return result->synced;
    }));
}

void ServerSyncController::roundDone()
{
    const std::shared_ptr<RoundResult> result = std::move(m_result);
    const bool interactive = std::exchange(m_interactive, false);
    if (!result || !m_session.isUnlocked())
        return;
    const WebDavAccount current = account();
    if (result->synced) {
        m_etag = result->report.etag;
        m_copyKey = result->report.copyKey;
        emit statusMessage(tr("Synced with %1: %2, %3")
                               .arg(current.url.host(), tr("%n card(s) received", nullptr, result->report.received),
                                    tr("%n card(s) sent", nullptr, result->report.sent)));
        if (result->report.received > 0) {
            // The views read the cards the round wrote, which is no change of the user's to send back.
            const bool changed = m_localChanged;
            m_session.change([](CardDb &) { return true; });
            m_localChanged = changed;
            m_delay.stop();
        }
    } else {
        m_localChanged = true;
        const WalletError &error = result->error;
        if (error.kind() == WalletError::WrongPassword && m_copyPassword.isEmpty()) {
            m_copyPassword = m_askPassword();
            if (!m_copyPassword.isEmpty()) {
                syncNow();
                return;
            }
        }
        emit statusMessage(tr("Not synced with %1: %2").arg(current.url.host(), error.message()));
        if (error.kind() == WalletError::ServerUntrusted && !result->fingerprint.isEmpty()
            && current.acceptedFingerprint.isEmpty() && interactive) {
            offerCertificate(result->fingerprint);
        }
    }
    if (std::exchange(m_again, false))
        m_delay.start();
}

void ServerSyncController::offerCertificate(const QByteArray &fingerprint)
{
    MessageBox::confirm(m_window, tr("Unknown Certificate"),
                        tr("The system does not trust the certificate of %1. Trust it only if its SHA-256 "
                           "fingerprint is the one the server's owner gave you:\n\n%2")
                            .arg(account().url.host(), QString::fromLatin1(fingerprint)),
                        tr("Trust This Certificate"), [this, fingerprint] {
                            WebDavAccount accepted = account();
                            accepted.acceptedFingerprint = fingerprint;
                            saveAccount(accepted);
                            syncNow();
                        });
}
