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
    explicit MainWindow(WalletSession &session, QWidget *parent = nullptr);
    ~MainWindow() override;

    ClipboardGuard &clipboard() const { return *m_clipboard; }
    IdleLock &idleLock() const { return *m_idleLock; }
    ScreenLockListener &screenLockListener() const { return *m_screenLock; }
    // Where the sync dialog finds the cloud service (tests and compatible servers).
    void setCloudHosts(const DropboxHosts &hosts);

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
};
