#include "ui/DropboxSyncDialog.h"

#include "session/CloudSignIn.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "store/WalletBackups.h"
#include "sync/WalletMerge.h"
#include "ui/KeyFileField.h"
#include "ui/MakerSite.h"
#include "ui_DropboxSyncDialog.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QNetworkReply>

const QString DropboxSyncDialog::remotePath = QStringLiteral("/sync_default.tessera");

namespace {
const char applicationKey[] = "k7m2q9x4v1c8b3n";
const char applicationSecret[] = "p5t0r6w2j9h4d7s";
} // namespace

DropboxSyncDialog::DropboxSyncDialog(WalletSession &session, const DropboxHosts &hosts, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::DropboxSyncDialog>())
    , m_session(session)
    , m_client(new DropboxClient(hosts, this))
    , m_localSyncPath(m_folder.filePath(QStringLiteral("sync_default.db")))
    , m_keyFile(new KeyFileField(this))
{
    m_ui->setupUi(this);
    m_ui->formLayout->insertRow(2, tr("Key File"), m_keyFile);
    m_ui->passerrLabel->hide();
    m_client->setApiKey(QString::fromLatin1(applicationKey), QString::fromLatin1(applicationSecret));
    connect(m_client, &DropboxClient::doneRequestToken, this, &DropboxSyncDialog::startAuth2);
    connect(m_client, &DropboxClient::errorRequestToken, this, &DropboxSyncDialog::showError);
    connect(m_client, &DropboxClient::doneAccessToken, this, &DropboxSyncDialog::gotAccessToken);
    connect(m_client, &DropboxClient::errorAccessToken, this, &DropboxSyncDialog::showDisconnected);
    connect(m_client, &DropboxClient::doneFileDownload, this, &DropboxSyncDialog::askPassword);
    connect(m_client, &DropboxClient::errorFileDownload, this, &DropboxSyncDialog::downloadError);
    connect(m_client, &DropboxClient::doneFileUpload, this, &DropboxSyncDialog::showDone);
    connect(m_client, &DropboxClient::errorFileUpload, this, &DropboxSyncDialog::showError);
    connect(&m_syncWatcher, &QFutureWatcher<bool>::finished, this, &DropboxSyncDialog::doneWithSync);

    CloudSignIn signIn;
    if (CloudSignIn::load(&signIn).status == Keyring::Found && !signIn.key.isEmpty()) {
        m_client->setUserLogin(signIn.key, signIn.secret);
        checkout();
    } else {
        startAuth1();
    }
}

DropboxSyncDialog::~DropboxSyncDialog()
{
    m_syncWatcher.waitForFinished();
    // Leaving mid-way is a cancel, not a failure to report.
    m_client->disconnect(this);
    m_client->cancelOperations();
    clearSyncFiles();
}

void DropboxSyncDialog::enterState(SyncState state, Page page, const QString &buttonText)
{
    m_state = state;
    m_ui->commonButton->setText(buttonText);
    m_ui->stackedWidget->setCurrentIndex(page);
}

void DropboxSyncDialog::showActivity(SyncState state, const QString &status)
{
    m_ui->statusLabel->setText(status);
    enterState(state, ActivityPage, tr("Cancel"));
}

void DropboxSyncDialog::startAuth1()
{
    showActivity(StateConnecting, tr("Connecting to Dropbox..."));
    m_client->getRequestToken();
}

void DropboxSyncDialog::startAuth2()
{
    enterState(StateAwaitingAuthorisation, InfoPage, tr("Continue"));
    QDesktopServices::openUrl(QUrl(m_client->getAuthUrl(makerSite(QStringLiteral("/dropbox/")).toString())));
}

void DropboxSyncDialog::startAuth3()
{
    showActivity(StateValidating, tr("Checking the Dropbox sign-in..."));
    m_client->getAccessToken();
}

void DropboxSyncDialog::gotAccessToken(const QString &key, const QString &secret)
{
    // Without a keyring the token lasts as long as the dialog: the user signs in each time.
    CloudSignIn{key, secret}.save();
    checkout();
}

void DropboxSyncDialog::checkout()
{
    showActivity(StateChecking, tr("Checking for Tessera data on Dropbox..."));
    if (!m_client->downloadFile(remotePath, m_localSyncPath))
        showError();
}

void DropboxSyncDialog::downloadError(int error)
{
    clearSyncFiles();
    if (error == QNetworkReply::ContentNotFoundError)
        createPassword();
    else
        showError();
}

void DropboxSyncDialog::createPassword()
{
    m_ui->promptLabel->setText(tr("This is the first sync with Dropbox and there is no Tessera data there yet. Please "
                                  "set a password for the Tessera data on Dropbox."));
    m_ui->oldPassLabel->hide();
    m_ui->oldPassEdit->hide();
    showKeyFile(false);
    m_ui->changePassCheck->hide();
    enterState(StateCreatePassword, PasswordPage, tr("Synchronize"));
    m_ui->newPassEdit->setFocus();
}

void DropboxSyncDialog::askPassword()
{
    m_changeSyncPassword = false;
    m_ui->promptLabel->setText(tr("The Tessera data on Dropbox is encrypted under a password of its own, which "
                                  "may differ from this wallet's. Please enter the password of the data on Dropbox."));
    m_ui->changePassCheck->setChecked(false);
    m_ui->newPassEdit->setEnabled(false);
    m_ui->confirmPassEdit->setEnabled(false);
    showKeyFile(KeyFileField::requiredBy(m_localSyncPath));
    enterState(StateAskPassword, PasswordPage, tr("Synchronize"));
    m_ui->oldPassEdit->setFocus();
}

