#include "cli/Console.h"

#include "cli/Command.h"

#include <cstdio>

namespace {

void write(std::FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void Console::print(const QString &text)
{
    write(stdout, text.toUtf8());
}

void Console::printBytes(const QByteArray &bytes)
{
    write(stdout, bytes);
}

void Console::printError(const QString &text)
{
    write(stderr, text.toUtf8());
}

void Console::error(const QString &text)
{
    write(stderr, QStringLiteral("tessera-cli: %1\n").arg(text).toUtf8());
}

int Console::fail(const QString &path, const QString &reason)
{
    error(QStringLiteral("%1: %2").arg(path, reason));
    return ExitFailure;
}
