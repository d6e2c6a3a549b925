#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

class Console;

// Reads passwords: from the terminal without echo, prompting on standard error; or, when standard input
// is not a terminal, one line per password in the order they are asked, so a script can pipe them in.
// Passwords never come from the command line, where other users could read them.
class PasswordPrompt
{
    Q_DECLARE_TR_FUNCTIONS(PasswordPrompt)

public:
    explicit PasswordPrompt(Console &console);

    // None when the input has ended.
    std::optional<QString> ask(const QString &prompt);
    // A new password, asked twice. None, with the reason, when the input ends, the password is empty
    // or the two differ.
    std::optional<QString> askNew(const QString &prompt, QString *error);

private:
    Console &m_console;
    const bool m_fromTerminal;
};
