#pragma once

#include "ui/Preferences.h"

#include <QObject>
#include <QSettings>

class ClipboardGuard;
class IdleLock;
class QWidget;

// What the window keeps between runs: its size and place (fitted to the screen it opens on), the
// preferences, applied to the idle lock and the clipboard as they change, and the wallet open last.
class WindowSettings : public QObject
{
    Q_OBJECT

public:
    WindowSettings(QWidget *window, IdleLock *idleLock, ClipboardGuard *clipboard);

    QSettings &settings() { return m_settings; }
    const Preferences &preferences() const { return m_preferences; }
    // The wallet to open at the start, if the preferences say so; empty otherwise.
    QString walletToReopen() const;

    void load();
    void save(const QString &lastWallet);
    // Opens the Preferences dialog over the window.
    void editPreferences();

private:
    void applyPreferences();
    void fitToScreen();

    QWidget *const m_window;
    IdleLock *const m_idleLock;
    ClipboardGuard *const m_clipboard;
    QSettings m_settings;
    Preferences m_preferences;
};
