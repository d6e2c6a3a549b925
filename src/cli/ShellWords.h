#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// Splits a line into words as a shell does, without expanding anything: blanks separate words; single
// quotes keep everything up to the next one; double quotes keep everything but a backslash before
// " \ $ or `, which stands for that character; outside quotes a backslash stands for the next character.
class ShellWords
{
    Q_DECLARE_TR_FUNCTIONS(ShellWords)

public:
    // None, with the reason, for an unclosed quote or a backslash that ends the line.
    static std::optional<QStringList> split(const QString &line, QString *error);
};
