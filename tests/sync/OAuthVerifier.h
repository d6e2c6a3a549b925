#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// Checks OAuth 1.0 HMAC-SHA1 signatures the way the service does, written from RFC 5849 alone and
// kept apart from the program's signer so that each checks the other. Two conventions of the
// service differ from the RFC: the signed URL never carries a port, and the two secrets join the
// signing key as they are, without percent-encoding.
namespace OAuthVerifier {

using Parameters = QMap<QByteArray, QByteArray>;

// The decoded parameters of an "OAuth ..." authorization header, "realm" left out. False, with a
// reason, when the header is not one or names a parameter twice.
bool parseHeader(const QByteArray &header, Parameters *parameters, QString *error);

// RFC 5849 section 3.4.1, over the request as received: raw path and query, Host header.
QByteArray baseString(const QByteArray &method, const QByteArray &scheme, const QByteArray &hostHeader,
                      const QByteArray &rawPath, const QByteArray &rawQuery, const Parameters &oauthParameters);

// The Base64 signature that base string and secrets must carry.
QByteArray signature(const QByteArray &baseString, const QByteArray &consumerSecret, const QByteArray &tokenSecret);

// RFC 2104 over SHA-1, built here rather than taken from a library the program uses.
QByteArray hmacSha1(const QByteArray &key, const QByteArray &message);

// RFC 3986 unreserved characters stay, every other byte becomes %XX.
QByteArray encode(const QByteArray &bytes);
// %XX sequences decoded; "+" becomes a blank only in form-encoded text.
QByteArray decode(const QByteArray &bytes, bool form);

} // namespace OAuthVerifier
