#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// The two output streams, in UTF-8 whatever the locale. Results go to standard output, where a script
// takes them; prompts, warnings and errors go to standard error, one line each.
class Console
{
public:
    void print(const QString &text);
    void printBytes(const QByteArray &bytes);
    // Text on standard error as it is: a prompt, or help asked for the wrong way.
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

    int m_outputErrno = 0;
};
