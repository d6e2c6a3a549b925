#include "HttpRequestReader.h"

QByteArray HttpRequest::header(const QByteArray &name) const
{
    for (const auto &header : headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            return header.second;
    }
    return {};
}

QByteArray HttpRequest::rawPath() const
{
    const int mark = target.indexOf('?');
    return mark < 0 ? target : target.left(mark);
}

QByteArray HttpRequest::rawQuery() const
{
    const int mark = target.indexOf('?');
    return mark < 0 ? QByteArray() : target.mid(mark + 1);
}

bool HttpRequest::wantsClose() const
{
    return header("Connection").toLower() == "close";
}

bool HttpRequestReader::takeRequest(HttpRequest *request)
{
    const int headEnd = m_buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return false;
    HttpRequest parsed;
    const QList<QByteArray> lines = m_buffer.left(headEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    parsed.method = requestLine.value(0);
    parsed.target = requestLine.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines.at(i).indexOf(':');
        parsed.headers.append({lines.at(i).left(colon).trimmed(), lines.at(i).mid(colon + 1).trimmed()});
    }
    const int bodyStart = headEnd + 4;
    const int length = parsed.header("Content-Length").toInt();
    if (m_buffer.size() - bodyStart < length)
        return false;
    parsed.body = m_buffer.mid(bodyStart, length);
    m_buffer.remove(0, bodyStart + length);
    *request = parsed;
    return true;
}
