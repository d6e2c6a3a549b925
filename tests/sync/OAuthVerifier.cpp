#include "OAuthVerifier.h"

#include <QCryptographicHash>
#include <QList>
#include <QPair>

#include <algorithm>

namespace OAuthVerifier {

namespace {
bool isUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
        || c == '_' || c == '~';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray unquote(const QByteArray &value)
{
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        return value.mid(1, value.size() - 2);
    return value;
}
} // namespace

bool parseHeader(const QByteArray &header, Parameters *parameters, QString *error)
{
    parameters->clear();
    if (!header.startsWith("OAuth ")) {
        *error = QStringLiteral("no OAuth authorization header");
        return false;
    }
    for (const QByteArray &piece : header.mid(6).split(',')) {
        const QByteArray item = piece.trimmed();
        const int equals = item.indexOf('=');
        if (equals <= 0) {
            *error = QStringLiteral("malformed parameter '%1'").arg(QString::fromLatin1(item));
            return false;
        }
        const QByteArray name = decode(item.left(equals), false);
        if (name == "realm")
            continue;
        if (parameters->contains(name)) {
            *error = QStringLiteral("parameter %1 given twice").arg(QString::fromLatin1(name));
            return false;
        }
        parameters->insert(name, decode(unquote(item.mid(equals + 1)), false));
    }
    return true;
}

QByteArray baseString(const QByteArray &method, const QByteArray &scheme, const QByteArray &hostHeader,
                      const QByteArray &rawPath, const QByteArray &rawQuery, const Parameters &oauthParameters)
{
    QByteArray host = hostHeader.toLower();
    const int colon = host.lastIndexOf(':');
    if (colon >= 0 && !host.endsWith(']'))
        host.truncate(colon);
    const QByteArray uri = scheme.toLower() + "://" + host + rawPath;

    QList<QPair<QByteArray, QByteArray>> pairs;
    for (const QByteArray &item : rawQuery.split('&')) {
        if (item.isEmpty())
            continue;
        const int equals = item.indexOf('=');
        const QByteArray name = equals < 0 ? item : item.left(equals);
        const QByteArray value = equals < 0 ? QByteArray() : item.mid(equals + 1);
        pairs.append({encode(decode(name, true)), encode(decode(value, true))});
    }
    for (auto it = oauthParameters.cbegin(); it != oauthParameters.cend(); ++it) {
        if (it.key() != "oauth_signature")
            pairs.append({encode(it.key()), encode(it.value())});
    }
    std::sort(pairs.begin(), pairs.end());

    QByteArray normalized;
    for (const auto &pair : qAsConst(pairs))
        normalized += (normalized.isEmpty() ? "" : "&") + pair.first + '=' + pair.second;
    return method.toUpper() + '&' + encode(uri) + '&' + encode(normalized);
}

QByteArray signature(const QByteArray &baseString, const QByteArray &consumerSecret, const QByteArray &tokenSecret)
{
    return hmacSha1(consumerSecret + '&' + tokenSecret, baseString).toBase64();
}

QByteArray hmacSha1(const QByteArray &key, const QByteArray &message)
{
    const int blockSize = 64;
    QByteArray block = key.size() > blockSize ? QCryptographicHash::hash(key, QCryptographicHash::Sha1) : key;
    block.append(QByteArray(blockSize - block.size(), '\0'));
    QByteArray inner(blockSize, '\0');
    QByteArray outer(blockSize, '\0');
    for (int i = 0; i < blockSize; ++i) {
        inner[i] = char(block.at(i) ^ 0x36);
        outer[i] = char(block.at(i) ^ 0x5c);
    }
    const QByteArray innerDigest = QCryptographicHash::hash(inner + message, QCryptographicHash::Sha1);
    return QCryptographicHash::hash(outer + innerDigest, QCryptographicHash::Sha1);
}

QByteArray encode(const QByteArray &bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray encoded;
    for (const char c : bytes) {
        if (isUnreserved(c)) {
            encoded += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            encoded += '%';
            encoded += hex[byte >> 4];
            encoded += hex[byte & 0x0f];
        }
    }
    return encoded;
}

QByteArray decode(const QByteArray &bytes, bool form)
{
    QByteArray decoded;
    for (int i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '%' && i + 2 < bytes.size() && hexValue(bytes.at(i + 1)) >= 0 && hexValue(bytes.at(i + 2)) >= 0) {
            decoded += char(hexValue(bytes.at(i + 1)) * 16 + hexValue(bytes.at(i + 2)));
            i += 2;
        } else {
            decoded += (form && c == '+') ? ' ' : c;
        }
    }
    return decoded;
}

} // namespace OAuthVerifier
