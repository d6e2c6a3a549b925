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
        QByteArray bytes = m_device.readLine();
        if (m_first && bytes.startsWith("\xef\xbb\xbf"))
            bytes.remove(0, 3);
        m_first = false;
        if (!started)
            m_recordLine = m_nextLine;
        ++m_nextLine;
        QString text = QString::fromUtf8(bytes);
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(text.endsWith(QLatin1String("\r\n")) ? 2 : 1);
        if (!started && text.isEmpty())
            continue;
        started = true;
        const int size = text.size();
        for (int i = 0; i < size; ++i) {
            const QChar c = text.at(i);
            if (quoted) {
                if (c != QLatin1Char('"'))
                    value += c;
                else if (i + 1 < size && text.at(i + 1) == QLatin1Char('"'))
                    value += text.at(++i);
                else
                    quoted = false;
            } else if (c == QLatin1Char('"')) {
                quoted = true;
            } else if (c == QLatin1Char(',')) {
                fields << value;
                value.clear();
            } else {
                value += c;
            }
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
