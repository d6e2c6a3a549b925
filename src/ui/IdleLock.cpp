#include "ui/IdleLock.h"

#include <QCoreApplication>
#include <QEvent>

IdleLock::IdleLock(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &IdleLock::lockRequested);
    QCoreApplication::instance()->installEventFilter(this);
}

void IdleLock::setPeriod(int milliseconds)
{
    m_period = qMax(0, milliseconds);
    restart();
}

void IdleLock::setActive(bool active)
{
    m_active = active;
    restart();
}

void IdleLock::restart()
{
    if (m_active && m_period > 0)
        m_timer.start(m_period);
    else
        m_timer.stop();
}

bool IdleLock::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
        if (m_timer.isActive())
            m_timer.start(m_period);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
