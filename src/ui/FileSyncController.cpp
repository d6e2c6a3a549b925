#include "ui/FileSyncController.h"

#include "model/SecretText.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "store/WalletBackups.h"
#include "sync/ConflictCopies.h"
#include "sync/FileSync.h"
#include "ui/FileDialog.h"
#include "ui/FileWatch.h"
#include "ui/KeyFileField.h"
#include "ui/MessageBox.h"
#include "ui/RestoreBackupDialog.h"
#include "ui/SecretWidgets.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QWidget>

namespace {

const QString copiesKey = QStringLiteral("fileSync/copies");

// why: what the file is and why its password is needed, since it is not the wallet's.
FileSyncController::CopyCredentials askPassword(QWidget *window, const QString &path, const QString &title,
                                                const QString &why)
{
    QDialog dialog(window);
    dialog.setWindowTitle(title);
    auto *reason = new QLabel(why, &dialog);
    reason->setObjectName(QStringLiteral("reasonLabel"));
    reason->setWordWrap(true);
    auto *password = new QLineEdit(&dialog);
    password->setEchoMode(QLineEdit::Password);
    auto *keyFile = new KeyFileField(&dialog);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto *form = new QFormLayout(&dialog);
    form->addRow(reason);
    form->addRow(FileSyncController::tr("Password of \"%1\":").arg(QFileInfo(path).fileName()), password);
    if (KeyFileField::requiredBy(path))
        form->addRow(FileSyncController::tr("Key file:"), keyFile);
    else
        keyFile->hide();
    form->addRow(buttons);
    keyFile->recall(path);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const FileSyncController::CopyCredentials given{password->text(),
                                                    keyFile->isHidden() ? QString() : keyFile->path()};
    SecretWidgets::wipe(&dialog);
    return given;
}

} // namespace

FileSyncController::FileSyncController(WalletSession &session, QWidget *window)
    : QObject(window)
    , m_session(session)
    , m_window(window)
    , m_askPassword([this, window](const QString &path) {
        const QString name = QFileInfo(path).fileName();
        if (QFileInfo(path) == QFileInfo(syncFile()))
            return askPassword(window, path, tr("Sync With File"),
                               tr("The synced copy \"%1\" has another password than this wallet (it was changed "
                                  "on another device, or the copy is another wallet). Enter the copy's password "
                                  "to sync with it.")
                                   .arg(name));
        return askPassword(window, path, tr("Restore From Backup"),
                           tr("The backup \"%1\" was made under another password than the wallet has now. "
                              "Enter the password it had then to restore it.")
                               .arg(name));
    })
    , m_syncAction(new QAction(tr("Sync With File…"), this))
    , m_restoreAction(new QAction(tr("Restore From Backup…"), this))
    , m_watch(new FileWatch(this))
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(2000);
    m_syncAction->setEnabled(false);
    m_restoreAction->setEnabled(false);
    connect(m_syncAction, &QAction::triggered, this, &FileSyncController::chooseSyncFile);
    connect(m_restoreAction, &QAction::triggered, this, &FileSyncController::chooseBackup);
    connect(m_watch, &FileWatch::changed, this, &FileSyncController::fileChanged);
    connect(m_watch, &FileWatch::folderChanged, this, &FileSyncController::folderChanged);
    connect(&m_delay, &QTimer::timeout, this, &FileSyncController::syncNow);
    connect(&session, &WalletSession::opened, this, &FileSyncController::walletOpened);
    connect(&session, &WalletSession::locked, this, &FileSyncController::walletClosed);
    connect(&session, &WalletSession::closed, this, &FileSyncController::walletClosed);
}

FileSyncController::~FileSyncController() = default;

void FileSyncController::walletOpened()
{
    m_copyKey.clear();
    m_syncAction->setEnabled(m_session.isWritable());
    m_restoreAction->setEnabled(m_session.isWritable());
    watch();
    if (!syncFile().isEmpty())
        syncNow();
}

void FileSyncController::walletClosed()
{
    m_delay.stop();
    m_copyKey.clear();
    m_watch->setFiles({});
    m_syncAction->setEnabled(false);
    m_restoreAction->setEnabled(false);
}

QString FileSyncController::syncFile() const
{
    return m_session.isUnlocked() ? QSettings().value(copiesKey).toMap().value(m_session.path()).toString() : QString();
}

void FileSyncController::setSyncFile(const QString &path)
{
    if (!m_session.isUnlocked())
        return;
    QSettings settings;
    QVariantMap copies = settings.value(copiesKey).toMap();
    copies.insert(m_session.path(), QFileInfo(path).absoluteFilePath());
    settings.setValue(copiesKey, copies);
    m_copyKey.clear();
    watch();
    syncNow();
}

void FileSyncController::chooseSyncFile()
{
    const QString current = syncFile();
    const QString path
        = FileDialog::getSaveFileName(m_window, tr("Sync With File"), current, tr("Tessera wallets (*.tessera)"),
                                      QStringLiteral("tessera"), FileDialog::UseAsItIs);
    if (!path.isEmpty())
        setSyncFile(path);
}

void FileSyncController::watch()
{
    QStringList files;
    if (m_session.isUnlocked()) {
        files.append(m_session.path());
        if (!syncFile().isEmpty())
            files.append(syncFile());
    }
    m_watch->setFiles(files);
}

void FileSyncController::fileChanged(const QString &path)
{
    if (!m_session.isUnlocked())
        return;
    if (QFileInfo(path) == QFileInfo(m_session.path())) {
        if (!followWalletFile())
            return;
        m_session.noticeOutsideChanges();
    }
    if (!syncFile().isEmpty() && !m_syncing)
        m_delay.start();
}

