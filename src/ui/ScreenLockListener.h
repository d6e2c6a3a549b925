#pragma once

#include <QObject>

// Listens on D-Bus for the desktop locking the screen (the freedesktop and GNOME screen savers, and the
// login manager's Lock of this session) and for the machine going to sleep. Without a bus it stays silent.
class ScreenLockListener : public QObject
{
    Q_OBJECT

public:
    explicit ScreenLockListener(QObject *parent = nullptr);

signals:
    void lockRequested();

public slots:
    // The screen saver became active (or inactive).
    void screenSaverChanged(bool active);
    // The machine is about to sleep (or has woken).
    void prepareForSleep(bool sleeping);
    void sessionLocked();
};
