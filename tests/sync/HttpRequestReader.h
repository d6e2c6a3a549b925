#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// One HTTP/1.1 request as it arrived: nothing is decoded.
struct HttpRequest
{
    QByteArray method;
    QByteArray target; // path and query, as on the request line
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    // The first header of that name (names compare without case); empty when there is none.
    QByteArray header(const QByteArray &name) const;
    QByteArray rawPath() const;
    QByteArray rawQuery() const;
    bool wantsClose() const;
};

// Cuts the bytes Qt's client sends on one connection into requests: request line, headers and a
// Content-Length body (the only body framing that client uses here).
class HttpRequestReader
{
public:
    void append(const QByteArray &bytes) { m_buffer += bytes; }
    // Takes the next complete request; false while it is incomplete.
    bool takeRequest(HttpRequest *request);

private:
    QByteArray m_buffer;
};
