#include "ui/WindowSettings.h"

#include "ui/CardListView.h"
#include "ui/ClipboardGuard.h"
#include "ui/IdleLock.h"
#include "ui/PreferencesDialog.h"

#include <QScreen>
#include <QWidget>

namespace {

const QString geometryKey = QStringLiteral("geometry");
const QString lastWalletKey = QStringLiteral("lastDatabase");

} // namespace

WindowSettings::WindowSettings(QWidget *window, IdleLock *idleLock, ClipboardGuard *clipboard)
    : QObject(window)
    , m_window(window)
    , m_idleLock(idleLock)
    , m_clipboard(clipboard)
{
}

QString WindowSettings::walletToReopen() const
{
    return m_preferences.openLastWallet ? m_settings.value(lastWalletKey).toString() : QString();
}

void WindowSettings::load()
{
    m_window->restoreGeometry(m_settings.value(geometryKey).toByteArray());
    fitToScreen();
    m_preferences = Preferences::load(m_settings);
    applyPreferences();
    if (m_cardList)
        m_cardList->restoreColumns(m_settings);
}

void WindowSettings::save(const QString &lastWallet)
{
    m_settings.setValue(geometryKey, m_window->saveGeometry());
    m_preferences.save(m_settings);
    m_settings.setValue(lastWalletKey, lastWallet);
    if (m_cardList)
        m_cardList->saveColumns(m_settings);
}

void WindowSettings::editPreferences()
{
    auto *dialog = new PreferencesDialog(m_preferences, m_window);
    connect(dialog, &PreferencesDialog::changed, this, [this](const Preferences &preferences) {
        m_preferences = preferences;
        m_preferences.save(m_settings);
        applyPreferences();
    });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void WindowSettings::applyPreferences()
{
    m_idleLock->setPeriod(m_preferences.autoLockMinutes * 60 * 1000);
    m_clipboard->setTimeout(m_preferences.clipboardSeconds * 1000);
}

// A size saved on a larger screen must not leave the window running off the one it opens on now.
void WindowSettings::fitToScreen()
{
    const QRect available = m_window->screen()->availableGeometry();
    m_window->resize(m_window->size().boundedTo(available.size()).expandedTo(m_window->minimumSize()));
    const QRect frame = m_window->frameGeometry();
    m_window->move(
        qBound(available.left(), frame.left(), qMax(available.left(), available.right() - frame.width() + 1)),
        qBound(available.top(), frame.top(), qMax(available.top(), available.bottom() - frame.height() + 1)));
}
