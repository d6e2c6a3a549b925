#pragma once

#include <QString>

#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

// A pseudo-terminal: the program under test reads its slave side as a terminal, the test types on the
// master side and watches the slave's modes.
class PseudoTerminal
{
public:
    PseudoTerminal()
        : m_master(posix_openpt(O_RDWR | O_NOCTTY))
    {
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0) {
            m_slavePath = QString::fromLocal8Bit(ptsname(m_master));
            m_slave = ::open(ptsname(m_master), O_RDWR | O_NOCTTY);
        }
    }

    ~PseudoTerminal()
    {
        if (m_slave >= 0)
            ::close(m_slave);
        if (m_master >= 0)
            ::close(m_master);
    }

    bool isOpen() const { return m_slave >= 0; }
    QString slavePath() const { return m_slavePath; }

    bool echoes() const
    {
        termios modes;
        return tcgetattr(m_slave, &modes) == 0 && (modes.c_lflag & ECHO) != 0;
    }

    bool type(const QByteArray &keys) const { return ::write(m_master, keys.constData(), keys.size()) == keys.size(); }

    // What the terminal has shown since, without waiting.
    QByteArray shown() const
    {
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        QByteArray bytes;
        char buffer[256];
        ssize_t count;
        while ((count = ::read(m_master, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, int(count));
        return bytes;
    }

private:
    int m_master;
    int m_slave = -1;
    QString m_slavePath;
};
