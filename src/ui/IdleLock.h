#pragma once

#include <QObject>
#include <QTimer>

// Asks for the wallet to be locked after a stretch without any input to the program. Every key press,
// click, wheel turn or touch anywhere in the application starts the stretch again.
class IdleLock : public QObject
{
    Q_OBJECT

public:
    explicit IdleLock(QObject *parent = nullptr);

    // 0 never locks.
    void setPeriod(int milliseconds);
    int period() const { return m_period; }
    // Runs only while a wallet is unlocked.
    void setActive(bool active);

signals:
    void lockRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restart();

    int m_period = 5 * 60 * 1000;
    bool m_active = false;
    QTimer m_timer;
};
