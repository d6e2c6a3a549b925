#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// The two output streams, in UTF-8 whatever the locale. Results go to standard output, where a script
// takes them; prompts, warnings and errors go to standard error, one line each.
//
// Text meant for people shows control characters escaped (\x1b), so that a card title or a file name cannot
// move the cursor, recolour or clear the terminal: always on standard error, and on standard output
// when it is a terminal. Into a pipe or a file, standard output passes them as they are: a script
// reads a value verbatim, and escaping would change a secret.
class Console
{
public:
    Console();

    void print(const QString &text);
    // Bytes on standard output as they are, for data in a format of its own (an export).
    void printBytes(const QByteArray &bytes);
    // Text on standard error, its line breaks kept: a prompt, or help asked for the wrong way.
    void printError(const QString &text);
    // A line "tessera-cli: TEXT" on standard error.
    void error(const QString &text);
    // A line "tessera-cli: PATH: REASON" on standard error; gives the exit code of a failure.
    int fail(const QString &path, const QString &reason);
    // Whether everything printed on standard output reached it (a full disk or a closed pipe would
    // silently cut off a backup otherwise); says why not.
    bool outputComplete(QString *reason);

private:
    bool write(std::FILE *stream, const QByteArray &bytes);

    const bool m_outputIsTerminal;
    int m_outputErrno = 0;
};
