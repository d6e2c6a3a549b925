#include "app/MainWindow.h"

#include "session/WalletSession.h"
#include "ui/CardCommands.h"
#include "ui/CardListView.h"
#include "ui/CardShortcuts.h"
#include "ui/ClipboardGuard.h"
#include "ui/EditDialog.h"
#include "ui/FileSyncController.h"
#include "ui/GuiResources.h"
#include "ui/IdleLock.h"
#include "ui/RecentWallets.h"
#include "ui/RecentWalletsMenu.h"
#include "ui/ScreenLockListener.h"
#include "ui/SecretWidgets.h"
#include "ui/ServerSyncController.h"
#include "ui/SessionView.h"
#include "ui/ShortcutsDialog.h"
#include "ui/ToolCommands.h"
#include "ui/TrashController.h"
#include "ui/UnlockView.h"
#include "ui/UpgradeBar.h"
#include "ui/WalletCommands.h"
#include "ui/WelcomePage.h"
#include "ui/WindowSettings.h"
#include "ui_MainWindow.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

MainWindow::MainWindow(WalletSession &session, const QString &walletFile, QWidget *parent)
    : QMainWindow(parent)
    , m_ui((initGuiResources(), std::make_unique<Ui::MainWindow>()))
    , m_session(session)
    , m_clipboard(new ClipboardGuard(this))
    , m_idleLock(new IdleLock(this))
    , m_screenLock(new ScreenLockListener(this))
    , m_unlockView(new UnlockView(m_session, this))
    , m_settings(new WindowSettings(this, m_idleLock, m_clipboard))
{
    m_ui->setupUi(this);
    m_ui->splitter->setStretchFactor(0, 2);
    m_ui->splitter->setStretchFactor(1, 3);
    m_ui->centralWidget->layout()->addWidget(m_unlockView);
    setMinimumSize(600, 400);
    setUpToolBar();
    // Before the controllers that report on the wallet just opened (a sync) are connected.
    connect(&m_session, &WalletSession::opened, this, [this] {
        if (m_session.path() != m_statusWallet)
            statusBar()->clearMessage();
        m_statusWallet = m_session.path();
    });
    // The panes follow the session first, so that the window's actions see them as they are now.
    auto *recent = new RecentWallets(m_session, this);
    auto *welcome = new WelcomePage(*recent, this);
    welcome->setObjectName(QStringLiteral("welcomePage"));
    m_ui->centralWidget->layout()->addWidget(welcome);
    new SessionView(m_session, m_ui->splitter, m_ui->cardListPane, m_ui->detailView, m_unlockView, welcome, this);
    m_cardCommands = new CardCommands(m_session, m_ui->detailView, this);
    m_walletCommands = new WalletCommands(m_session, this);
    m_tools = new ToolCommands(m_session, m_settings->settings(), m_ui->cardListPane, this);
    m_trash = new TrashController(m_session, m_ui->cardListPane, m_ui->detailView, this);
    m_fileSync = new FileSyncController(m_session, this);
    m_ui->menuTools->insertAction(m_ui->actionDropboxSync, m_fileSync->syncWithFileAction());
    m_ui->menuFile->insertAction(m_ui->actionCloseWallet, m_fileSync->restoreBackupAction());
    auto *upgradeBar = new UpgradeBar(m_session, this);
    qobject_cast<QBoxLayout *>(m_ui->centralWidget->layout())->insertWidget(0, upgradeBar);
    connect(upgradeBar, &UpgradeBar::upgradeRequested, m_walletCommands, &WalletCommands::walletSecurity);
    m_ui->menuFile->insertAction(m_ui->actionLock, m_walletCommands->walletSecurityAction());
    connectCommands();
    connect(welcome, &WelcomePage::createRequested, m_walletCommands, &WalletCommands::create);
    connect(welcome, &WelcomePage::openRequested, m_walletCommands, &WalletCommands::open);
    connect(welcome, &WelcomePage::openFileRequested, m_walletCommands, &WalletCommands::openFile);
    connect(welcome, &WelcomePage::importRequested, m_walletCommands, &WalletCommands::importIntoNewWallet);
    auto *recentMenu = new RecentWalletsMenu(*recent, this);
    const QList<QAction *> fileItems = m_ui->menuFile->actions();
    m_ui->menuFile->insertMenu(fileItems.value(fileItems.indexOf(m_ui->actionOpenWallet) + 1), recentMenu);
    connect(recentMenu, &RecentWalletsMenu::openRequested, this, &MainWindow::openWallet);
    setUpKeyboard();
    updateActions();
    m_settings->setCardList(m_ui->cardListPane->findChild<CardListView *>(QStringLiteral("listView")));
    m_settings->load();
    m_walletCommands->loadSettings(m_settings->settings());
    QTimer::singleShot(0, this, [this, walletFile] {
        const QString last = m_settings->walletToReopen();
        if (!walletFile.isEmpty())
            openWallet(walletFile);
        else if (QFileInfo::exists(last))
            m_session.selectLocked(last);
    });
}

