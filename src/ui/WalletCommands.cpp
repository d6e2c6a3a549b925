#include "ui/WalletCommands.h"

#include "import/Importer.h"
#include "model/SecretText.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "ui/ChangePasswordDialog.h"
#include "ui/ExportCommand.h"
#include "ui/FileDialog.h"
#include "ui/ImportPreviewDialog.h"
#include "ui/KeyFileField.h"
#include "ui/LoginDialog.h"
#include "ui/MessageBox.h"
#include "ui/NewWalletDialog.h"
#include "ui/WalletSecurityDialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

QString walletFilter()
{
    return WalletCommands::tr("Tessera wallet (*.tessera);;All files (*)");
}

} // namespace

WalletCommands::WalletCommands(WalletSession &session, QWidget *window)
    : QObject(window)
    , m_session(session)
    , m_window(window)
    , m_securityAction(new QAction(tr("Wallet Security…"), this))
{
    m_securityAction->setObjectName(QStringLiteral("actionWalletSecurity"));
    m_securityAction->setEnabled(false);
    connect(m_securityAction, &QAction::triggered, this, &WalletCommands::walletSecurity);
    connect(&m_session, &WalletSession::opened, m_securityAction, [this] { m_securityAction->setEnabled(true); });
    connect(&m_session, &WalletSession::locked, m_securityAction, [this] { m_securityAction->setEnabled(false); });
    connect(&m_session, &WalletSession::closed, m_securityAction, [this] { m_securityAction->setEnabled(false); });
}

void WalletCommands::loadSettings(const QSettings &settings)
{
    m_openFolder = settings.value(QStringLiteral("openFilePath"), QDir::homePath()).toString();
    m_saveFolder = settings.value(QStringLiteral("saveFilePath"), QDir::homePath()).toString();
}

void WalletCommands::saveSettings(QSettings &settings) const
{
    settings.setValue(QStringLiteral("openFilePath"), m_openFolder);
    settings.setValue(QStringLiteral("saveFilePath"), m_saveFolder);
}

void WalletCommands::showError(const QString &title, const QString &text)
{
    MessageBox::critical(m_window, title, text);
}

void WalletCommands::open()
{
    const QString path = FileDialog::getOpenFileName(m_window, tr("Open Wallet"), m_openFolder, walletFilter());
    if (path.isEmpty())
        return;
    m_openFolder = QFileInfo(path).absolutePath();
    if (path != m_session.path())
        openFile(path);
}

void WalletCommands::openFile(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        showError(tr("Cannot Open Wallet"), tr("\"%1\" does not exist.").arg(path));
        return;
    }
    const WalletError problem = CardDb::probe(path);
    switch (problem.kind()) {
    case WalletError::None:
        break;
    case WalletError::NotAWallet:
        showError(tr("Invalid Wallet"), tr("\"%1\" is not a valid Tessera wallet.").arg(path));
        return;
    case WalletError::NewerFormat:
        showError(tr("Newer Wallet"),
                  tr("\"%1\" is a newer Tessera wallet. Please update your copy of Tessera.").arg(path));
        return;
    case WalletError::OlderFormat:
        showError(tr("Unsupported Wallet"),
                  tr("\"%1\" is an older wallet that this version of Tessera doesn't support. Please update "
                     "your phone application to the latest version.")
                      .arg(path));
        return;
    case WalletError::Busy:
        showError(tr("Locked Wallet"), tr("\"%1\" is locked and can't be opened.").arg(path));
        return;
    default:
        showError(tr("Cannot Open Wallet"), tr("\"%1\" cannot be opened: %2.").arg(path, problem.message()));
        return;
    }
    auto *dialog = new LoginDialog(m_session, path, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void WalletCommands::create()
{
    askForNewWallet(false);
}

void WalletCommands::importIntoNewWallet()
{
    askForNewWallet(true);
}

void WalletCommands::askForNewWallet(bool thenImport)
{
    auto *dialog = new NewWalletDialog(m_newWalletKdf, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &NewWalletDialog::chosen, this,
            [this, thenImport](const QString &password, const QString &keyFilePath, const NewWalletOptions &options) {
                if (createWallet(password, keyFilePath, options) && thenImport)
                    importCards();
            });
    dialog->open();
}

QString WalletCommands::chooseSavePath(const QString &caption, const QString &errorText)
{
    const QString path
        = FileDialog::getSaveFileName(m_window, caption, m_saveFolder, walletFilter(), QStringLiteral("tessera"));
    if (path.isEmpty())
        return QString();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isWritable()) {
        showError(tr("Error"), errorText.arg(folder));
        return QString();
    }
    m_saveFolder = folder;
    return path;
}

