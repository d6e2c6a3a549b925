#pragma once

#include "ui/Preferences.h"

#include <QObject>
#include <QSettings>

class CardListView;
class ClipboardGuard;
class IdleLock;
class QWidget;

// What the window keeps between runs: its size and place (fitted to the screen it opens on), the
// preferences, applied to the idle lock and the clipboard as they change, the card list's columns and
// the wallet open last.
class WindowSettings : public QObject
{
    Q_OBJECT

public:
    WindowSettings(QWidget *window, IdleLock *idleLock, ClipboardGuard *clipboard);

    QSettings &settings() { return m_settings; }
    const Preferences &preferences() const { return m_preferences; }
    // The wallet to open at the start, if the preferences say so; empty otherwise.
    QString walletToReopen() const;

    // The list whose columns load() restores and save() keeps.
    void setCardList(CardListView *list) { m_cardList = list; }
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
    CardListView *m_cardList = nullptr;
    QSettings m_settings;
    Preferences m_preferences;
};
