#include "ui/ClipboardGuard.h"

#include "model/SecretText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

// The hint clipboard managers (Klipper, and those that follow it) read to keep a copy out of their history.
const QString passwordManagerHint = QStringLiteral("x-kde-passwordManagerHint");
constexpr int tickMilliseconds = 1000;

} // namespace

ClipboardGuard::ClipboardGuard(QObject *parent)
    : QObject(parent)
{
    connect(&m_ticker, &QTimer::timeout, this, &ClipboardGuard::tick);
}

// Quitting clears a copy too; nobody is left to be told.
ClipboardGuard::~ClipboardGuard()
{
    blockSignals(true);
    clear();
}

void ClipboardGuard::setTimeout(int milliseconds)
{
    m_timeout = qMax(0, milliseconds);
}

void ClipboardGuard::copy(const QString &text, const QString &what)
{
    auto *data = new QMimeData;
    data->setText(text);
    data->setData(passwordManagerHint, QByteArrayLiteral("secret"));
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
    m_copied = text;
    m_what = what;
    if (m_timeout == 0) {
        m_ticker.stop();
        emit status(tr("%1 copied").arg(what));
        return;
    }
    m_remaining = m_timeout;
    m_ticker.start(qMin(tickMilliseconds, m_timeout));
    emit status(tr("%1 copied, clears in %n s", nullptr, (m_remaining + 999) / 1000).arg(what));
}

void ClipboardGuard::clear()
{
    m_ticker.stop();
    if (m_copied.isEmpty())
        return;
    const bool ours = stillOurs();
    if (ours)
        QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
    SecretText::wipe(m_copied);
    emit status(ours ? tr("Clipboard cleared") : QString());
}

bool ClipboardGuard::stillOurs() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    return data && data->text() == m_copied;
}

void ClipboardGuard::tick()
{
    m_remaining -= m_ticker.interval();
    if (m_remaining <= 0) {
        clear();
        return;
    }
    emit status(tr("%1 copied, clears in %n s", nullptr, (m_remaining + 999) / 1000).arg(m_what));
}
