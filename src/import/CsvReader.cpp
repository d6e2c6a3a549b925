#include "import/CsvReader.h"

#include <QIODevice>

CsvReader::CsvReader(QIODevice &device)
    : m_device(device)
{
}

bool CsvReader::next(QStringList &fields)
{
    fields.clear();
    QString value;
    bool quoted = false;
    bool started = false;
    while (!m_device.atEnd()) {
        const int length = readLine();
        const int bom
            = m_first && QByteArray::fromRawData(m_line.constData(), length).startsWith("\xef\xbb\xbf") ? 3 : 0;
        m_first = false;
        if (!started)
            m_recordLine = m_nextLine;
        ++m_nextLine;
        QString text = QString::fromUtf8(m_line.constData() + bom, length - bom);
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(text.endsWith(QLatin1String("\r\n")) ? 2 : 1);
        if (!started && text.isEmpty())
            continue;
        started = true;
        // Whole runs of plain characters at a time: the next quote inside quotes, else the next comma
        // or quote.
        const QString &line = text;
        int i = 0;
        while (i < line.size()) {
            if (quoted) {
                const int quote = line.indexOf(QLatin1Char('"'), i);
                if (quote < 0) {
                    value += line.midRef(i);
                    i = line.size();
                } else if (quote + 1 < line.size() && line.at(quote + 1) == QLatin1Char('"')) {
                    value += line.midRef(i, quote + 1 - i);
                    i = quote + 2;
                } else {
                    value += line.midRef(i, quote - i);
                    quoted = false;
                    i = quote + 1;
                }
                continue;
            }
            int stop = i;
            while (stop < line.size() && line.at(stop) != QLatin1Char(',') && line.at(stop) != QLatin1Char('"'))
                ++stop;
            value += line.midRef(i, stop - i);
            if (stop == line.size())
                break;
            if (line.at(stop) == QLatin1Char('"')) {
                quoted = true;
            } else {
                fields << value;
                value.clear();
            }
            i = stop + 1;
        }
        if (!quoted)
            break;
        value += QLatin1Char('\n');
    }
    m_unterminated = quoted;
    if (quoted)
        value.chop(1);
    if (!started)
        return false;
    fields << value;
    return true;
}

// QIODevice::readLine() without a limit allocates a whole read chunk for every line; this reads into one
// buffer kept from line to line and grown for a longer line.
int CsvReader::readLine()
{
    if (m_line.isEmpty())
        m_line.resize(4096);
    int length = 0;
    for (;;) {
        const qint64 got = m_device.readLine(m_line.data() + length, m_line.size() - length);
        if (got <= 0)
            return length;
        length += int(got);
        if (m_line.at(length - 1) == '\n' || m_device.atEnd())
            return length;
        m_line.resize(m_line.size() * 2);
    }
}
