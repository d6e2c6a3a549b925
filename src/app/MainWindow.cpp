#include "app/MainWindow.h"

#include "import/ImportLoader.h"
#include "import/KeePassLoader.h"
#include "import/KeePassXLoader.h"
#include "import/PSafeLoader.h"
#include "model/BuiltinCatalog.h"
#include "model/TemplateCatalog.h"
#include "model/TextUtils.h"
#include "otp/OtpField.h"
#include "password/PasswordHealth.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "store/FileOps.h"
#include "sync/DropboxSyncDialog.h"
#include "ui/CardShortcuts.h"
#include "ui/ChangePasswordDialog.h"
#include "ui/ClipboardGuard.h"
#include "ui/EditDialog.h"
#include "ui/ExportAction.h"
#include "ui/FileDialog.h"
#include "ui/FileSyncController.h"
#include "ui/GuiResources.h"
#include "ui/IdleLock.h"
#include "ui/LoginDialog.h"
#include "ui/MakerSite.h"
#include "ui/MessageBox.h"
#include "ui/NewDatabaseDialog.h"
#include "ui/OneTimeCodeDialog.h"
#include "ui/PasswordGeneratorDialog.h"
#include "ui/PasswordHealthDialog.h"
#include "ui/PreferencesDialog.h"
#include "ui/ScreenLockListener.h"
#include "ui/SecretWidgets.h"
#include "ui/ShortcutsDialog.h"
#include "ui/TemplateChooserDialog.h"
#include "ui/TrashController.h"
#include "ui/UnlockView.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