void DropboxSyncDialog::on_changePassCheck_clicked(bool checked)
{
    m_changeSyncPassword = checked;
    m_ui->newPassEdit->setEnabled(checked);
    m_ui->confirmPassEdit->setEnabled(checked);
}

void DropboxSyncDialog::showPasswordError(const QString &message)
{
    m_ui->passerrLabel->setText(message);
    m_ui->passerrLabel->show();
}

void DropboxSyncDialog::startSync()
{
    const QString password = m_ui->oldPassEdit->text();
    const QString newPassword = m_ui->newPassEdit->text();
    const QString confirmation = m_ui->confirmPassEdit->text();
    const bool changing = m_state == StateCreatePassword || m_changeSyncPassword;
    const bool needsOld = m_state == StateAskPassword;
    const bool keyFileShown = !m_keyFile->isHidden();
    WalletCredentials credentials;

    if ((needsOld && password.isEmpty()) || (changing && (newPassword.isEmpty() || confirmation.isEmpty()))) {
        showPasswordError(tr("Password can not be empty!"));
        return;
    }
    if (changing && newPassword != confirmation) {
        showPasswordError(tr("New passwords didn't match!"));
        return;
    }
    if (needsOld) {
        // The copy was made by another device, possibly by a newer program: look before opening it.
        if (CardDb::probe(m_localSyncPath).isError()) {
            showPasswordError(tr("The Tessera data on Dropbox cannot be read by this version of Tessera."));
            return;
        }
        WalletError error
            = KeyFileField::credentials(password, keyFileShown ? m_keyFile->path() : QString(), &credentials);
        auto store = error.isError() ? nullptr : CardDb::open(m_localSyncPath, credentials, &error);
        if (!store) {
            showPasswordError(keyFileShown ? tr("Wrong password or key file for the Tessera data on Dropbox.")
                                           : tr("Wrong password for the Tessera data on Dropbox."));
            return;
        }
        store->close();
    }
    m_copyCredentials = {changing ? newPassword : password, credentials.keyFile};
    startMerge(credentials, changing ? newPassword : QString());
}

void DropboxSyncDialog::startMerge(const WalletCredentials &credentials, const QString &newPassword)
{
    showActivity(StateSyncing, tr("Please wait while synchronizing..."));
    m_ui->commonButton->setEnabled(false);
    m_syncWatcher.setFuture(m_session.runInBackground(
        [this, credentials, newPassword](CardDb &store) { return mergeIntoCopy(store, credentials, newPassword); }));
}

void DropboxSyncDialog::showKeyFile(bool shown)
{
    m_keyFile->setVisible(shown);
    m_ui->formLayout->labelForField(m_keyFile)->setVisible(shown);
}

void DropboxSyncDialog::doneWithSync()
{
    m_ui->commonButton->setEnabled(true);
    if (!m_syncWatcher.result() || !m_client->uploadFile(remotePath, m_localSyncPath))
        showError();
}

void DropboxSyncDialog::showDone()
{
    const bool adopted = adoptCopy();
    clearSyncFiles();
    if (!adopted) {
        showError();
        return;
    }
    m_ui->errorLabel->setText(tr("Synchronization done."));
    enterState(StateDone, ErrorPage, tr("Close"));
}

void DropboxSyncDialog::showError()
{
    clearSyncFiles();
    const QString problem = m_client->problem();
    m_ui->errorLabel->setText(problem.isEmpty() ? tr("The sync with Dropbox failed.")
                                                : tr("The sync with Dropbox failed: %1.").arg(problem));
    enterState(StateError, ErrorPage, tr("Close"));
}

void DropboxSyncDialog::showDisconnected()
{
    m_ui->errorLabel->setText(tr("Tessera is not connected to Dropbox. Sync again to sign in once more."));
    enterState(StateDisconnected, ErrorPage, tr("Close"));
}

void DropboxSyncDialog::clearSyncFiles()
{
    QFile::remove(m_localSyncPath);
}

void DropboxSyncDialog::on_commonButton_clicked()
{
    switch (m_state) {
    case StateIdle:
        break;
    case StateAwaitingAuthorisation:
        startAuth3();
        break;
    case StateCreatePassword:
    case StateAskPassword:
        startSync();
        break;
    default:
        reject();
        break;
    }
}

void DropboxSyncDialog::done(int r)
{
    if (!isMerging())
        QDialog::done(r);
}

void DropboxSyncDialog::closeEvent(QCloseEvent *event)
{
    if (isMerging())
        event->ignore();
    else
        event->accept();
}

// A copy made here is in the phone app's format, which the phone reads from the cloud; a copy there
// keeps its format and key file through a change of password.
bool DropboxSyncDialog::mergeIntoCopy(CardDb &store, const WalletCredentials &credentials, const QString &newPassword)
{
    bool created = false;
    const WalletCredentials fresh{newPassword, QByteArray()};
    const NewWalletOptions compatible{NewWalletOptions::Compatible, {}};
    auto copy = WalletMerge::openOther(m_localSyncPath, credentials.password.isEmpty() ? fresh : credentials, fresh,
                                       compatible, &created);
    if (!copy || !WalletMerge::merge(store, *copy, WalletMerge::OtherCopyOnly))
        return false;
    return credentials.password.isEmpty() || newPassword.isEmpty()
        || copy->changeCredentials(credentials, {newPassword, credentials.keyFile});
}

bool DropboxSyncDialog::adoptCopy()
{
    bool merged = false;
    m_session.change([&](CardDb &store) {
        auto copy = CardDb::open(m_localSyncPath, m_copyCredentials);
        merged = copy
            && WalletMerge::merge(store, *copy, WalletMerge::LocalCopyOnly, nullptr, nullptr, &WalletBackups::keep);
        return true;
    });
    return merged;
}
