#include "app/MainWindow.h"

#include "import/KeePassLoader.h"
#include "import/KeePassXLoader.h"
#include "import/PSafeLoader.h"
#include "model/BuiltinCatalog.h"
#include "model/TextUtils.h"
#include "otp/OtpField.h"
#include "password/PasswordHealth.h"
#include "store/CardDb.h"
#include "store/FileOps.h"
#include "store/WalletBackups.h"
#include "import/ImportLoader.h"
#include "sync/DropboxSyncDialog.h"
#include "sync/WalletMerge.h"
#include "ui/ChangePasswordDialog.h"
#include "ui/EditDialog.h"
#include "ui/FileDialog.h"
#include "ui/FileSyncController.h"
#include "ui/GuiResources.h"
#include "ui/LoginDialog.h"
#include "ui/MakerSite.h"
#include "ui/NewDatabaseDialog.h"
#include "ui/OneTimeCodeDialog.h"
#include "ui/PasswordGeneratorDialog.h"
#include "ui/PasswordHealthDialog.h"
#include "ui/PreferencesDialog.h"
#include "ui/TemplateChooserDialog.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

namespace {

MainWindow *theInstance = nullptr;

QString databaseFilter()
{
    return MainWindow::tr("Tessera database (*.tessera);;All files (*)");
}

QString importFilter()
{
    return MainWindow::tr("XML files (*.xml);;All files (*)");
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_ui((initGuiResources(), std::make_unique<Ui::MainWindow>()))
{
    theInstance = this;
    m_ui->setupUi(this);
    m_ui->splitter->setStretchFactor(0, 1);
    m_ui->splitter->setStretchFactor(1, 2);
    setMinimumSize(600, 400);

    m_ui->toolBar->addAction(m_ui->actionAddCard);
    m_ui->toolBar->addAction(m_ui->actionEditCard);
    auto *spring = new QLabel(m_ui->toolBar);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_ui->toolBar->addWidget(spring);
    m_ui->toolBar->addAction(m_ui->actionDropboxSync);

    m_fileSync = new FileSyncController([this] { return m_store.get(); }, this);
    m_ui->menuTools->insertAction(m_ui->actionDropboxSync, m_fileSync->syncWithFileAction());
    m_ui->menuFile->insertAction(m_ui->actionClose_Database, m_fileSync->restoreBackupAction());
    connect(m_fileSync, &FileSyncController::statusMessage, this,
            [this](const QString &text) { statusBar()->showMessage(text); });
    connect(m_fileSync, &FileSyncController::cardsChanged, this, [this] {
        const int shown = m_ui->detailView->cardId();
        m_ui->rootView->reload();
        m_ui->rootView->selectCard(shown);
    });

    m_ui->splitter->hide();
    updateActions();
    connect(m_ui->rootView, &RootView::cardSelected, m_ui->detailView, &DetailView::displayCard);
    connect(m_ui->actionExit, &QAction::triggered, this, &QWidget::close);
    loadSettings();
    QTimer::singleShot(0, this, &MainWindow::tryOpenLastDatabase);
}

MainWindow::~MainWindow()
{
    if (theInstance == this)
        theInstance = nullptr;
}

MainWindow *MainWindow::instance()
{
    return theInstance;
}

CardDb *MainWindow::database()
{
    return theInstance ? theInstance->m_store.get() : nullptr;
}

void MainWindow::refreshActions()
{
    if (theInstance)
        theInstance->updateActions();
}

// Settings

void MainWindow::loadSettings()
{
    restoreGeometry(m_settings.value(QStringLiteral("geometry")).toByteArray());
    fitToScreen();
    m_openLastDatabase = m_settings.value(QStringLiteral("openLastDatabase"), false).toBool();
    m_lastDatabase = m_settings.value(QStringLiteral("lastDatabase")).toString();
    m_openFilePath = m_settings.value(QStringLiteral("openFilePath"), QDir::homePath()).toString();
    m_saveFilePath = m_settings.value(QStringLiteral("saveFilePath"), QDir::homePath()).toString();
}

// A size saved on a larger screen must not leave the window running off the one it opens on now.
void MainWindow::fitToScreen()
{
    const QRect available = screen()->availableGeometry();
    resize(size().boundedTo(available.size()).expandedTo(minimumSize()));
    const QRect frame = frameGeometry();
    move(qBound(available.left(), frame.left(), qMax(available.left(), available.right() - frame.width() + 1)),
         qBound(available.top(), frame.top(), qMax(available.top(), available.bottom() - frame.height() + 1)));
}

void MainWindow::saveSettings()
{
    m_settings.setValue(QStringLiteral("geometry"), saveGeometry());
    m_settings.setValue(QStringLiteral("openLastDatabase"), m_openLastDatabase);
    m_settings.setValue(QStringLiteral("lastDatabase"), m_currentPath);
    m_settings.setValue(QStringLiteral("openFilePath"), m_openFilePath);
    m_settings.setValue(QStringLiteral("saveFilePath"), m_saveFilePath);
}

void MainWindow::saveDropboxKeys(const QString &key, const QString &secret)
{
    m_settings.setValue(QStringLiteral("accessKey"), key);
    m_settings.setValue(QStringLiteral("accessSecret"), secret);
    m_settings.sync();
}

bool MainWindow::loadDropboxKeys(QString &key, QString &secret)
{
    key = m_settings.value(QStringLiteral("accessKey")).toString();
    secret = m_settings.value(QStringLiteral("accessSecret")).toString();
    return !key.isEmpty();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveSettings();
    QMainWindow::closeEvent(event);
}

// Opening, creating and closing wallets

void MainWindow::openDatabaseFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return;
    const WalletError problem = CardDb::probe(path);
    switch (problem.kind()) {
    case WalletError::None:
        break;
    case WalletError::NotAWallet:
        showError(tr("Invalid Database"), tr("\"%1\" is not a valid Tessera database.").arg(path));
        return;
    case WalletError::NewerFormat:
        showError(tr("Newer Database"),
                  tr("\"%1\" is a newer Tessera database. Please update your copy of Tessera.").arg(path));
        return;
    case WalletError::OlderFormat:
        showError(tr("Unsupported Database"),
                  tr("\"%1\" is an older database that this version of Tessera doesn't support. Please update "
                     "your phone application to the latest version.")
                      .arg(path));
        return;
    case WalletError::Busy:
        showError(tr("Locked Database"), tr("\"%1\" is locked and can't be opened.").arg(path));
        return;
    default:
        showError(tr("Cannot Open Wallet"), tr("\"%1\" cannot be opened: %2.").arg(path, problem.message()));
        return;
    }
    auto *dialog = new LoginDialog(path, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::on_actionOpen_Database_triggered()
{
    const QString path = FileDialog::getOpenFileName(this, tr("Open Database"), m_openFilePath, databaseFilter());
    if (path.isEmpty())
        return;
    m_openFilePath = QFileInfo(path).absolutePath();
    if (path != m_currentPath)
        openDatabaseFile(path);
}

void MainWindow::tryOpenLastDatabase()
{
    if (m_openLastDatabase && !m_lastDatabase.isEmpty())
        openDatabaseFile(m_lastDatabase);
}

bool MainWindow::openDatabase(const QString &path, const QString &password)
{
    std::unique_ptr<CardDb> store = CardDb::open(path, password, &m_openError);
    if (!store)
        return false;
    if (!store->cardList()) {
        m_openError = store->lastError();
        return false;
    }
    m_store.reset();
    m_currentPath = path;
    m_readOnly = !FileOps::isWritableFile(path);
    m_store = std::move(store);
    m_store->loadTemplates(builtinCatalogPath());
    return true;
}

void MainWindow::databaseOpened()
{
    m_ui->rootView->reload();
    m_ui->detailView->displayCard(-1);
    m_ui->splitter->show();
    m_ui->rootView->focusSearch();
    updateActions();
    updateTitle();
    m_fileSync->walletOpened();
}

void MainWindow::on_actionNew_Database_triggered()
{
    auto *dialog = new NewDatabaseDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &NewDatabaseDialog::gotPassword, this, &MainWindow::createNewDatabase);
    dialog->open();
}

QString MainWindow::chooseFolderForSaving(const QString &caption, const QString &errorText)
{
    const QString path
        = FileDialog::getSaveFileName(this, caption, m_saveFilePath, databaseFilter(), QStringLiteral("tessera"));
    if (path.isEmpty())
        return QString();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isWritable()) {
        showError(tr("Error"), errorText.arg(folder));
        return QString();
    }
    m_saveFilePath = folder;
    return path;
}

// The new wallet is made beside the chosen path and then renamed over it, so a file that was there is
// replaced only by a complete wallet.
void MainWindow::createNewDatabase(const QString &password)
{
    const QString path
        = chooseFolderForSaving(tr("Save New Database"),
                                tr("Could not create the database in \"%1\". Either you may not write to that folder "
                                   "or it is on a read-only file system."));
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) && !QFile::remove(path)) {
        showError(tr("Error"), tr("Could not replace \"%1\".").arg(path));
        return;
    }
    WalletError error;
    if (!CardDb::create(path, password, &error)) {
        showError(tr("Error"), tr("Could not create the database \"%1\": %2.").arg(path, error.message()));
        return;
    }
    if (openDatabase(path, password))
        databaseOpened();
}

