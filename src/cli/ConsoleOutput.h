#pragma once

#include <QByteArray>
#include <QIODevice>

class Console;

// Standard output as a device for the exports, in blocks: the console flushes every write, and an
// export makes many small ones. Write errors are the console's to report.
class ConsoleOutput : public QIODevice
{
public:
    explicit ConsoleOutput(Console &console);
    ~ConsoleOutput() override;

    // Hands what is buffered to the console.
    void flush();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    Console &m_console;
    QByteArray m_buffer;
};
