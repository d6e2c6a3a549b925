#include "cli/Console.h"

#include "cli/Command.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// Control characters as \n, \t or \xHH; keepLayout spares the line breaks and tabs that lay the text out.
QString visible(const QString &text, bool keepLayout)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const bool layout = c == QLatin1Char('\n') || c == QLatin1Char('\t');
        if (c.category() != QChar::Other_Control || (keepLayout && layout))
            shown += c;
        else if (layout)
            shown += c == QLatin1Char('\n') ? QLatin1String("\\n") : QLatin1String("\\t");
        else
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    }
    return shown;
}

} // namespace

Console::Console()
    : m_outputIsTerminal(::isatty(STDOUT_FILENO) == 1)
{
}

bool Console::write(std::FILE *stream, const QByteArray &bytes)
{
    errno = 0;
    const bool written
        = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) == std::size_t(bytes.size())
        && std::fflush(stream) == 0;
    if (!written && stream == stdout && m_outputErrno == 0)
        m_outputErrno = errno != 0 ? errno : EIO;
    return written;
}

bool Console::outputComplete(QString *reason)
{
    if (m_outputErrno == 0 && std::fflush(stdout) != 0)
        m_outputErrno = errno != 0 ? errno : EIO;
    if (m_outputErrno == 0)
        return true;
    *reason = QString::fromLocal8Bit(std::strerror(m_outputErrno));
    return false;
}

void Console::print(const QString &text)
{
    write(stdout, (m_outputIsTerminal ? visible(text, true) : text).toUtf8());
}

void Console::printBytes(const QByteArray &bytes)
{
    write(stdout, bytes);
}

void Console::printError(const QString &text)
{
    write(stderr, visible(text, true).toUtf8());
}

void Console::error(const QString &text)
{
    write(stderr, (QStringLiteral("tessera-cli: ") + visible(text, false) + QLatin1Char('\n')).toUtf8());
}

int Console::fail(const QString &path, const QString &reason)
{
    error(QStringLiteral("%1: %2").arg(path, reason));
    return ExitFailure;
}
