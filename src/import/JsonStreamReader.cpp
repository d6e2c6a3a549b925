#include "import/JsonStreamReader.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtEndian>

namespace {

// As deep as QJsonDocument nests.
constexpr int maximumDepth = 1024;

bool isBlank(int c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

// A byte of a number, true, false or null (or of a misspelling of them, which building finds).
bool isScalarByte(int c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '+'
        || c == '.';
}

// Scanning eight bytes at a time: most of a document is text between the few bytes that matter.
constexpr quint64 lowBits = 0x0101010101010101ULL;

// Marks with their top bit the bytes of word (its first byte lowest) that equal byte; bytes after a
// marked one may be marked wrongly, so only the first mark counts.
quint64 holds(quint64 word, uchar byte)
{
    const quint64 x = word ^ (lowBits * byte);
    return (x - lowBits) & ~x & (lowBits * 0x80);
}

// Bytes that begin or end a string, an object or an array.
quint64 holdsStructural(quint64 word)
{
    const quint64 folded = word | (lowBits * 0x20); // '[' and ']' fold onto '{' and '}'
    return holds(word, '"') | holds(folded, '{') | holds(folded, '}');
}

quint64 holdsQuoteOrEscape(quint64 word)
{
    return holds(word, '"') | holds(word, '\\');
}

// The first byte from pos on, below size, that marks marks; size when there is none.
int find(const char *data, int pos, int size, quint64 (*marks)(quint64))
{
    for (; pos + 8 <= size; pos += 8) {
        if (const quint64 found = marks(qFromLittleEndian<quint64>(data + pos)))
            return pos + qCountTrailingZeroBits(found) / 8;
    }
    for (; pos < size; ++pos) {
        if (marks(uchar(data[pos])))
            return pos;
    }
    return size;
}

} // namespace

JsonStreamReader::JsonStreamReader(QIODevice &device, int chunkSize)
    : m_device(device)
    , m_chunkSize(chunkSize)
{
}

bool JsonStreamReader::read(const QStringList &keep, const QString &arrayKey, const ElementHandler &element)
{
    m_buffer.clear();
    m_pos = 0;
    m_bufferOffset = 0;
    m_valueStart = -1;
    m_kept = QJsonObject();
    m_foundArray = false;
    m_stopped = false;
    m_error.clear();
    if (!m_device.seek(0)) {
        m_error = QStringLiteral("the file could not be read from its start: %1").arg(m_device.errorString());
        return false;
    }
    if (m_device.peek(3) == "\xef\xbb\xbf")
        m_bufferOffset = m_device.read(3).size();

    int c = nextNonBlank();
    if (c != '{') {
        if (c == -1)
            return damaged(QStringLiteral("no content"), offset());
        m_error = QStringLiteral("not a JSON object at byte %1").arg(offset() - 1);
        return false;
    }
    c = nextNonBlank();
    if (c != '}') {
        for (;;) {
            if (c != '"')
                return unexpected(c, "expected a key in quotes", "unterminated object");
            if (!member(keep, arrayKey, element))
                return false;
            if (m_stopped)
                return true;
            c = nextNonBlank();
            if (c == '}')
                break;
            if (c != ',')
                return unexpected(c, "expected ',' or '}'", "unterminated object");
            c = nextNonBlank();
        }
    }
    c = nextNonBlank();
    if (c != -1)
        return damaged(QStringLiteral("garbage after the end of the object"), offset() - 1);
    return m_error.isEmpty();
}

bool JsonStreamReader::member(const QStringList &keep, const QString &arrayKey, const ElementHandler &element)
{
    m_valueStart = m_pos - 1;
    QJsonValue key;
    if (!skipString() || !build(&key))
        return false;
    const int c = nextNonBlank();
    if (c != ':')
        return unexpected(c, "expected ':'", "unterminated object");
    const QString name = key.toString();
    if (name == arrayKey && peekNonBlank() == '[') {
        next();
        m_foundArray = true;
        return elements(element);
    }
    if (!keep.contains(name))
        return skipValue();
    QJsonValue value;
    if (!takeValue(&value))
        return false;
    m_kept.insert(name, value);
    return true;
}

bool JsonStreamReader::elements(const ElementHandler &element)
{
    int c = peekNonBlank();
    if (c == ']') {
        next();
        return true;
    }
    for (;;) {
        if (c == -1)
            return damaged(QStringLiteral("unterminated array"), offset());
        if (element) {
            QJsonValue value;
            if (!takeValue(&value))
                return false;
            if (!element(value.toObject())) {
                m_stopped = true;
                return true;
            }
        } else if (!skipValue()) {
            return false;
        }
        c = nextNonBlank();
        if (c == ']')
            return true;
        if (c != ',')
            return unexpected(c, "expected ',' or ']'", "unterminated array");
        c = peekNonBlank();
    }
}

bool JsonStreamReader::skipValue()
{
    int c = peekNonBlank();
    if (c == '"') {
        next();
        return skipString();
    }
    if (c != '{' && c != '[') {
        if (!isScalarByte(c))
            return unexpected(next(), "expected a value", "unterminated object");
        while (isScalarByte(c = next())) { }
        if (c != -1)
            --m_pos;
        return true;
    }
    QByteArray closers; // of the brackets still open, innermost last
    for (;;) {
        m_pos = find(m_buffer.constData(), m_pos, m_buffer.size(), holdsStructural);
        switch (c = next()) {
        case -1:
            return damaged(QLatin1String(closers.endsWith('}') ? "unterminated object" : "unterminated array"),
                           offset());
        case '"':
            if (!skipString())
                return false;
            break;
        case '{':
        case '[':
            closers += char(c == '{' ? '}' : ']');
            if (closers.size() > maximumDepth)
                return damaged(QStringLiteral("too deeply nested"), offset() - 1);
            break;
        case '}':
        case ']':
            if (!closers.endsWith(char(c)))
                return damaged(QStringLiteral("mismatched '%1'").arg(QChar(c)), offset() - 1);
            closers.chop(1);
            if (closers.isEmpty())
                return true;
            break;
        }
    }
}

bool JsonStreamReader::skipString()
{
    bool escaped = false; // the chunk ended in a backslash: the first byte of the next is escaped
    do {
        const char *const data = m_buffer.constData();
        const int size = m_buffer.size();
        int pos = m_pos + (escaped ? 1 : 0);
        while (pos < size && (pos = find(data, pos, size, holdsQuoteOrEscape)) < size) {
            if (data[pos] == '"') {
                m_pos = pos + 1;
                return true;
            }
            pos += 2; // the backslash and the byte it escapes
        }
        escaped = pos > size;
        m_pos = size;
    } while (refill());
    return damaged(QStringLiteral("unterminated string"), offset());
}

bool JsonStreamReader::takeValue(QJsonValue *value)
{
    peekNonBlank();
    m_valueStart = m_pos;
    return skipValue() && build(value);
}

bool JsonStreamReader::build(QJsonValue *value)
{
    const char *const bytes = m_buffer.constData() + m_valueStart;
    const int size = m_pos - m_valueStart;
    const qint64 start = m_bufferOffset + m_valueStart;
    m_valueStart = -1;
    // An object, what is built most, is parsed where it lies; anything else in brackets, so that
    // QJsonDocument takes a string or a number too.
    const bool object = bytes[0] == '{';
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(
        object ? QByteArray::fromRawData(bytes, size) : '[' + QByteArray(bytes, size) + ']', &error);
    if (document.isNull())
        return damaged(error.errorString(), start + error.offset - (object ? 0 : 1));
    *value = object ? QJsonValue(document.object()) : document.array().at(0);
    return true;
}

int JsonStreamReader::nextNonBlank()
{
    int c;
    while (isBlank(c = next())) { }
    return c;
}

int JsonStreamReader::peekNonBlank()
{
    const int c = nextNonBlank();
    if (c != -1)
        --m_pos;
    return c;
}

bool JsonStreamReader::refill()
{
    const int done = m_valueStart < 0 ? m_pos : m_valueStart;
    m_buffer.remove(0, done);
    m_bufferOffset += done;
    m_pos -= done;
    if (m_valueStart >= 0)
        m_valueStart = 0;
    const int unread = m_buffer.size();
    m_buffer.resize(unread + m_chunkSize);
    const qint64 read = m_device.read(m_buffer.data() + unread, m_chunkSize);
    m_buffer.resize(unread + int(qMax<qint64>(read, 0)));
    if (read < 0 && m_error.isEmpty())
        m_error = QStringLiteral("the file could not be read: %1").arg(m_device.errorString());
    return read > 0;
}

bool JsonStreamReader::damaged(const QString &what, qint64 at)
{
    // A failed read of the device ends the document early: its reason is the one to give.
    if (m_error.isEmpty())
        m_error = QStringLiteral("not JSON: %1 at byte %2").arg(what).arg(at);
    return false;
}

bool JsonStreamReader::unexpected(int c, const char *expected, const char *unterminated)
{
    return c == -1 ? damaged(QLatin1String(unterminated), offset()) : damaged(QLatin1String(expected), offset() - 1);
}
