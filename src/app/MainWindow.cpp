#include "app/MainWindow.h"

#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "ui/CardCommands.h"
#include "ui/CardShortcuts.h"
#include "ui/ClipboardGuard.h"
#include "ui/FileSyncController.h"
#include "ui/GuiResources.h"
#include "ui/IdleLock.h"
#include "ui/MessageBox.h"
#include "ui/PreferencesDialog.h"
#include "ui/ScreenLockListener.h"
#include "ui/SecretWidgets.h"
#include "ui/ShortcutsDialog.h"
#include "ui/ToolCommands.h"
#include "ui/TrashController.h"
#include "ui/UnlockView.h"
#include "ui/UpgradeBar.h"
#include "ui/WalletCommands.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_ui((initGuiResources(), std::make_unique<Ui::MainWindow>()))
    , m_session(new WalletSession(this))
    , m_clipboard(new ClipboardGuard(this))
    , m_idleLock(new IdleLock(this))
    , m_screenLock(new ScreenLockListener(this))
    , m_unlockView(new UnlockView(*m_session, this))
{
    m_ui->setupUi(this);
    m_cardCommands = new CardCommands(*m_session, m_ui->cardListPane, m_ui->detailView, this);
    m_walletCommands = new WalletCommands(*m_session, this);
    m_tools = new ToolCommands(*m_session, m_settings, m_ui->cardListPane, this);
    connectCommands();
    m_trash = new TrashController(
        m_ui->cardListPane, m_ui->detailView, [this] { return m_session->store(); }, this);
    m_ui->splitter->setStretchFactor(0, 1);
    m_ui->splitter->setStretchFactor(1, 2);
    m_ui->centralWidget->layout()->addWidget(m_unlockView);
    auto *upgradeBar = new UpgradeBar(*m_session, this);
    qobject_cast<QBoxLayout *>(m_ui->centralWidget->layout())->insertWidget(0, upgradeBar);
    connect(upgradeBar, &UpgradeBar::upgradeRequested, m_walletCommands, &WalletCommands::walletSecurity);
    m_ui->menuFile->insertAction(m_ui->actionLock, m_walletCommands->walletSecurityAction());
    setMinimumSize(600, 400);

    m_ui->toolBar->addAction(m_ui->actionAddCard);
    m_ui->toolBar->addAction(m_ui->actionEditCard);
    auto *spring = new QLabel(m_ui->toolBar);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_ui->toolBar->addWidget(spring);
    m_ui->toolBar->addAction(m_ui->actionLock);
    m_ui->toolBar->addAction(m_ui->actionDropboxSync);

    m_ui->cardListPane->setSession(m_session);
    m_ui->detailView->setSession(m_session);
    m_fileSync = new FileSyncController([this] { return m_session->store(); }, this);
    m_ui->menuTools->insertAction(m_ui->actionDropboxSync, m_fileSync->syncWithFileAction());
    m_ui->menuFile->insertAction(m_ui->actionCloseWallet, m_fileSync->restoreBackupAction());
    connect(m_fileSync, &FileSyncController::statusMessage, this,
            [this](const QString &text) { statusBar()->showMessage(text); });
    connect(m_fileSync, &FileSyncController::cardsChanged, this, &MainWindow::reloadKeepingSelection);
    connect(m_fileSync, &FileSyncController::walletFileChanged, this, &MainWindow::walletFileChanged);
    connect(m_ui->cardListPane, &CardListPane::cardSelected, m_ui->detailView, &DetailView::displayCard);
    connect(m_ui->cardListPane, &CardListPane::copyRequested, this, &MainWindow::copyValue);
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

void MainWindow::connectCommands()
{
    const auto on
        = [this](QAction *action, auto *receiver, auto slot) { connect(action, &QAction::triggered, receiver, slot); };
    on(m_ui->actionAddCard, m_cardCommands, &CardCommands::add);
    on(m_ui->actionEditCard, m_cardCommands, &CardCommands::edit);
    on(m_ui->actionDuplicateCard, m_cardCommands, &CardCommands::duplicate);
    on(m_ui->actionSetUpOneTimeCode, m_cardCommands, &CardCommands::setUpOneTimeCode);
    on(m_ui->actionDeleteCard, m_cardCommands, &CardCommands::deleteShown);
    on(m_ui->actionOpenWallet, m_walletCommands, &WalletCommands::open);
    on(m_ui->actionNewWallet, m_walletCommands, &WalletCommands::create);
    on(m_ui->actionSaveWalletCopy, m_walletCommands, &WalletCommands::saveCopy);
    on(m_ui->actionChange_Password, m_walletCommands, &WalletCommands::changePassword);
    on(m_ui->actionExport, m_walletCommands, &WalletCommands::exportCards);
    const std::pair<QAction *, WalletCommands::ImportFormat> imports[]
        = {{m_ui->actionKeePassX_XML, WalletCommands::ImportFormat::KeePassX},
           {m_ui->actionKeePass_XML, WalletCommands::ImportFormat::KeePass},
           {m_ui->actionPassword_Safe_XML, WalletCommands::ImportFormat::PasswordSafe}};
    for (const auto &[action, format] : imports)
        connect(action, &QAction::triggered, m_walletCommands,
                [this, format = format] { m_walletCommands->importCards(format); });
    connect(m_ui->actionCopyOneTimeCode, &QAction::triggered, m_ui->detailView, &DetailView::copyOneTimeCode);
    on(m_ui->actionPasswordGenerator, m_tools, &ToolCommands::passwordGenerator);
    on(m_ui->actionPasswordHealth, m_tools, &ToolCommands::passwordHealth);
    on(m_ui->actionDropboxSync, m_tools, &ToolCommands::cloudSync);
    on(m_ui->actionClearDropboxSettings, m_tools, &ToolCommands::forgetCloudSignIn);
    on(m_ui->actionTessera_Help, m_tools, &ToolCommands::help);
    on(m_ui->actionWebsite, m_tools, &ToolCommands::website);
    on(m_ui->actionContact_Us, m_tools, &ToolCommands::contact);
    on(m_ui->actionAbout, m_tools, &ToolCommands::about);
    connect(m_cardCommands, &CardCommands::copyRequested, this, &MainWindow::copyValue);
    connect(m_tools, &ToolCommands::copyRequested, this, &MainWindow::copyValue);
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
    m_ui->actionNewWallet->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    m_ui->actionOpenWallet->setShortcuts(standard(QKeySequence::Open, QStringLiteral("Ctrl+O")));
    m_ui->actionSaveWalletCopy->setShortcuts(standard(QKeySequence::SaveAs, QStringLiteral("Ctrl+Shift+S")));
    m_ui->actionCloseWallet->setShortcuts(standard(QKeySequence::Close, QStringLiteral("Ctrl+W")));
    m_ui->actionExit->setShortcuts(standard(QKeySequence::Quit, QStringLiteral("Ctrl+Q")));
    m_ui->actionDeleteCard->setShortcuts(standard(QKeySequence::Delete, QStringLiteral("Del")) << Qt::Key_Backspace);
    m_ui->actionTessera_Help->setShortcuts(standard(QKeySequence::HelpContents, QStringLiteral("F1")));
    auto *list = m_ui->cardListPane->findChild<QListView *>(QStringLiteral("listView"));
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
    m_lastWallet = m_settings.value(QStringLiteral("lastDatabase")).toString();
    m_walletCommands->loadSettings(m_settings);
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
    m_walletCommands->saveSettings(m_settings);
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

void MainWindow::tryOpenLastDatabase()
{
    if (m_preferences.openLastWallet && !m_lastWallet.isEmpty())
        m_walletCommands->openFile(m_lastWallet);
}

void MainWindow::walletOpened()
{
    m_ui->cardListPane->reload();
    m_ui->detailView->displayCard(-1);
    showPanes(true);
    if (!m_cardBeforeLock.isEmpty())
        m_ui->cardListPane->selectCard(m_session->store()->cardIdForUuid(m_cardBeforeLock));
    m_cardBeforeLock.clear();
    m_ui->cardListPane->focusSearch();
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
    m_cardCommands->forgetEdit();
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
    m_ui->cardListPane->clear();
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
    m_cardCommands->forgetEdit();
    m_fileSync->walletClosed();
    m_clipboard->clear();
    m_idleLock->setActive(false);
    m_ui->cardListPane->clear();
    m_ui->detailView->displayCard(-1);
    showPanes(false);
    m_unlockView->hide();
    updateActions();
    updateTitle();
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
    if (!m_ui->cardListPane->reload()) {
        showError(tr("Error"),
                  tr("The cards of \"%1\" cannot be read: %2.")
                      .arg(m_session->path(), m_session->store()->lastError().message()));
    }
    m_ui->cardListPane->selectCard(m_session->store() ? m_session->store()->cardIdForUuid(shown) : -1);
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
        showError(tr("Wallet Deleted"),
                  tr("Another program deleted or moved \"%1\". Its cards are still open here: "
                     "keep them with File > Save A Copy To.")
                      .arg(m_session->path()));
        break;
    }
}

void MainWindow::on_actionCloseWallet_triggered()
{
    closeDatabase();
}

void MainWindow::closeDatabase()
{
    m_ui->actionTrash->setChecked(false);
    m_session->close();
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

void MainWindow::setCloudHosts(const DropboxHosts &hosts)
{
    m_tools->setCloudHosts(hosts);
}

// State

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
    m_ui->actionSaveWalletCopy->setEnabled(open);
    m_ui->menuImport->setEnabled(writable);
    m_ui->menuImport->menuAction()->setEnabled(writable);
    m_ui->actionCloseWallet->setEnabled(m_session->state() != WalletSession::NoWallet);
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
