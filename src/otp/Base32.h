#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The Base32 alphabet of RFC 4648 (A-Z, 2-7), in which sites hand out one-time code secrets.
class Base32
{
public:
    // Letters of either case; blanks anywhere and trailing '=' padding are ignored, as people copy
    // secrets in groups. None when any other character appears.
    static std::optional<QByteArray> decode(const QString &text);
    // Upper case, without padding, as otpauth:// URIs carry it.
    static QString encode(const QByteArray &bytes);
};
