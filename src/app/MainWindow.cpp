#include "app/MainWindow.h"

#include "import/KeePassLoader.h"
#include "import/KeePassXLoader.h"
#include "import/PSafeLoader.h"
#include "model/BuiltinCatalog.h"
#include "model/TextUtils.h"
#include "store/CardDb.h"
#include "store/FileOps.h"
#include "sync/DropboxSyncDialog.h"
#include "sync/WalletMerge.h"
#include "ui/CardShortcuts.h"
#include "ui/ChangePasswordDialog.h"
#include "ui/EditDialog.h"
#include "ui/FileDialog.h"
#include "ui/GuiResources.h"
#include "ui/LoginDialog.h"
#include "ui/MakerSite.h"
#include "ui/NewDatabaseDialog.h"
#include "ui/PreferencesDialog.h"
#include "ui/ShortcutsDialog.h"
#include "ui/TemplateChooserDialog.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
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

    m_ui->splitter->hide();
    updateActions();
    connect(m_ui->rootView, &RootView::cardSelected, m_ui->detailView, &DetailView::displayCard);
    connect(m_ui->actionExit, &QAction::triggered, this, &QWidget::close);
    setUpKeyboard();
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

// The desktop's standard keys; where it has none for an action (some have no Quit or Save As), the
// common ones. The card list adds its own (CardShortcuts).
void MainWindow::setUpKeyboard()
{
    const auto standard = [](QKeySequence::StandardKey key, const QString &fallback) {
        const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
        return keys.isEmpty() ? QList<QKeySequence>{QKeySequence(fallback)} : keys;
    };
    m_ui->actionAddCard->setShortcuts(standard(QKeySequence::New, QStringLiteral("Ctrl+N")));
    m_ui->actionNew_Database->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    m_ui->actionOpen_Database->setShortcuts(standard(QKeySequence::Open, QStringLiteral("Ctrl+O")));
    m_ui->actionSave_Database_As->setShortcuts(standard(QKeySequence::SaveAs, QStringLiteral("Ctrl+Shift+S")));
    m_ui->actionClose_Database->setShortcuts(standard(QKeySequence::Close, QStringLiteral("Ctrl+W")));
    m_ui->actionExit->setShortcuts(standard(QKeySequence::Quit, QStringLiteral("Ctrl+Q")));
    m_ui->actionDeleteCard->setShortcuts(standard(QKeySequence::Delete, QStringLiteral("Del")) << Qt::Key_Backspace);
    m_ui->actionTessera_Help->setShortcuts(standard(QKeySequence::HelpContents, QStringLiteral("F1")));
    auto *list = m_ui->rootView->findChild<QListView *>(QStringLiteral("listView"));
    new CardShortcuts(this, list, m_ui->menuEdit,
                      {m_ui->actionEditCard, m_ui->actionDuplicateCard, m_ui->actionDeleteCard},
                      [this] { return m_store ? m_store->card(m_ui->detailView->cardId()) : nullptr; });
    auto *shortcuts = new QAction(tr("Keyboard Shortcuts"), this);
    shortcuts->setObjectName(QStringLiteral("actionKeyboardShortcuts"));
    m_ui->menuHelp->insertAction(m_ui->actionWebsite, shortcuts);
    connect(shortcuts, &QAction::triggered, this, [this] {
        auto *dialog = new ShortcutsDialog(findChildren<QAction *>(), this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
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
    switch (CardDb::checkDatabase(path)) {
    case StatusInvalid:
        showError(tr("Invalid Database"), tr("\"%1\" is not a valid Tessera database.").arg(path));
        return;
    case StatusNewer:
        showError(tr("Newer Database"),
                  tr("\"%1\" is a newer Tessera database. Please update your copy of Tessera.").arg(path));
        return;
    case StatusUnsupported:
        if (CardDb::databaseVersion(path) < CardDb::currentVersion) {
            showError(tr("Unsupported Database"),
                      tr("\"%1\" is an older database that this version of Tessera doesn't support. Please update "
                         "your phone application to the latest version.")
                          .arg(path));
            return;
        }
        break;
    case StatusLocked:
        showError(tr("Locked Database"), tr("\"%1\" is locked and can't be opened.").arg(path));
        return;
    case StatusOk:
        break;
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
    std::unique_ptr<CardDb> store = CardDb::open(path, password);
    if (!store)
        return false;
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
    updateActions();
    updateTitle();
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
    const QString staged = FileOps::stagingPath(path);
    QFile::remove(staged);
    bool created = false;
    if (auto store = CardDb::open(staged, password)) {
        store->close();
        created = true;
    }
    if (!created || !FileOps::replaceAtomically(staged, path)) {
        QFile::remove(staged);
        showError(tr("Error"), tr("Could not create the database \"%1\".").arg(path));
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
    if (path.isEmpty() || path == m_currentPath)
        return;
    const QString staged = FileOps::stagingPath(path);
    if (!FileOps::copyReplacing(m_currentPath, staged) || !FileOps::replaceAtomically(staged, path)) {
        QFile::remove(staged);
        showError(tr("Error"), tr("Could not save a copy of the database to \"%1\".").arg(path));
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
    std::unique_ptr<CardDb> rekeyed = m_store ? m_store->changePassword(oldPassword, newPassword) : nullptr;
    if (!rekeyed)
        return false;
    m_store = std::move(rekeyed);
    m_store->loadTemplates(builtinCatalogPath());
    return true;
}

void MainWindow::passwordChangeFinished()
{
    // A re-key whose final reopening failed leaves the old store closed: nothing may reach it.
    if (m_store && !m_store->isOpen())
        closeDatabase();
}

// Cards

void MainWindow::openEditor(std::unique_ptr<Card> card, void (MainWindow::*receiver)(Card *))
{
    auto *dialog = new EditDialog(card.release(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (receiver == &MainWindow::addCard)
        dialog->setWindowTitle(tr("Add Card"));
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
        showError(tr("Error"), tr("The card \"%1\" could not be saved.").arg(owned->title()));
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
        showError(tr("Error"), tr("The card \"%1\" could not be saved.").arg(edited->title()));
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
        showError(tr("Error"), tr("The card could not be deleted."));
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

    bool imported = false;
    switch (format) {
    case ImportFormat::KeePassX:
        imported = KeePassXLoader(m_store.get(), path).importFile();
        break;
    case ImportFormat::KeePass:
        imported = KeePassLoader(m_store.get(), path).importFile();
        break;
    case ImportFormat::PasswordSafe:
        imported = PSafeLoader(m_store.get(), path).importFile();
        break;
    }
    // The rebuilt list keeps the card the user was looking at.
    const int shown = m_ui->detailView->cardId();
    m_ui->rootView->reload();
    m_ui->rootView->selectCard(shown);
    if (!imported)
        showError(
            tr("Import"),
            tr("\"%1\" could not be imported completely: it is not a readable %2 export.").arg(path, names[index]));
}

// Other actions

void MainWindow::on_actionPreferences_triggered()
{
    auto *dialog = new PreferencesDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
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
    if (!m_store || !WalletMerge::stage(*m_store, syncPath, password, newPassword))
        return false;
    if (FileOps::replaceAtomically(FileOps::stagingPath(syncPath), syncPath))
        return true;
    WalletMerge::discard(m_currentPath, syncPath);
    return false;
}

bool MainWindow::adoptSyncedCopy()
{
    if (!m_store)
        return false;
    const QByteArray key = m_store->key();
    m_store->close();
    m_store.reset();
    const QString staged = FileOps::stagingPath(m_currentPath);
    const bool replaced = FileOps::replaceAtomically(staged, m_currentPath);
    if (!replaced)
        QFile::remove(staged);
    m_store = CardDb::openWithKey(m_currentPath, key);
    if (!m_store) {
        closeDatabase();
        return false;
    }
    m_store->loadTemplates(builtinCatalogPath());
    databaseOpened();
    return replaced;
}

void MainWindow::discardSyncedCopy()
{
    if (!m_currentPath.isEmpty())
        QFile::remove(FileOps::stagingPath(m_currentPath));
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
    m_ui->actionChange_Password->setEnabled(writable);
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
