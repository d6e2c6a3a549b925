#include "sync/OAuthSigner.h"

#include <QNetworkRequest>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <QtTest>

Q_DECLARE_METATYPE(OAuthSigner::Parameters)

namespace {
const QString appKey = QStringLiteral("k7m2q9x4v1c8b3n");
const QString appSecret = QStringLiteral("p5t0r6w2j9h4d7s");
const QStringList accessToken{QStringLiteral("x4hq7s2kd9fj3lm"), QStringLiteral("0pw8zr5tn1yc6ve")};

} // namespace

// Header vectors were computed with python3-oauthlib 3.2.2 (Client.sign and its signature-base-string
// functions), and the OAuth Core 1.0 and RFC 5849 examples are the published ones. oauthlib signs
// the URL as it goes on the wire, so it was given the path in its encoded form and, since the
// service signs without the port, the URL without one.
class TestOAuthSigner : public QObject
{
    Q_OBJECT

private slots:
    void rfc5849Example()
    {
        // RFC 5849 section 1.2 signs without oauth_version, which this signer always adds to its
        // headers; the base string and signature are checked one level down, with the RFC's parameters.
        const OAuthSigner::Parameters parameters{
            {"oauth_consumer_key", "dpf43f3p2l4k3l03"},
            {"oauth_token", "nnch734d00sl2jdk"},
            {"oauth_signature_method", "HMAC-SHA1"},
            {"oauth_timestamp", "137131202"},
            {"oauth_nonce", "chapoH"},
        };
        const QByteArray expected = "GET&http%3A%2F%2Fphotos.example.net%2Fphotos&file%3Dvacation.jpg"
                                    "%26oauth_consumer_key%3Ddpf43f3p2l4k3l03%26oauth_nonce%3DchapoH"
                                    "%26oauth_signature_method%3DHMAC-SHA1%26oauth_timestamp%3D137131202"
                                    "%26oauth_token%3Dnnch734d00sl2jdk%26size%3Doriginal";
        const QUrl url(QStringLiteral("http://photos.example.net/photos?file=vacation.jpg&size=original"));
        const QByteArray baseString = OAuthSigner::signatureBaseString(QStringLiteral("GET"), url, parameters);
        QCOMPARE(baseString, expected);
        QCOMPARE(OAuthSigner::hmacSha1(QString::fromLatin1(baseString), "kd94hf93k423kf44&pfkkdhi9sl3r4s00"),
                 QStringLiteral("MdpQcU8iPSUjWoN/UDMsK2sui9I="));
    }

