#include "ui/OneTimeCodeView.h"

#include "model/Clock.h"
#include "ui/CountdownRing.h"
#include "ui/FittedLabel.h"

#include <QHBoxLayout>

namespace {

// "287 082": the first half a digit shorter when the count is odd.
QString grouped(const QString &code)
{
    const int half = code.size() / 2;
    return code.left(half) + QLatin1Char(' ') + code.mid(half);
}

} // namespace

OneTimeCodeView::OneTimeCodeView(const TotpSetup &setup, const QString &uri, QWidget *parent)
    : QWidget(parent)
    , m_setup(setup)
    , m_uri(uri)
    , m_label(new FittedLabel(this))
    , m_ring(new CountdownRing(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Larger than the other values: the code is read off and typed elsewhere.
    QFont bold = m_label->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    m_label->setFont(bold);
    layout->addWidget(m_ring);
    layout->addWidget(m_label);

    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &OneTimeCodeView::refresh);
    refresh();
}

QString OneTimeCodeView::code() const
{
    return m_setup.codeAt(Clock::current().secsSinceEpoch());
}

void OneTimeCodeView::toggleMask(bool off)
{
    m_revealed = off;
    refresh();
}

void OneTimeCodeView::copyToClipboard()
{
    emit copyRequested(code());
}

// Runs again just after the next whole second, when the countdown moves and the code may change.
void OneTimeCodeView::refresh()
{
    const qint64 now = Clock::current().msecsSinceEpoch();
    const qint64 seconds = now / 1000;
    m_label->setFittedText(m_revealed ? m_uri : grouped(m_setup.codeAt(seconds)));
    m_ring->setTime(m_setup.secondsLeftAt(seconds), m_setup.period);
    m_timer.start(int(1000 - now % 1000));
}
