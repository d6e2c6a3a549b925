#include "cli/TerminalEcho.h"

#include <csignal>
#include <iterator>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int endingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// The signal handler can reach only static data; one password is typed at a time.
int savedFd = -1;
termios savedModes;
struct sigaction previousActions[std::size(endingSignals)];

void restoreAndRaise(int signal)
{
    tcsetattr(savedFd, TCSANOW, &savedModes);
    // The typed line was not echoed, so the shell would go on after the prompt.
    const ssize_t written = ::write(STDERR_FILENO, "\n", 1);
    static_cast<void>(written);
    struct sigaction defaults = {};
    defaults.sa_handler = SIG_DFL;
    sigemptyset(&defaults.sa_mask);
    sigaction(signal, &defaults, nullptr);
    // Delivered once this handler returns, so the program ends as the signal meant it to.
    raise(signal);
}

} // namespace

TerminalEchoOff::TerminalEchoOff(int fd)
{
    if (tcgetattr(fd, &savedModes) != 0)
        return;
    savedFd = fd;
    struct sigaction action = {};
    action.sa_handler = restoreAndRaise;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(endingSignals); ++i) {
        sigaction(endingSignals[i], nullptr, &previousActions[i]);
        // A signal the caller ignores (nohup) stays ignored.
        if (previousActions[i].sa_handler != SIG_IGN)
            sigaction(endingSignals[i], &action, nullptr);
    }
    termios quiet = savedModes;
    quiet.c_lflag &= ~tcflag_t(ECHO);
    m_active = tcsetattr(fd, TCSAFLUSH, &quiet) == 0;
}

TerminalEchoOff::~TerminalEchoOff()
{
    if (savedFd < 0)
        return;
    if (m_active)
        tcsetattr(savedFd, TCSANOW, &savedModes);
    for (std::size_t i = 0; i < std::size(endingSignals); ++i)
        sigaction(endingSignals[i], &previousActions[i], nullptr);
    savedFd = -1;
}