    void authorizationHeader_data()
    {
        QTest::addColumn<QStringList>("consumer");
        QTest::addColumn<QStringList>("token"); // empty for none
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("url");
        QTest::addColumn<qint64>("timestamp");
        QTest::addColumn<QString>("nonce");
        QTest::addColumn<QByteArray>("header");
        const QStringList app{appKey, appSecret};

        // OAuth Core 1.0, appendix A.5, which signs with oauth_version as this signer does.
        // clang-format off
        QTest::newRow("oauth core 1.0 example") << QStringList{"dpf43f3p2l4k3l03", "kd94hf93k423kf44"} << QStringList{"nnch734d00sl2jdk", "pfkkdhi9sl3r4s00"} << "GET" << "http://photos.example.net/photos?file=vacation.jpg&size=original" << qint64(1191242096) << "kllo9940pd9333jh" << QByteArray("OAuth oauth_timestamp=\"1191242096\",oauth_nonce=\"kllo9940pd9333jh\"," "oauth_consumer_key=\"dpf43f3p2l4k3l03\",oauth_signature_method=\"HMAC-SHA1\"," "oauth_token=\"nnch734d00sl2jdk\",oauth_version=\"1.0\"," "oauth_signature=\"tR3+Ty81lMeYAr/Fid0kMTYa/WM=\"");
        QTest::newRow("request token, no token") << app << QStringList() << "POST" << "https://api.dropbox.com/1/oauth/request_token" << qint64(1700000000) << "1804289383" << QByteArray("OAuth oauth_timestamp=\"1700000000\",oauth_nonce=\"1804289383\"," "oauth_consumer_key=\"k7m2q9x4v1c8b3n\",oauth_signature_method=\"HMAC-SHA1\"," "oauth_version=\"1.0\",oauth_signature=\"XWshZkcB+dm3/3dDA1Wkc1wA5eM=\"");
        QTest::newRow("access token, signed with the request token") << app << QStringList{"mh7an9dkrg59", "b9q1n5il4lcc"} << "POST" << "https://api.dropbox.com/1/oauth/access_token" << qint64(1700000042) << "846930886" << QByteArray("OAuth oauth_timestamp=\"1700000042\",oauth_nonce=\"846930886\"," "oauth_consumer_key=\"k7m2q9x4v1c8b3n\",oauth_signature_method=\"HMAC-SHA1\"," "oauth_token=\"mh7an9dkrg59\",oauth_version=\"1.0\"," "oauth_signature=\"uSZdu5ZOTBh9ynXGejHtX20oWto=\"");
        QTest::newRow("download") << app << accessToken << "GET" << "https://api-content.dropbox.com/1/files/sandbox/sync_default.tessera" << qint64(1700000100) << "1681692777" << QByteArray( "OAuth oauth_timestamp=\"1700000100\",oauth_nonce=\"1681692777\"," "oauth_consumer_key=\"k7m2q9x4v1c8b3n\",oauth_signature_method=\"HMAC-SHA1\"," "oauth_token=\"x4hq7s2kd9fj3lm\",oauth_version=\"1.0\"," "oauth_signature=\"eZh8FD2YGEZ+uVRY4hR3IJEIFVQ=\"");
        QTest::newRow("upload, overwrite signed but not in the header") << app << accessToken << "PUT" << "https://api-content.dropbox.com/1/files_put/sandbox/sync_default.tessera?overwrite=true" << qint64(1700000101) << "1714636915" << QByteArray("OAuth oauth_timestamp=\"1700000101\",oauth_nonce=\"1714636915\"," "oauth_consumer_key=\"k7m2q9x4v1c8b3n\",oauth_signature_method=\"HMAC-SHA1\"," "oauth_token=\"x4hq7s2kd9fj3lm\",oauth_version=\"1.0\"," "oauth_signature=\"gNcHajl8MLVQrNmAgWsCn/TYK+s=\"");
        QTest::newRow("port removed") << app << accessToken << "GET" << "http://127.0.0.1:8443/1/files/sandbox/sync_default.tessera" << qint64(1700000200) << "1957747793" << QByteArray("OAuth oauth_timestamp=\"1700000200\",oauth_nonce=\"1957747793\"," "oauth_consumer_key=\"k7m2q9x4v1c8b3n\",oauth_signature_method=\"HMAC-SHA1\"," "oauth_token=\"x4hq7s2kd9fj3lm\",oauth_version=\"1.0\"," "oauth_signature=\"R+QIS6N5d0ct19Qqdg1YAfDHRAM=\"");
        QTest::newRow("default port removed") << app << QStringList() << "POST" << "https://api.dropbox.com:443/1/oauth/request_token" << qint64(1700000201) << "424238335" << QByteArray("OAuth oauth_timestamp=\"1700000201\",oauth_nonce=\"424238335\"," "oauth_consumer_key=\"k7m2q9x4v1c8b3n\",oauth_signature_method=\"HMAC-SHA1\"," "oauth_version=\"1.0\",oauth_signature=\"94iZ2j5EItqOeW3im7tDZljd2aY=\"");
        QTest::newRow("blanks and non-ascii in the path, port and query") << app << accessToken << "PUT" << QString::fromUtf8( "http://127.0.0.1:50123/1/files_put/sandbox/My Wallet/Über 密码.tessera?overwrite=true") << qint64(1700000300) << "719885386" << QByteArray("OAuth oauth_timestamp=\"1700000300\",oauth_nonce=\"719885386\"," "oauth_consumer_key=\"k7m2q9x4v1c8b3n\",oauth_signature_method=\"HMAC-SHA1\"," "oauth_token=\"x4hq7s2kd9fj3lm\",oauth_version=\"1.0\"," "oauth_signature=\"evSxQbhFpwqjrOhZwGhRFqB4GWg=\"");
        QTest::newRow("reserved characters in the path") << app << accessToken << "GET" << "https://api-content.dropbox.com/1/files/sandbox/a!b(c)+d=e;f@g,h.tessera" << qint64(1700000400) << "1649760492" << QByteArray("OAuth oauth_timestamp=\"1700000400\",oauth_nonce=\"1649760492\"," "oauth_consumer_key=\"k7m2q9x4v1c8b3n\",oauth_signature_method=\"HMAC-SHA1\"," "oauth_token=\"x4hq7s2kd9fj3lm\",oauth_version=\"1.0\"," "oauth_signature=\"5MbsQEGzfuFc/NsPnDLRPhUg8+Y=\"");
        QTest::newRow("query items sorted among the oauth parameters") << app << accessToken << "GET" << "https://api-content.dropbox.com/1/files/sandbox/x?rev=a%2Fb%20c&locale=en&overwrite=true&z=" << qint64(1700000500) << "596516649" << QByteArray("OAuth oauth_timestamp=\"1700000500\",oauth_nonce=\"596516649\"," "oauth_consumer_key=\"k7m2q9x4v1c8b3n\",oauth_signature_method=\"HMAC-SHA1\"," "oauth_token=\"x4hq7s2kd9fj3lm\",oauth_version=\"1.0\"," "oauth_signature=\"Uj10wkI60x/G1cKRdBm4tRmRsbM=\"");
        QTest::newRow("upper-case host") << app << accessToken << "GET" << "https://API-Content.Dropbox.com/1/files/sandbox/sync_default.tessera" << qint64(1700000600) << "1189641421" << QByteArray("OAuth oauth_timestamp=\"1700000600\",oauth_nonce=\"1189641421\"," "oauth_consumer_key=\"k7m2q9x4v1c8b3n\",oauth_signature_method=\"HMAC-SHA1\"," "oauth_token=\"x4hq7s2kd9fj3lm\",oauth_version=\"1.0\"," "oauth_signature=\"mjWyx6hC9tqafWLc2bnJ5db9t6E=\"");
        // clang-format on
    }

