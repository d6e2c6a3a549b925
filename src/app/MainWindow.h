#pragma once

#include "ui/Preferences.h"

#include <QMainWindow>

#include <QSettings>

#include <memory>

namespace Ui {
class MainWindow;
}
class Card;
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

// The program's window: wires the panes, the dialogs and the actions to the open wallet, which a
// WalletSession owns and every view is handed.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    WalletSession &session() const { return *m_session; }
    ClipboardGuard &clipboard() const { return *m_clipboard; }
    IdleLock &idleLock() const { return *m_idleLock; }
    ScreenLockListener &screenLockListener() const { return *m_screenLock; }
    // Where the sync dialog finds the cloud service (tests and compatible servers).
    void setCloudHosts(const DropboxHosts &hosts);
    // Opens the given file after checking it, through the unlock dialog.

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_actionLock_triggered();
    void tryOpenLastDatabase();
    void updateActions();
    void updateTitle();
    void on_actionCloseWallet_triggered();
    void on_actionPreferences_triggered();

private:
    void loadSettings();
    void saveSettings();
    void applyPreferences();
    void walletOpened();
    void walletLocked();
    void walletClosed();
    void reloadKeepingSelection();
    void walletFileChanged();
    void showPanes(bool unlocked);
    void copyValue(const QString &value, const QString &what);
    void closeDatabase();
    void setUpKeyboard();
    void connectCommands();
    void fitToScreen();
    void showError(const QString &title, const QString &text);
    // An error box with the text and the reason the store gave.

    const std::unique_ptr<Ui::MainWindow> m_ui;
    WalletSession *const m_session;
    ClipboardGuard *const m_clipboard;
    IdleLock *const m_idleLock;
    ScreenLockListener *const m_screenLock;
    UnlockView *const m_unlockView;
    QSettings m_settings;
    Preferences m_preferences;
    // The card an editor is open on, and that card as the editor opened it.
    // The card shown when the wallet was locked, shown again after unlocking.
    QString m_cardBeforeLock;
    bool m_walletGoneReported = false;
    QString m_lastWallet;
    TrashController *m_trash = nullptr;
    CardCommands *m_cardCommands = nullptr;
    WalletCommands *m_walletCommands = nullptr;
    ToolCommands *m_tools = nullptr;
    FileSyncController *m_fileSync = nullptr;
};
