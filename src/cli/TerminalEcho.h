#pragma once

// Turns off the echo of a terminal while a password is typed. The echo comes back when this object
// goes, and also when a signal (Ctrl-C, a hang-up, a kill) ends the program before that.
class TerminalEchoOff
{
public:
    explicit TerminalEchoOff(int fd);
    ~TerminalEchoOff();
    TerminalEchoOff(const TerminalEchoOff &) = delete;
    TerminalEchoOff &operator=(const TerminalEchoOff &) = delete;

private:
    bool m_active = false;
};
