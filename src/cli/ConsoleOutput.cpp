#include "cli/ConsoleOutput.h"

#include "cli/Console.h"

namespace {

constexpr int blockSize = 64 * 1024;

} // namespace

ConsoleOutput::ConsoleOutput(Console &console)
    : m_console(console)
{
    open(QIODevice::WriteOnly);
}

ConsoleOutput::~ConsoleOutput()
{
    flush();
}

void ConsoleOutput::flush()
{
    if (!m_buffer.isEmpty())
        m_console.printBytes(m_buffer);
    m_buffer.clear();
}

qint64 ConsoleOutput::readData(char *, qint64)
{
    return -1;
}

qint64 ConsoleOutput::writeData(const char *data, qint64 size)
{
    m_buffer.append(data, int(size));
    if (m_buffer.size() >= blockSize)
        flush();
    return size;
}