// The new wallet is made beside the chosen path and then renamed over it, so a file that was there is
// replaced only by a complete wallet. The store it gives is the session's: no second key derivation.
bool WalletCommands::createWallet(const QString &password, const QString &keyFilePath, const NewWalletOptions &options)
{
    const QString path
        = chooseSavePath(tr("Save New Wallet"),
                         tr("Could not create the wallet in \"%1\". Either you may not write to that folder "
                            "or it is on a read-only file system."));
    if (path.isEmpty())
        return false;
    WalletCredentials credentials;
    WalletError error = KeyFileField::credentials(password, keyFilePath, &credentials);
    if (error.isError()) {
        showError(tr("Error"), tr("Could not create the wallet \"%1\": %2.").arg(path, error.message()));
        return false;
    }
    if (QFileInfo::exists(path) && !QFile::remove(path)) {
        showError(tr("Error"), tr("Could not replace \"%1\".").arg(path));
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::unique_ptr<CardDb> store = CardDb::create(path, credentials, options, &error);
    QApplication::restoreOverrideCursor();
    SecretText::wipe(credentials.keyFile);
    if (!store) {
        MessageBox::storeError(m_window, tr("Could not create the wallet \"%1\":").arg(path), error);
        return false;
    }
    if (!m_session.install(path, std::move(store), error)) {
        MessageBox::storeError(m_window, tr("Could not open the wallet \"%1\":").arg(path), m_session.lastError());
        return false;
    }
    KeyFileField::remember(path, keyFilePath);
    return true;
}

void WalletCommands::saveCopy()
{
    const QString path
        = chooseSavePath(tr("Save a Copy"),
                         tr("Could not save a copy of the wallet in \"%1\". Either you may not write to that folder "
                            "or it is on a read-only file system."));
    if (path.isEmpty() || path == m_session.path() || !m_session.isUnlocked())
        return;
    QVector<UnreadableCard> leftOut;
    if (!m_session.saveCopy(path, &leftOut)) {
        MessageBox::storeError(m_window, tr("Could not save a copy of the wallet to \"%1\":").arg(path),
                               m_session.lastError());
        return;
    }
    if (!leftOut.isEmpty()) {
        QStringList names;
        for (const UnreadableCard &card : qAsConst(leftOut))
            names << (card.title.isEmpty() ? tr("card #%1").arg(card.id) : card.title);
        showError(tr("Damaged Cards Left Out"),
                  tr("The copy \"%1\" holds every card that could be read. These cards are damaged and were "
                     "left out: %2.")
                      .arg(path, names.join(QStringLiteral(", "))));
    }
}

void WalletCommands::changePassword()
{
    auto *dialog = new ChangePasswordDialog(m_session, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void WalletCommands::walletSecurity()
{
    if (!m_session.isUnlocked())
        return;
    auto *dialog = new WalletSecurityDialog(m_session, m_newWalletKdf, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void WalletCommands::exportCards()
{
    m_session.read([this](CardDb &store) {
        ExportCommand::run(m_window, store, m_saveFolder);
        return true;
    });
}

void WalletCommands::importCards()
{
    const QString path = FileDialog::getOpenFileName(m_window, tr("Import an Export of Another Program"), m_openFolder,
                                                     tr("Exports (*.csv *.json *.xml);;All files (*)"));
    if (path.isEmpty() || !m_session.isUnlocked())
        return;
    m_openFolder = QFileInfo(path).absolutePath();

    // Read once without writing, so the user sees what would come before the wallet changes.
    std::optional<Importer> preview;
    bool previewed = false;
    m_session.read([&](CardDb &store) {
        preview.emplace(store);
        previewed = preview->previewFile(path);
        return true;
    });
    if (!previewed) {
        const QString problem = preview ? preview->errorString() : m_session.lastError().message();
        showError(tr("Import"), tr("\"%1\" cannot be imported: %2.").arg(path, problem));
        return;
    }
    const ImportFormats::Format format = preview->format();
    auto *dialog = new ImportPreviewDialog(path, ImportFormats::titleOf(format), preview->summary(), preview->preview(),
                                           m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, path, format] { importFile(path, format); });
    dialog->open();
}

void WalletCommands::importFile(const QString &path, ImportFormats::Format format)
{
    if (!m_session.isUnlocked())
        return;
    ImportSummary summary;
    QString problem;
    const bool imported = m_session.import([&](CardDb &store) {
        Importer importer(store);
        const bool done = importer.importFile(path, format);
        summary = importer.summary();
        problem = importer.errorString();
        return done;
    });
    if (!imported) {
        showError(tr("Import"),
                  tr("\"%1\" could not be imported completely as a %2 export: %3.")
                      .arg(path, ImportFormats::titleOf(format),
                           problem.isEmpty() ? m_session.lastError().message() : problem));
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Information, tr("Import"), summary.text(), QMessageBox::Ok, m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    MessageBox::open(box);
}
