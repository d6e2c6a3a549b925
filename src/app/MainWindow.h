#pragma once

#include <QMainWindow>

#include <memory>

namespace Ui {
class MainWindow;
}
struct DropboxHosts;
class ClipboardGuard;
class IdleLock;
class ScreenLockListener;
class UnlockView;
class WalletSession;
class TrashController;
class CardCommands;
class CardShortcuts;
class WalletCommands;
class ToolCommands;
class FileSyncController;
class WindowSettings;

// The program's window: wires the panes, the dialogs and the actions to the open wallet, which the
// session handed in owns.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Opens walletFile when given; else offers to unlock the wallet open last, if the preferences say so.
    explicit MainWindow(WalletSession &session, const QString &walletFile = QString(), QWidget *parent = nullptr);
    ~MainWindow() override;

    ClipboardGuard &clipboard() const { return *m_clipboard; }
    IdleLock &idleLock() const { return *m_idleLock; }
    ScreenLockListener &screenLockListener() const { return *m_screenLock; }
    // Where the sync dialog finds the cloud service (tests and compatible servers).
    void setCloudHosts(const DropboxHosts &hosts);
    // Asks for the password of the wallet at path (given on the command line or by a second start).
    void openWallet(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void updateActions();
    void updateTitle();
    void walletOpened();
    void walletLocked();
    void walletClosed();
    void setUpToolBar();
    void setUpKeyboard();
    void connectCommands();
    void setUpWelcome();

    const std::unique_ptr<Ui::MainWindow> m_ui;
    WalletSession &m_session;
    ClipboardGuard *const m_clipboard;
    IdleLock *const m_idleLock;
    ScreenLockListener *const m_screenLock;
    UnlockView *const m_unlockView;
    WindowSettings *const m_settings;
    TrashController *m_trash = nullptr;
    CardCommands *m_cardCommands = nullptr;
    WalletCommands *m_walletCommands = nullptr;
    ToolCommands *m_tools = nullptr;
    FileSyncController *m_fileSync = nullptr;
    CardShortcuts *m_cardShortcuts = nullptr;
    // The wallet the status bar's messages are about; another one's open clears them.
    QString m_statusWallet;
};