namespace {

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
    , m_session(new WalletSession(this))
    , m_clipboard(new ClipboardGuard(this))
    , m_idleLock(new IdleLock(this))
    , m_screenLock(new ScreenLockListener(this))
    , m_unlockView(new UnlockView(this))
{
    m_ui->setupUi(this);
    m_trash = new TrashController(
        m_ui->rootView, m_ui->detailView, [this] { return m_session->store(); }, this);
    m_ui->splitter->setStretchFactor(0, 1);
    m_ui->splitter->setStretchFactor(1, 2);
    m_ui->centralWidget->layout()->addWidget(m_unlockView);
    setMinimumSize(600, 400);

    m_ui->toolBar->addAction(m_ui->actionAddCard);
    m_ui->toolBar->addAction(m_ui->actionEditCard);
    auto *spring = new QLabel(m_ui->toolBar);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_ui->toolBar->addWidget(spring);
    m_ui->toolBar->addAction(m_ui->actionLock);
    m_ui->toolBar->addAction(m_ui->actionDropboxSync);

    m_ui->rootView->setSession(m_session);
    m_ui->detailView->setSession(m_session);
    m_fileSync = new FileSyncController([this] { return m_session->store(); }, this);
    m_ui->menuTools->insertAction(m_ui->actionDropboxSync, m_fileSync->syncWithFileAction());
    m_ui->menuFile->insertAction(m_ui->actionClose_Database, m_fileSync->restoreBackupAction());
    connect(m_fileSync, &FileSyncController::statusMessage, this,
            [this](const QString &text) { statusBar()->showMessage(text); });
    connect(m_fileSync, &FileSyncController::cardsChanged, this, &MainWindow::reloadKeepingSelection);
    connect(m_fileSync, &FileSyncController::walletFileChanged, this, &MainWindow::walletFileChanged);
    connect(m_ui->rootView, &RootView::cardSelected, m_ui->detailView, &DetailView::displayCard);
    connect(m_ui->rootView, &RootView::copyRequested, this, &MainWindow::copyValue);
    connect(m_ui->detailView, &DetailView::copyRequested, this, &MainWindow::copyValue);
    connect(m_ui->detailView, &DetailView::cardShown, this, &MainWindow::updateActions);
    connect(m_clipboard, &ClipboardGuard::status, this,
            [this](const QString &message) { statusBar()->showMessage(message); });
    connect(m_session, &WalletSession::opened, this, &MainWindow::walletOpened);
    connect(m_session, &WalletSession::locked, this, &MainWindow::walletLocked);
    connect(m_session, &WalletSession::closed, this, &MainWindow::walletClosed);
    connect(m_session, &WalletSession::cardsChanged, this, &MainWindow::reloadKeepingSelection);
    connect(m_idleLock, &IdleLock::lockRequested, m_session, &WalletSession::lock);
    connect(m_screenLock, &ScreenLockListener::lockRequested, m_session, &WalletSession::lock);
    connect(m_unlockView, &UnlockView::unlockRequested, this, &MainWindow::unlockAgain);
    connect(m_ui->actionExit, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->actionTrash, &QAction::toggled, m_trash, &TrashController::setShown);
    connect(m_ui->actionRestoreCard, &QAction::triggered, m_trash, &TrashController::restoreCurrent);
    connect(m_ui->actionDeleteForever, &QAction::triggered, m_trash, &TrashController::deleteCurrentForever);
    connect(m_ui->actionEmptyTrash, &QAction::triggered, m_trash, &TrashController::emptyTrash);
    connect(m_trash, &TrashController::changed, this, &MainWindow::updateActions);
    setUpKeyboard();
    showPanes(false);
    m_unlockView->hide();
    updateActions();
    loadSettings();
    QTimer::singleShot(0, this, &MainWindow::tryOpenLastDatabase);
}

MainWindow::~MainWindow()
{
    // Children go after the window's own parts: none may call back into it meanwhile.
    m_session->disconnect(this);
    m_clipboard->disconnect(this);
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
    auto *cardShortcuts = new CardShortcuts(
        this, list, m_ui->menuEdit, {m_ui->actionEditCard, m_ui->actionDuplicateCard, m_ui->actionDeleteCard}, [this] {
            CardDb *store = m_session->store();
            return store ? store->card(m_ui->detailView->cardId()) : nullptr;
        });
    connect(cardShortcuts, &CardShortcuts::copyRequested, this, &MainWindow::copyValue);
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
    m_preferences = Preferences::load(m_settings);
    applyPreferences();
    m_lastDatabase = m_settings.value(QStringLiteral("lastDatabase")).toString();
    m_openFilePath = m_settings.value(QStringLiteral("openFilePath"), QDir::homePath()).toString();
    m_saveFilePath = m_settings.value(QStringLiteral("saveFilePath"), QDir::homePath()).toString();
}

void MainWindow::applyPreferences()
{
    m_idleLock->setPeriod(m_preferences.autoLockMinutes * 60 * 1000);
    m_clipboard->setTimeout(m_preferences.clipboardSeconds * 1000);
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
    m_preferences.save(m_settings);
    m_settings.setValue(QStringLiteral("lastDatabase"), m_session->path());
    m_settings.setValue(QStringLiteral("openFilePath"), m_openFilePath);
    m_settings.setValue(QStringLiteral("saveFilePath"), m_saveFilePath);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveSettings();
    m_clipboard->clear();
    QMainWindow::closeEvent(event);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange && isMinimized() && m_preferences.lockOnMinimize)
        m_session->lock();
    QMainWindow::changeEvent(event);
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
    auto *dialog = new LoginDialog(*m_session, path, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::on_actionOpen_Database_triggered()
{
    const QString path = FileDialog::getOpenFileName(this, tr("Open Database"), m_openFilePath, databaseFilter());
    if (path.isEmpty())
        return;
    m_openFilePath = QFileInfo(path).absolutePath();
    if (path != m_session->path())
        openDatabaseFile(path);
}

void MainWindow::tryOpenLastDatabase()
{
    if (m_preferences.openLastWallet && !m_lastDatabase.isEmpty())
        openDatabaseFile(m_lastDatabase);
}

void MainWindow::walletOpened()
{
    m_ui->rootView->reload();
    m_ui->detailView->displayCard(-1);
    showPanes(true);
    if (!m_cardBeforeLock.isEmpty())
        m_ui->rootView->selectCard(m_session->store()->cardIdForUuid(m_cardBeforeLock));
    m_cardBeforeLock.clear();
    m_ui->rootView->focusSearch();
    m_idleLock->setActive(true);
    updateActions();
    updateTitle();
    m_fileSync->walletOpened();
}

// Everything decrypted goes: the panes, the search index and text, open dialogs (cancelled, so that
// nothing half-typed is stored) and whatever was copied.
void MainWindow::walletLocked()
{
    m_cardBeforeLock = m_ui->detailView->cardUuid();
    m_editBase.reset();
    m_fileSync->walletClosed();
    // done() rather than reject(): an editor would ask whether to discard, and a lock asks nothing.
    for (QDialog *dialog : findChildren<QDialog *>()) {
        if (dialog->isVisible()) {
            dialog->done(QDialog::Rejected);
            SecretWidgets::wipe(dialog);
        }
    }
    m_clipboard->clear();
    m_idleLock->setActive(false);
    m_ui->rootView->clear();
    m_ui->detailView->displayCard(-1);
    showPanes(false);
    m_unlockView->show();
    m_unlockView->showWallet(m_session->path());
    updateActions();
    updateTitle();
}

void MainWindow::walletClosed()
{
    m_cardBeforeLock.clear();
    m_editBase.reset();
    m_fileSync->walletClosed();
    m_clipboard->clear();
    m_idleLock->setActive(false);
    m_ui->rootView->clear();
    m_ui->detailView->displayCard(-1);
    showPanes(false);
    m_unlockView->hide();
    updateActions();
    updateTitle();
}

void MainWindow::unlockAgain(const QString &password)
{
    if (!m_session->unlock(password)) {
        const WalletError error = m_session->lastError();
        m_unlockView->showError(error.kind() == WalletError::WrongPassword ? tr("Invalid password. Try again!")
                                                                           : error.message());
    }
}

void MainWindow::showPanes(bool unlocked)
{
    m_ui->splitter->setVisible(unlocked);
    if (unlocked)
        m_unlockView->hide();
}

void MainWindow::on_actionLock_triggered()
{
    m_session->lock();
}

void MainWindow::copyValue(const QString &value, const QString &what)
{
    m_clipboard->copy(value, what);
}

// After a change behind the panes (an import, a merge), the list is rebuilt around the card shown.
void MainWindow::reloadKeepingSelection()
{
    const QString shown = m_ui->detailView->cardUuid();
    if (!m_ui->rootView->reload()) {
        showError(tr("Error"), tr("The cards of \"%1\" cannot be read: %2.")
                                   .arg(m_session->path(), m_session->store()->lastError().message()));
    }
    m_ui->rootView->selectCard(m_session->store() ? m_session->store()->cardIdForUuid(shown) : -1);
}

// Another program replaced the wallet (a sync tool, a restore): the window reads the new file, or asks
// for its password. A deleted wallet stays open here, from the file still held, until the user saves it.
void MainWindow::walletFileChanged()
{
    switch (m_session->fileChange()) {
    case WalletSession::SameFile:
        m_walletGoneReported = false;
        break;
    case WalletSession::Replaced:
        m_walletGoneReported = false;
        if (!m_session->reopen())
            m_unlockView->showError(tr("Another program replaced the wallet. Unlock it with its password."));
        break;
    case WalletSession::Gone:
        if (m_walletGoneReported)
            break;
        m_walletGoneReported = true;
        showError(tr("Wallet Deleted"), tr("Another program deleted or moved \"%1\". Its cards are still open here: "
                                           "keep them with File > Save A Copy To.")
                                            .arg(m_session->path()));
        break;
    }
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
    if (!m_session->unlock(path, password))
        showError(tr("Error"), m_session->lastError().message());
}

void MainWindow::on_actionClose_Database_triggered()
{
    closeDatabase();
}

void MainWindow::closeDatabase()
{
    m_ui->actionTrash->setChecked(false);
    m_session->close();
}

void MainWindow::on_actionSave_Database_As_triggered()
{
    const QString path = chooseFolderForSaving(
        tr("Save a Copy"),
        tr("Could not save a copy of the database in \"%1\". Either you may not write to that folder "
           "or it is on a read-only file system."));
    CardDb *store = m_session->store();
    if (path.isEmpty() || path == m_session->path() || !store)
        return;
    QVector<UnreadableCard> leftOut;
    if (!store->saveCopy(path, &leftOut)) {
        showError(tr("Error"),
                  tr("Could not save a copy of the database to \"%1\": %2.").arg(path, store->lastError().message()));
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
    auto *dialog = new ChangePasswordDialog(*m_session, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

// Cards

void MainWindow::openEditor(std::unique_ptr<Card> card, void (MainWindow::*receiver)(Card *))
{
    auto *dialog = new EditDialog(card.release(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (receiver == &MainWindow::addCard)
        dialog->setWindowTitle(tr("Add Card"));
    connect(dialog, &EditDialog::editingDone, this, receiver);
    connect(dialog, &EditDialog::copyRequested, this, &MainWindow::copyValue);
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
    const Card *templ = builtinCatalog().find(templateType);
    if (templ && m_session->isWritable())
        openEditor(templ->copyWithUuid(newUuid()), &MainWindow::addCard);
}

void MainWindow::addCard(Card *card)
{
    const std::unique_ptr<Card> owned(card);
    int id = -1;
    if (!m_session->addCard(*owned, &id)) {
        showStoreError(tr("The card \"%1\" could not be saved.").arg(owned->title()));
        return;
    }
    m_ui->rootView->addCard(id);
}

void MainWindow::on_actionEditCard_triggered()
{
    auto card = m_session->store() ? m_session->store()->card(m_ui->detailView->cardId()) : nullptr;
    if (!card)
        return;
    m_editBase = card->copyWithUuid(card->uuid());
    openEditor(std::move(card), &MainWindow::currentCardEdited);
}

// The card may have changed elsewhere (a sync, tessera-cli) while the editor was open, even moved to
// another row: it is found again by its uuid, and the user's edits go onto the card as it is now,
// field by field, so nothing changed elsewhere is lost.
void MainWindow::currentCardEdited(Card *card)
{
    const std::unique_ptr<Card> edited(card);
    const std::unique_ptr<Card> base = std::move(m_editBase);
    CardDb *store = m_session->store();
    if (!store || !base)
        return;
    const auto stored = store->cardByUuid(base->uuid());
    if (!stored) {
        showError(tr("Error"), QStringLiteral("%1 %2.").arg(tr("The card \"%1\" could not be saved.").arg(edited->title()),
                                                            WalletError(WalletError::CardGone).message()));
        return;
    }
    auto merged = stored->copyWithUuid(stored->uuid());
    merged->takeEdits(*base, *edited);
    if (!stored->stampChanges(*merged))
        return;
    int id = -1;
    if (!m_session->updateCard(*merged, &id)) {
        showStoreError(tr("The card \"%1\" could not be saved.").arg(merged->title()));
        return;
    }
    m_ui->rootView->updateCard(id);
}

void MainWindow::on_actionDuplicateCard_triggered()
{
    auto card = m_session->store() ? m_session->store()->card(m_ui->detailView->cardId()) : nullptr;
    if (!card)
        return;
    card->setTitle(card->title() + tr(" (Copy)"));
    card->setUuid(newUuid());
    openEditor(std::move(card), &MainWindow::addCard);
}

void MainWindow::on_actionSetUpOneTimeCode_triggered()
{
    const auto card = m_session->store() ? m_session->store()->card(m_ui->detailView->cardId()) : nullptr;
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
    const auto card = m_session->store() ? m_session->store()->cardByUuid(m_ui->detailView->cardUuid()) : nullptr;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!card || !OtpField::store(*card, uri, now))
        return;
    card->setUpdateTime(now);
    int id = -1;
    if (!m_session->updateCard(*card, &id)) {
        showStoreError(tr("The card \"%1\" could not be saved.").arg(card->title()));
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
    MessageBox::open(box);
}

void MainWindow::deleteCurrentCard()
{
    const int id = m_ui->detailView->cardId();
    if (id == -1)
        return;
    if (!m_session->trashCard(m_ui->detailView->cardUuid())) {
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
    CardDb *store = m_session->store();
    if (path.isEmpty() || !store)
        return;
    m_openFilePath = QFileInfo(path).absolutePath();

    std::unique_ptr<ImportLoader> loader;
    switch (format) {
    case ImportFormat::KeePassX:
        loader = std::make_unique<KeePassXLoader>(store, path);
        break;
    case ImportFormat::KeePass:
        loader = std::make_unique<KeePassLoader>(store, path);
        break;
    case ImportFormat::PasswordSafe:
        loader = std::make_unique<PSafeLoader>(store, path);
        break;
    }
    // The list is rebuilt around the card the user was looking at.
    const bool imported = m_session->import(*loader);
    if (!imported) {
        showError(tr("Import"),
                  tr("\"%1\" could not be imported completely as a %2 export: %3.")
                      .arg(path, names[index],
                           loader->errorString().isEmpty() ? m_session->lastError().message() : loader->errorString()));
        return;
    }
    auto *box
        = new QMessageBox(QMessageBox::Information, tr("Import"), loader->summary().text(), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    MessageBox::open(box);
}

// Other actions

void MainWindow::on_actionPreferences_triggered()
{
    auto *dialog = new PreferencesDialog(m_preferences, this);
    connect(dialog, &PreferencesDialog::changed, this, [this](const Preferences &preferences) {
        m_preferences = preferences;
        m_preferences.save(m_settings);
        applyPreferences();
    });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::on_actionPasswordGenerator_triggered()
{
    auto *dialog = new PasswordGeneratorDialog(PasswordGeneratorDialog::Standalone, this);
    connect(dialog, &PasswordGeneratorDialog::copyRequested, this, &MainWindow::copyValue);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::on_actionPasswordHealth_triggered()
{
    CardDb *store = m_session->store();
    if (!store)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto cards = store->allCards();
    const auto findings
        = cards ? PasswordHealth::check(*cards, QDateTime::currentDateTimeUtc()) : QVector<PasswordHealth::Finding>();
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
    auto *dialog = new DropboxSyncDialog(*m_session, m_settings, m_cloudHosts, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->exec();
}

void MainWindow::on_actionExport_triggered()
{
    if (CardDb *store = m_session->store())
        ExportAction::run(this, *store, m_saveFilePath);
}

void MainWindow::on_actionClearDropboxSettings_triggered()
{
    m_settings.setValue(QStringLiteral("accessKey"), QString());
    m_settings.setValue(QStringLiteral("accessSecret"), QString());
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
    MessageBox::open(box);
}

// State

void MainWindow::showStoreError(const QString &text)
{
    showError(tr("Error"), QStringLiteral("%1 %2.").arg(text, m_session->lastError().message()));
}

void MainWindow::showError(const QString &title, const QString &text)
{
    MessageBox::critical(this, title, text);
}

void MainWindow::updateActions()
{
    const bool open = m_session->isUnlocked();
    const bool writable = m_session->isWritable();
    const bool inTrash = m_trash->isShown();
    const bool cardShown = writable && !inTrash && m_ui->detailView->hasCard();
    m_ui->actionSave_Database_As->setEnabled(open);
    m_ui->menuImport->setEnabled(writable);
    m_ui->menuImport->menuAction()->setEnabled(writable);
    m_ui->actionClose_Database->setEnabled(m_session->state() != WalletSession::NoWallet);
    m_ui->actionLock->setEnabled(open);
    m_ui->actionAddCard->setEnabled(writable && !inTrash);
    m_ui->actionExport->setEnabled(open);
    m_ui->actionTrash->setEnabled(open);
    m_ui->actionRestoreCard->setEnabled(writable && m_trash->hasCard());
    m_ui->actionDeleteForever->setEnabled(writable && m_trash->hasCard());
    m_ui->actionEmptyTrash->setEnabled(writable);
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
    if (m_session->state() != WalletSession::NoWallet) {
        title += QStringLiteral(" - ") + QFileInfo(m_session->path()).fileName();
        if (m_session->state() == WalletSession::Locked)
            title += tr(" [Locked]");
        else if (!m_session->isWritable())
            title += tr(" [Read Only]");
    }
    setWindowTitle(title);
}
