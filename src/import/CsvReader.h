#pragma once

#include <QByteArray>
#include <QStringList>

class QIODevice;

// Reads comma-separated records one at a time as the common exports write them: UTF-8 with or without
// a byte order mark, LF or CRLF line ends, values in double quotes holding commas, doubled quotes and
// line breaks (which come back as LF).
class CsvReader
{
public:
    explicit CsvReader(QIODevice &device);

    // The next record that is not a blank line; false at the end of the file.
    bool next(QStringList &fields);
    // The line the last record began on, counting from 1.
    qint64 line() const { return m_recordLine; }
    // The last record ran to the end of the file inside quotes.
    bool unterminated() const { return m_unterminated; }

private:
    // The next line with its line end, into m_line; its length.
    int readLine();

    QIODevice &m_device;
    QByteArray m_line;
    qint64 m_nextLine = 1;
    qint64 m_recordLine = 0;
    bool m_unterminated = false;
    bool m_first = true;
};