void MainWindow::openWallet(const QString &path)
{
    if (path != m_session.path() || !m_session.isUnlocked())
        m_walletCommands->openFile(path);
}

MainWindow::~MainWindow()
{
    // Children go after the window's own parts: none may call back into it meanwhile.
    m_session.disconnect(this);
    m_clipboard->disconnect(this);
}

void MainWindow::setUpToolBar()
{
    m_ui->toolBar->addAction(m_ui->actionAddCard);
    m_ui->toolBar->addAction(m_ui->actionEditCard);
    auto *spring = new QLabel(m_ui->toolBar);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_ui->toolBar->addWidget(spring);
    m_ui->toolBar->addAction(m_ui->actionLock);
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
    on(m_ui->actionImport, m_walletCommands, &WalletCommands::importCards);
    on(m_ui->actionLock, &m_session, &WalletSession::lock);
    connect(m_unlockView, &UnlockView::otherWalletRequested, &m_session, &WalletSession::close);
    connect(m_ui->actionCloseWallet, &QAction::triggered, this, [this] {
        m_ui->actionTrash->setChecked(false);
        m_session.close();
    });
    on(m_ui->actionExit, this, &QWidget::close);
    on(m_ui->actionPreferences, m_settings, &WindowSettings::editPreferences);
    on(m_ui->actionCopyOneTimeCode, m_ui->detailView, &DetailView::copyOneTimeCode);
    on(m_ui->actionPasswordGenerator, m_tools, &ToolCommands::passwordGenerator);
    on(m_ui->actionPasswordHealth, m_tools, &ToolCommands::passwordHealth);
    on(m_ui->actionDropboxSync, m_tools, &ToolCommands::cloudSync);
    on(m_ui->actionClearDropboxSettings, m_tools, &ToolCommands::forgetCloudSignIn);
    on(m_ui->actionManual, m_tools, &ToolCommands::manual);
    on(m_ui->actionAbout, m_tools, &ToolCommands::about);
    connect(m_ui->actionTrash, &QAction::toggled, m_trash, &TrashController::setShown);
    on(m_ui->actionRestoreCard, m_trash, &TrashController::restoreCurrent);
    on(m_ui->actionDeleteForever, m_trash, &TrashController::deleteCurrentForever);
    on(m_ui->actionEmptyTrash, m_trash, &TrashController::emptyTrash);
    connect(m_trash, &TrashController::changed, this, &MainWindow::updateActions);

    connect(m_ui->cardListPane, &CardListPane::copyRequested, m_clipboard, &ClipboardGuard::copy);
    connect(m_ui->detailView, &DetailView::copyRequested, m_clipboard, &ClipboardGuard::copy);
    connect(m_cardCommands, &CardCommands::copyRequested, m_clipboard, &ClipboardGuard::copy);
    connect(m_tools, &ToolCommands::copyRequested, m_clipboard, &ClipboardGuard::copy);
    connect(m_ui->detailView, &DetailView::cardShown, this, &MainWindow::updateActions);
    const auto showStatus = [this](const QString &text) { statusBar()->showMessage(text); };
    connect(m_clipboard, &ClipboardGuard::status, this, showStatus);
    connect(m_fileSync, &FileSyncController::statusMessage, this, showStatus);
    connect(m_fileSync, &FileSyncController::unlockAsked, m_unlockView, &UnlockView::showError);
    auto *serverSync = new ServerSyncController(m_session, this);
    m_ui->menuTools->insertAction(m_ui->actionDropboxSync, serverSync->syncWithServerAction());
    connect(serverSync, &ServerSyncController::statusMessage, this, showStatus);
    connect(&m_session, &WalletSession::opened, this, &MainWindow::walletOpened);
    connect(&m_session, &WalletSession::locked, this, &MainWindow::walletLocked);
    connect(&m_session, &WalletSession::closed, this, &MainWindow::walletClosed);
    connect(m_idleLock, &IdleLock::lockRequested, &m_session, &WalletSession::lock);
    connect(m_screenLock, &ScreenLockListener::lockRequested, &m_session, &WalletSession::lock);
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
    m_ui->actionManual->setShortcuts(standard(QKeySequence::HelpContents, QStringLiteral("F1")));
    auto *list = m_ui->cardListPane->findChild<CardListView *>(QStringLiteral("listView"));
    m_cardShortcuts = new CardShortcuts(
        this, list, m_ui->menuEdit, {m_ui->actionEditCard, m_ui->actionDuplicateCard, m_ui->actionDeleteCard},
        [this] { return m_ui->detailView->hasCard() ? m_session.card(m_ui->detailView->cardId()) : nullptr; });
    connect(m_cardShortcuts, &CardShortcuts::copyRequested, m_clipboard, &ClipboardGuard::copy);
    auto *shortcuts = new QAction(tr("Keyboard Shortcuts"), this);
    shortcuts->setObjectName(QStringLiteral("actionKeyboardShortcuts"));
    m_ui->menuHelp->insertAction(m_ui->actionAbout, shortcuts);
    connect(shortcuts, &QAction::triggered, this, [this] {
        auto *dialog = new ShortcutsDialog(findChildren<QAction *>(), EditDialog::keys(), this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_settings->save(m_session.path());
    m_walletCommands->saveSettings(m_settings->settings());
    m_clipboard->clear();
    QMainWindow::closeEvent(event);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange && isMinimized() && m_settings->preferences().lockOnMinimize)
        m_session.lock();
    QMainWindow::changeEvent(event);
}

void MainWindow::setCloudHosts(const DropboxHosts &hosts)
{
    m_tools->setCloudHosts(hosts);
}

void MainWindow::walletOpened()
{
    m_idleLock->setActive(true);
    updateActions();
    updateTitle();
}

// Everything decrypted goes: the panes (SessionView), open dialogs (cancelled, so that nothing
// half-typed is stored), and then, as on closing, the editor's start and whatever was copied.
void MainWindow::walletLocked()
{
    // done() rather than reject(): an editor would ask whether to discard, and a lock asks nothing.
    for (QDialog *dialog : findChildren<QDialog *>()) {
        if (dialog->isVisible()) {
            dialog->done(QDialog::Rejected);
            SecretWidgets::wipe(dialog);
        }
    }
    walletClosed();
}

void MainWindow::walletClosed()
{
    m_cardCommands->forgetEdit();
    m_clipboard->clear();
    m_idleLock->setActive(false);
    updateActions();
    updateTitle();
}

void MainWindow::updateActions()
{
    const bool open = m_session.isUnlocked();
    const bool writable = m_session.isWritable();
    const bool inTrash = m_trash->isShown();
    const bool cardShown = writable && !inTrash && m_ui->detailView->hasCard();
    m_ui->actionSaveWalletCopy->setEnabled(open);
    m_ui->actionImport->setEnabled(writable);
    m_ui->actionCloseWallet->setEnabled(m_session.state() != WalletSession::NoWallet);
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
    if (m_cardShortcuts)
        m_cardShortcuts->setCardShown(open && m_ui->detailView->hasCard());
    m_ui->actionChange_Password->setEnabled(writable);
    m_ui->actionPasswordHealth->setEnabled(open);
    m_ui->actionDropboxSync->setEnabled(writable);
    m_ui->actionClearDropboxSettings->setEnabled(writable);
}

void MainWindow::updateTitle()
{
    QString title = tr("Tessera");
    if (m_session.state() != WalletSession::NoWallet) {
        title += QStringLiteral(" - ") + QFileInfo(m_session.path()).fileName();
        if (m_session.state() == WalletSession::Locked)
            title += tr(" [Locked]");
        else if (!m_session.isWritable())
            title += tr(" [Read Only]");
    }
    setWindowTitle(title);
}