    void authorizationHeader()
    {
        QFETCH(QStringList, consumer);
        QFETCH(QStringList, token);
        QFETCH(QString, method);
        QFETCH(QString, url);
        QFETCH(qint64, timestamp);
        QFETCH(QString, nonce);
        QFETCH(QByteArray, header);

        const OAuthCredential consumerCredential{consumer.at(0), consumer.at(1)};
        const OAuthSigner signer(&consumerCredential);
        const OAuthCredential tokenCredential{token.value(0), token.value(1)};
        QCOMPARE(signer.authorizationHeader(token.isEmpty() ? nullptr : &tokenCredential, method, QUrl(url), timestamp,
                                            nonce),
                 header);
    }

    void signatureBaseString_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QByteArray>("expected");
        // oauthlib's signature_base_string for these parameters and the URL as sent, without its port.
        const QByteArray parameters = "oauth_consumer_key%3Dk7m2q9x4v1c8b3n%26oauth_nonce%3D719885386"
                                      "%26oauth_signature_method%3DHMAC-SHA1%26oauth_timestamp%3D1700000300"
                                      "%26oauth_token%3Dx4hq7s2kd9fj3lm%26oauth_version%3D1.0";
        // clang-format off
        QTest::newRow("blank and non-ascii: encoded twice, port dropped") << QString::fromUtf8( "http://127.0.0.1:50123/1/files_put/sandbox/My Wallet/Über 密码.tessera?overwrite=true") << QByteArray("GET&http%3A%2F%2F127.0.0.1%2F1%2Ffiles_put%2Fsandbox%2FMy%2520Wallet%2F%25C3%259Cber%2520" "%25E5%25AF%2586%25E7%25A0%2581.tessera&") + parameters + "%26overwrite%3Dtrue";
        QTest::newRow("already encoded path reads the same") << "http://127.0.0.1:50123/1/files_put/sandbox/My%20Wallet/%C3%9Cber%20%E5%AF%86%E7%A0%81.tessera" "?overwrite=true" << QByteArray("GET&http%3A%2F%2F127.0.0.1%2F1%2Ffiles_put%2Fsandbox%2FMy%2520Wallet%2F%25C3%259Cber%2520" "%25E5%25AF%2586%25E7%25A0%2581.tessera&") + parameters + "%26overwrite%3Dtrue";
        QTest::newRow("user info and fragment left out") << "https://someone:pw@api-content.dropbox.com/1/files/sandbox/sync_default.tessera#top" << QByteArray("GET&https%3A%2F%2Fapi-content.dropbox.com%2F1%2Ffiles%2Fsandbox%2Fsync_default.tessera&") + parameters;
        // clang-format on
    }

    void signatureBaseString()
    {
        QFETCH(QString, url);
        QFETCH(QByteArray, expected);
        const OAuthSigner::Parameters parameters{
            {"oauth_timestamp", "1700000300"},       {"oauth_nonce", "719885386"},       {"oauth_consumer_key", appKey},
            {"oauth_signature_method", "HMAC-SHA1"}, {"oauth_token", accessToken.at(0)}, {"oauth_version", "1.0"},
        };
        QCOMPARE(OAuthSigner::signatureBaseString(QStringLiteral("GET"), QUrl(url), parameters), expected);
    }

    void encodePath_data()
    {
        QTest::addColumn<QString>("decoded");
        QTest::addColumn<QString>("encoded");
        // clang-format off
        QTest::newRow("plain") << "/sync_default.tessera" << "/sync_default.tessera";
        QTest::newRow("blank and non-ascii") << QString::fromUtf8("/My Wallet/Über.tessera") << "/My%20Wallet/%C3%9Cber.tessera";
        QTest::newRow("reserved characters, unreserved kept") << "/a!b(c)+d=e;f@g,h~i-j_k.l" << "/a%21b%28c%29%2Bd%3De%3Bf%40g%2Ch~i-j_k.l";
        QTest::newRow("percent sign") << "/100%" << "/100%25";
        QTest::newRow("empty pieces kept") << "//a/" << "//a/";
        // clang-format on
    }

    void encodePath()
    {
        QFETCH(QString, decoded);
        QFETCH(QString, encoded);
        QCOMPARE(OAuthSigner::encodePath(decoded), encoded);
    }

    void signRequest_data()
    {
        QTest::addColumn<bool>("withToken");
        // clang-format off
        QTest::newRow("no token") << false;
        QTest::newRow("access token") << true;
        // clang-format on
    }

    void signRequest()
    {
        QFETCH(bool, withToken);
        const OAuthCredential consumer{appKey, appSecret};
        const OAuthCredential token{accessToken.at(0), accessToken.at(1)};
        const OAuthSigner signer(&consumer);
        QNetworkRequest request(QUrl(QStringLiteral("https://api-content.dropbox.com/1/files/sandbox/a b")));

        const qint64 before = QDateTime::currentSecsSinceEpoch();
        signer.signRequest(withToken ? &token : nullptr, QStringLiteral("GET"), request);
        const qint64 after = QDateTime::currentSecsSinceEpoch();

        // The header is the one of the fixed vectors above for the time and nonce it carries.
        const QString header = QString::fromLatin1(request.rawHeader("Authorization"));
        const auto field = [&header](const char *name) {
            return QRegularExpression(QStringLiteral("%1=\"([0-9]+)\"").arg(name)).match(header).captured(1);
        };
        const qint64 timestamp = field("oauth_timestamp").toLongLong();
        QVERIFY2(timestamp >= before && timestamp <= after, qPrintable(header));
        QCOMPARE(header.toLatin1(),
                 signer.authorizationHeader(withToken ? &token : nullptr, QStringLiteral("GET"), request.url(),
                                            timestamp, field("oauth_nonce")));
    }

    // Signers made in the same second must not repeat each other's nonces: the service would take
    // the second request for a replay.
    void noncesDoNotRepeat()
    {
        const OAuthCredential consumer{appKey, appSecret};
        QSet<QByteArray> nonces;
        const QRegularExpression nonce(QStringLiteral("oauth_nonce=\"([0-9]+)\""));
        for (int i = 0; i < 50; ++i) {
            const OAuthSigner first(&consumer);
            const OAuthSigner second(&consumer);
            for (const OAuthSigner *signer : {&first, &second}) {
                QNetworkRequest request(QUrl(QStringLiteral("https://api.dropbox.com/1/oauth/request_token")));
                signer->signRequest(nullptr, QStringLiteral("POST"), request);
                nonces.insert(
                    nonce.match(QString::fromLatin1(request.rawHeader("Authorization"))).captured(1).toLatin1());
            }
        }
        QCOMPARE(nonces.size(), 100);
    }
};

QTEST_GUILESS_MAIN(TestOAuthSigner)
#include "TestOAuthSigner.moc"
