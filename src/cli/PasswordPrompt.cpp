#include "cli/PasswordPrompt.h"

#include "cli/Console.h"
#include "cli/InputLine.h"
#include "cli/TerminalEcho.h"

#include <unistd.h>

PasswordPrompt::PasswordPrompt(Console &console)
    : m_console(console)
    , m_fromTerminal(isatty(STDIN_FILENO) == 1)
{
}

std::optional<QString> PasswordPrompt::ask(const QString &prompt)
{
    std::optional<QByteArray> line;
    if (m_fromTerminal) {
        m_console.printError(prompt);
        {
            const TerminalEchoOff echoOff(STDIN_FILENO);
            line = readInputLine();
        }
        // The Enter key was not echoed either.
        m_console.printError(QStringLiteral("\n"));
    } else {
        line = readInputLine();
    }
    if (!line)
        return std::nullopt;
    // UTF-8 whatever the locale, so a password typed here opens the wallet the window opens with it.
    return QString::fromUtf8(*line);
}

std::optional<QString> PasswordPrompt::askNew(const QString &prompt, QString *error)
{
    const std::optional<QString> first = ask(prompt);
    if (!first) {
        *error = tr("no password given");
        return std::nullopt;
    }
    if (first->isEmpty()) {
        *error = tr("the new password is empty");
        return std::nullopt;
    }
    const std::optional<QString> second = ask(tr("Repeat the new password: "));
    if (!second) {
        *error = tr("the new password was not repeated");
        return std::nullopt;
    }
    if (*first != *second) {
        *error = tr("the two new passwords differ");
        return std::nullopt;
    }
    return first;
}