void MainWindow::on_actionClose_Database_triggered()
{
    closeDatabase();
}

void MainWindow::closeDatabase()
{
    m_fileSync->walletClosed();
    m_store.reset();
    m_currentPath.clear();
    m_readOnly = false;
    m_ui->splitter->hide();
    m_ui->rootView->clear();
    m_ui->detailView->displayCard(-1);
    updateActions();
    updateTitle();
}

void MainWindow::on_actionSave_Database_As_triggered()
{
    const QString path = chooseFolderForSaving(
        tr("Save a Copy"),
        tr("Could not save a copy of the database in \"%1\". Either you may not write to that folder "
           "or it is on a read-only file system."));
    if (path.isEmpty() || path == m_currentPath || !m_store)
        return;
    QVector<UnreadableCard> leftOut;
    if (!m_store->saveCopy(path, &leftOut)) {
        showError(tr("Error"), tr("Could not save a copy of the database to \"%1\": %2.")
                                   .arg(path, m_store->lastError().message()));
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

// Changing the password

void MainWindow::on_actionChange_Password_triggered()
{
    auto *dialog = new ChangePasswordDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

bool MainWindow::changeDatabasePassword(const QString &oldPassword, const QString &newPassword)
{
    return m_store && !WalletBackups::keep(*m_store).isError() && m_store->changePassword(oldPassword, newPassword);
}

// Cards

void MainWindow::openEditor(std::unique_ptr<Card> card, void (MainWindow::*receiver)(Card *))
{
    auto *dialog = new EditDialog(card.release(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &EditDialog::editingDone, this, receiver);
    dialog->open();
}

void MainWindow::on_actionAddCard_triggered()
{
    auto *dialog = new TemplateChooserDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &TemplateChooserDialog::selected, this, &MainWindow::addCardFromTemplate);
    dialog->open();
}

void MainWindow::addCardFromTemplate(const QString &templateType)
{
    const Card *templ = m_store ? m_store->templateMap().value(templateType) : nullptr;
    if (templ)
        openEditor(templ->copyWithUuid(newUuid()), &MainWindow::addCard);
}

void MainWindow::addCard(Card *card)
{
    const std::unique_ptr<Card> owned(card);
    if (!m_store || !m_store->addCard(*owned)) {
        showStoreError(tr("The card \"%1\" could not be saved.").arg(owned->title()));
        return;
    }
    m_ui->rootView->addCard(m_store->cardIdForUuid(owned->uuid()));
}

void MainWindow::on_actionEditCard_triggered()
{
    if (auto card = m_store ? m_store->card(m_ui->detailView->cardId()) : nullptr)
        openEditor(std::move(card), &MainWindow::currentCardEdited);
}

void MainWindow::currentCardEdited(Card *card)
{
    const std::unique_ptr<Card> edited(card);
    const int id = m_ui->detailView->cardId();
    const auto stored = m_store ? m_store->card(id) : nullptr;
    if (!stored || !stored->stampChanges(*edited))
        return;
    if (!m_store->updateCard(id, *edited)) {
        showStoreError(tr("The card \"%1\" could not be saved.").arg(edited->title()));
        return;
    }
    m_ui->rootView->updateCard(id);
}

void MainWindow::on_actionDuplicateCard_triggered()
{
    auto card = m_store ? m_store->card(m_ui->detailView->cardId()) : nullptr;
    if (!card)
        return;
    card->setTitle(card->title() + tr(" (Copy)"));
    card->setUuid(newUuid());
    openEditor(std::move(card), &MainWindow::addCard);
}

void MainWindow::on_actionSetUpOneTimeCode_triggered()
{
    const auto card = m_store ? m_store->card(m_ui->detailView->cardId()) : nullptr;
    if (!card)
        return;
    const Field *current = OtpField::find(*card);
    auto *dialog = new OneTimeCodeDialog(current ? current->value() : QString(), card->title(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &OneTimeCodeDialog::chosen, this, &MainWindow::setOneTimeCode);
    dialog->open();
}

void MainWindow::setOneTimeCode(const QString &uri)
{
    const int id = m_ui->detailView->cardId();
    const auto card = m_store ? m_store->card(id) : nullptr;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!card || !OtpField::store(*card, uri, now))
        return;
    card->setUpdateTime(now);
    if (!m_store->updateCard(id, *card)) {
        showError(tr("Error"), tr("The card \"%1\" could not be saved.").arg(card->title()));
        return;
    }
    m_ui->rootView->updateCard(id);
    m_ui->detailView->displayCard(id);
}

void MainWindow::on_actionCopyOneTimeCode_triggered()
{
    m_ui->detailView->copyOneTimeCode();
}

void MainWindow::on_actionDeleteCard_triggered()
{
    auto *box = new QMessageBox(this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIconPixmap(QPixmap(QStringLiteral(":images/tessera.png")));
    box->setWindowTitle(tr("Delete Card"));
    box->setText(tr("Are you sure you want to delete the card for \"%1\"?").arg(m_ui->detailView->cardTitle()));
    box->setStandardButtons(QMessageBox::Cancel);
    box->setDefaultButton(QMessageBox::Cancel);
    box->addButton(tr("Delete"), QMessageBox::AcceptRole);
    connect(box, &QMessageBox::accepted, this, &MainWindow::deleteCurrentCard);
    box->open();
}

void MainWindow::deleteCurrentCard()
{
    const int id = m_ui->detailView->cardId();
    if (!m_store || id == -1)
        return;
    if (!m_store->trashCard(id)) {
        showStoreError(tr("The card could not be deleted."));
        return;
    }
    m_ui->rootView->removedCard(id);
}

// Imports

void MainWindow::on_actionPassword_Safe_XML_triggered()
{
    importCards(ImportFormat::PasswordSafe);
}

void MainWindow::on_actionKeePass_XML_triggered()
{
    importCards(ImportFormat::KeePass);
}

void MainWindow::on_actionKeePassX_XML_triggered()
{
    importCards(ImportFormat::KeePassX);
}

void MainWindow::importCards(ImportFormat format)
{
    const QString captions[]
        = {tr("Open KeePassX XML File"), tr("Open KeePass XML File"), tr("Open Password Safe XML File")};
    const QString names[] = {tr("KeePassX XML"), tr("KeePass XML"), tr("Password Safe XML")};
    const int index = int(format);
    const QString path = FileDialog::getOpenFileName(this, captions[index], m_openFilePath, importFilter());
    if (path.isEmpty() || !m_store)
        return;
    m_openFilePath = QFileInfo(path).absolutePath();

    std::unique_ptr<ImportLoader> loader;
    switch (format) {
    case ImportFormat::KeePassX:
        loader = std::make_unique<KeePassXLoader>(m_store.get(), path);
        break;
    case ImportFormat::KeePass:
        loader = std::make_unique<KeePassLoader>(m_store.get(), path);
        break;
    case ImportFormat::PasswordSafe:
        loader = std::make_unique<PSafeLoader>(m_store.get(), path);
        break;
    }
    const WalletError kept = WalletBackups::keep(*m_store);
    if (kept.isError()) {
        showError(tr("Import"), tr("No backup of the wallet could be kept: %1.").arg(kept.message()));
        return;
    }
    const bool imported = loader->importFile();
    // The rebuilt list keeps the card the user was looking at.
    const int shown = m_ui->detailView->cardId();
    m_ui->rootView->reload();
    m_ui->rootView->selectCard(shown);
    if (!imported)
        showError(
            tr("Import"),
            tr("\"%1\" could not be imported completely as a %2 export: %3.")
                .arg(path, names[index], loader->errorString()));
}

// Other actions

void MainWindow::on_actionPreferences_triggered()
{
    auto *dialog = new PreferencesDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::on_actionPasswordGenerator_triggered()
{
    auto *dialog = new PasswordGeneratorDialog(PasswordGeneratorDialog::Standalone, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::on_actionPasswordHealth_triggered()
{
    if (!m_store)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto cards = m_store->allCards();
    const auto findings = cards ? PasswordHealth::check(*cards, QDateTime::currentDateTimeUtc())
                                : QVector<PasswordHealth::Finding>();
    QApplication::restoreOverrideCursor();
    if (!cards) {
        showStoreError(tr("The passwords could not be checked."));
        return;
    }
    auto *dialog = new PasswordHealthDialog(findings, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &PasswordHealthDialog::cardChosen, m_ui->rootView, &RootView::selectCard);
    dialog->open();
}

void MainWindow::on_actionDropboxSync_triggered()
{
    auto *dialog = new DropboxSyncDialog(this, m_cloudHosts);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->exec();
}

bool MainWindow::syncDatabases(const QString &syncPath, const QString &password, const QString &newPassword)
{
    if (!m_store)
        return false;
    // The downloaded copy takes the merge first; the wallet follows once the upload went through.
    bool created = false;
    auto copy = WalletMerge::openOther(syncPath, password.isEmpty() ? newPassword : password, newPassword, &created);
    if (!copy || !WalletMerge::merge(*m_store, *copy, WalletMerge::OtherCopyOnly))
        return false;
    return password.isEmpty() || newPassword.isEmpty() || copy->changePassword(password, newPassword);
}

bool MainWindow::adoptSyncedCopy(const QString &syncPath, const QString &password)
{
    if (!m_store)
        return false;
    auto copy = CardDb::open(syncPath, password);
    const bool merged = copy
        && WalletMerge::merge(*m_store, *copy, WalletMerge::LocalCopyOnly, nullptr, nullptr, &WalletBackups::keep);
    databaseOpened();
    return merged;
}

void MainWindow::on_actionClearDropboxSettings_triggered()
{
    saveDropboxKeys(QString(), QString());
}

void MainWindow::openWebPage(const QString &path)
{
    QDesktopServices::openUrl(makerSite(path));
}

void MainWindow::on_actionTessera_Help_triggered()
{
    openWebPage(QStringLiteral("/products/tessera/faqs/"));
}

void MainWindow::on_actionWebsite_triggered()
{
    openWebPage(QStringLiteral("/products/tessera/"));
}

void MainWindow::on_actionContact_Us_triggered()
{
    openWebPage(QStringLiteral("/support/"));
}

void MainWindow::on_actionAbout_triggered()
{
    auto *box = new QMessageBox(this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIconPixmap(QPixmap(QStringLiteral(":images/tessera.png")));
    box->setWindowTitle(tr("About Tessera"));
    box->setText(tr("Tessera %1                        ").arg(QStringLiteral(TESSERA_VERSION)));
    box->setInformativeText(tr("<p>A password wallet for one person.</p>"
                               "<p>Copyright &copy; Corvale Software Systems.</p>"));
    box->setStandardButtons(QMessageBox::Close);
    box->setDefaultButton(QMessageBox::Close);
    box->open();
}

// State

void MainWindow::showStoreError(const QString &text)
{
    showError(tr("Error"), QStringLiteral("%1 %2.").arg(text, m_store ? m_store->lastError().message() : QString()));
}

void MainWindow::showError(const QString &title, const QString &text)
{
    QMessageBox::critical(this, title, text, QMessageBox::Ok);
}

void MainWindow::updateActions()
{
    const bool open = m_store != nullptr;
    const bool writable = open && !m_readOnly;
    const bool cardShown = writable && m_ui->detailView->hasCard();
    m_ui->actionSave_Database_As->setEnabled(open);
    m_ui->menuImport->setEnabled(writable);
    m_ui->menuImport->menuAction()->setEnabled(writable);
    m_ui->actionClose_Database->setEnabled(open);
    m_ui->actionAddCard->setEnabled(writable);
    m_ui->actionEditCard->setEnabled(cardShown);
    m_ui->actionDuplicateCard->setEnabled(cardShown);
    m_ui->actionDeleteCard->setEnabled(cardShown);
    m_ui->actionSetUpOneTimeCode->setEnabled(cardShown);
    m_ui->actionCopyOneTimeCode->setEnabled(open && m_ui->detailView->hasOneTimeCode());
    m_ui->actionChange_Password->setEnabled(writable);
    m_ui->actionPasswordHealth->setEnabled(open);
    m_ui->actionDropboxSync->setEnabled(writable);
    m_ui->actionClearDropboxSettings->setEnabled(writable);
}

void MainWindow::updateTitle()
{
    QString title = tr("Tessera");
    if (m_store) {
        title += QStringLiteral(" - ") + QFileInfo(m_currentPath).fileName();
        if (m_readOnly)
            title += tr(" [Read Only]");
    }
    setWindowTitle(title);
}
