#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

#include <functional>

class QIODevice;

// Reads a JSON document whose top level is an object without holding all of it: the device is read
// in chunks, the top-level members are taken by key, and the elements of one top-level array are
// handed over one at a time, so that memory stays small however long that array is. A value nobody
// asked for is stepped over unbuilt, its strings and brackets checked but nothing else.
class JsonStreamReader
{
public:
    // Takes one element of the array; false ends the read there, which is no failure.
    using ElementHandler = std::function<bool(const QJsonObject &element)>;

    explicit JsonStreamReader(QIODevice &device, int chunkSize = 64 * 1024);

    // Reads the device from its start. The values under the keys in keep are built (see kept()); each
    // element of the array under arrayKey goes to element, in file order, an element that is not an
    // object as an empty one; without a handler the elements are stepped over. False when the
    // document is damaged or its top level is no object; errorString() says what, at which byte.
    bool read(const QStringList &keep, const QString &arrayKey, const ElementHandler &element = {});

    // The kept members found so far by the read under way, or by the last one.
    QJsonObject kept() const { return m_kept; }
    // Whether the last read found an array under arrayKey.
    bool foundArray() const { return m_foundArray; }
    QString errorString() const { return m_error; }

private:
    // Reads one member of the top-level object, whose key's opening quote was read.
    bool member(const QStringList &keep, const QString &arrayKey, const ElementHandler &element);
    // Reads the elements of an array whose opening bracket was read, through its closing bracket.
    bool elements(const ElementHandler &element);
    // Steps over the value that starts at the next byte that is not blank.
    bool skipValue();
    // Steps over the rest of a string whose opening quote was read.
    bool skipString();
    bool takeValue(QJsonValue *value);
    // Builds the value whose bytes were read since m_valueStart.
    bool build(QJsonValue *value);

    // The next byte, or -1 at the end of the device (or where it failed, which m_error then tells).
    int next()
    {
        if (m_pos == m_buffer.size() && !refill())
            return -1;
        return uchar(m_buffer.constData()[m_pos++]);
    }
    int nextNonBlank();
    // The next byte that is not blank, left unread.
    int peekNonBlank();
    // Reads another chunk after the unread bytes; false when the device has no more.
    bool refill();
    qint64 offset() const { return m_bufferOffset + m_pos; }
    bool damaged(const QString &what, qint64 at);
    // Damage where byte c (just read, or -1 for the end) is not what the document needs there.
    bool unexpected(int c, const char *expected, const char *unterminated);

    QIODevice &m_device;
    const int m_chunkSize;
    QByteArray m_buffer;
    int m_pos = 0;
    // The byte of the device that m_buffer begins with.
    qint64 m_bufferOffset = 0;
    // Where in m_buffer the value being built begins; the bytes from there on are kept until it ends.
    int m_valueStart = -1;
    QJsonObject m_kept;
    bool m_foundArray = false;
    // The element handler asked for no more.
    bool m_stopped = false;
    QString m_error;
};