void FileSyncController::folderChanged(const QString &folder)
{
    const QString copy = syncFile();
    if (copy.isEmpty() || m_syncing || QFileInfo(copy).absolutePath() != folder)
        return;
    const QStringList conflicts = ConflictCopies::of(copy);
    for (const QString &path : conflicts) {
        if (!m_conflictCopiesLeft.contains(path)) {
            m_delay.start();
            return;
        }
    }
}

// A replaced wallet (a sync tool, a restore) is read anew, or the session locks for its password. A
// deleted wallet stays open from the file still held, until the user saves it.
bool FileSyncController::followWalletFile()
{
    switch (m_session.fileChange()) {
    case WalletSession::SameFile:
        m_walletGoneReported = false;
        return true;
    case WalletSession::Replaced:
        m_walletGoneReported = false;
        if (!m_session.reopen())
            emit unlockAsked(tr("Another program replaced the wallet. Unlock it with its password."));
        return false;
    case WalletSession::Gone:
        if (!m_walletGoneReported) {
            m_walletGoneReported = true;
            MessageBox::critical(m_window, tr("Wallet Deleted"),
                                 tr("Another program deleted or moved \"%1\". Its cards are still open here: "
                                    "keep them with File > Save A Copy To.")
                                     .arg(m_session.path()));
        }
        return m_session.isUnlocked();
    }
    return true;
}

void FileSyncController::syncNow()
{
    const QString path = syncFile();
    if (path.isEmpty() || m_syncing)
        return;
    m_delay.stop();
    m_syncing = true;
    WalletError error;
    FileSync::Report report;
    bool synced = false;
    m_session.change([&](CardDb &store) {
        std::unique_ptr<CardDb> copy;
        if (store.isReadOnly())
            error = WalletError(WalletError::ReadOnly);
        else
            copy = openCopy(store, path, &error);
        synced = copy && FileSync::run(store, *copy, &report, &error);
        return synced && report.received > 0;
    });
    m_syncing = false;
    watch();
    if (!synced) {
        emit statusMessage(tr("Not synced with \"%1\": %2").arg(QFileInfo(path).fileName(), error.message()));
        return;
    }
    QString text
        = tr("Synced: %1, %2")
              .arg(tr("%n card(s) received", nullptr, report.received), tr("%n card(s) sent", nullptr, report.sent));
    if (report.conflictCopiesMerged > 0)
        text += tr(", %n conflict copy(s) merged", nullptr, report.conflictCopiesMerged);
    m_conflictCopiesLeft.clear();
    for (const FileSync::Report::LeftCopy &left : qAsConst(report.conflictCopiesLeft)) {
        m_conflictCopiesLeft.append(left.path);
        text += tr("; \"%1\" not merged: %2").arg(QFileInfo(left.path).fileName(), left.reason.message());
    }
    emit statusMessage(text);
}

// A copy made from this wallet opens with its key; another asks its password once this session.
std::unique_ptr<CardDb> FileSyncController::openCopy(CardDb &wallet, const QString &path, WalletError *error)
{
    if (!QFileInfo::exists(path)) {
        if (!wallet.saveCopy(path)) {
            *error = wallet.lastError();
            return nullptr;
        }
        m_copyKey = wallet.key();
    }
    auto copy = CardDb::openWithKey(path, m_copyKey.isEmpty() ? wallet.key() : m_copyKey, error);
    if (copy || error->kind() != WalletError::PasswordChanged)
        return copy;
    copy = openAsking(path, error);
    if (copy)
        m_copyKey = copy->key();
    return copy;
}

std::unique_ptr<CardDb> FileSyncController::openAsking(const QString &path, WalletError *error)
{
    const CopyCredentials given = m_askPassword(path);
    if (given.password.isEmpty()) {
        *error = WalletError(WalletError::WrongPassword);
        return nullptr;
    }
    WalletCredentials credentials;
    *error = KeyFileField::credentials(given.password, given.keyFilePath, &credentials);
    auto copy = error->isError() ? nullptr : CardDb::open(path, credentials, error);
    SecretText::wipe(credentials.keyFile);
    if (copy)
        KeyFileField::remember(path, given.keyFilePath);
    return copy;
}

void FileSyncController::chooseBackup()
{
    if (!m_session.isUnlocked())
        return;
    auto *dialog = new RestoreBackupDialog(WalletBackups::list(m_session.path()), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &RestoreBackupDialog::chosen, this, &FileSyncController::restoreBackup);
    dialog->open();
}

std::unique_ptr<CardDb> FileSyncController::openBackup(CardDb &wallet, const QString &path, WalletError *error)
{
    auto backup = CardDb::openWithKey(path, wallet.key(), error);
    if (backup || error->kind() != WalletError::PasswordChanged)
        return backup;
    return openAsking(path, error);
}

void FileSyncController::restoreBackup(const QString &backupPath)
{
    WalletError error;
    const bool unlocked = m_session.change([&](CardDb &wallet) {
        auto backup = openBackup(wallet, backupPath, &error);
        if (backup)
            error = WalletBackups::restore(wallet, *backup);
        return !error.isError();
    });
    if (!unlocked)
        return;
    if (error.isError()) {
        MessageBox::storeError(m_window, tr("The backup could not be restored:"), error);
        return;
    }
    emit statusMessage(tr("Restored the backup \"%1\"").arg(QFileInfo(backupPath).fileName()));
}
