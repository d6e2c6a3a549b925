#include "ui/WindowSettings.h"

#include "ui/CardListView.h"
#include "ui/ClipboardGuard.h"
#include "ui/IdleLock.h"
#include "ui/PreferencesDialog.h"

#include <QScreen>
#include <QStyle>
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

// A size saved on a larger screen must not leave the window running off the one it opens on now, nor
// its status bar below the screen's edge. Before the window is first shown the window manager's frame
// is not known (frameGeometry() is geometry()), so room is left for a title bar and a border; and the
// window is placed by its inside (setGeometry), never by a frame position taken for its inside, which
// would move it down by a title bar on every start. A geometry that fits is left exactly as saved.
void WindowSettings::fitToScreen()
{
    if (m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QRect available = m_window->screen()->availableGeometry();
    const QRect inside = m_window->geometry();
    const QRect outside = m_window->frameGeometry();
    QMargins frame(inside.left() - outside.left(), inside.top() - outside.top(), outside.right() - inside.right(),
                   outside.bottom() - inside.bottom());
    if (frame.isNull()) {
        const int border = m_window->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        frame = QMargins(border, m_window->style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border);
    }
    const QRect room = available.marginsRemoved(frame);
    const QSize size = inside.size().boundedTo(room.size()).expandedTo(m_window->minimumSize());
    const QPoint topLeft(qBound(room.left(), inside.left(), qMax(room.left(), room.right() - size.width() + 1)),
                         qBound(room.top(), inside.top(), qMax(room.top(), room.bottom() - size.height() + 1)));
    if (QRect(topLeft, size) != inside)
        m_window->setGeometry(QRect(topLeft, size));
}
