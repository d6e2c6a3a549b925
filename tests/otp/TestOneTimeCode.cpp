#include "otp/Base32.h"
#include "otp/OneTimeCode.h"
#include "otp/TotpSetup.h"

#include <QtTest>

namespace {

// The keys of RFC 6238 Appendix B: the ASCII digits repeated to the length of each hash.
QByteArray rfcKey(int length)
{
    return QByteArray("1234567890").repeated(7).left(length);
}

// What a parsed URI holds, or the reason it was refused.
QString summary(const std::optional<TotpSetup> &setup, const QString &error)
{
    if (!setup)
        return error;
    return QStringList{setup->issuer,
                       setup->account,
                       TotpSetup::algorithmName(setup->algorithm),
                       QString::number(setup->digits),
                       QString::number(setup->period),
                       Base32::encode(setup->key)}
        .join('|');
}

} // namespace

class TestOneTimeCode : public QObject
{
    Q_OBJECT

private slots:
    void base32_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("canonical");
        // clang-format off
        QTest::newRow("empty") << "" << QByteArray("") << true;
        QTest::newRow("f") << "MY======" << QByteArray("f") << true;
        QTest::newRow("fo") << "MZXQ====" << QByteArray("fo") << true;
        QTest::newRow("foo") << "MZXW6===" << QByteArray("foo") << true;
        QTest::newRow("foob") << "MZXW6YQ=" << QByteArray("foob") << true;
        QTest::newRow("fooba") << "MZXW6YTB" << QByteArray("fooba") << true;
        QTest::newRow("foobar") << "MZXW6YTBOI======" << QByteArray("foobar") << true;
        QTest::newRow("lower case, blanks, no padding") << " mzxw 6ytb\toi " << QByteArray("foobar") << false;
        QTest::newRow("digit outside the alphabet") << "MZXW1YTB" << QByteArray() << false;
        QTest::newRow("padding inside") << "MY==MZXQ" << QByteArray() << false;
        // clang-format on
    }

    void base32()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, canonical);
        const std::optional<QByteArray> decoded = Base32::decode(text);
        QCOMPARE(decoded.has_value(), !bytes.isNull());
        if (decoded)
            QCOMPARE(*decoded, bytes);
        // Canonical texts come back from encoding without their padding.
        if (canonical)
            QCOMPARE(Base32::encode(bytes), QString(text).remove('='));
    }

    // RFC 4226 Appendix D.
    void hotp_data()
    {
        QTest::addColumn<quint64>("counter");
        QTest::addColumn<QString>("code");
        const char *codes[]
            = {"755224", "287082", "359152", "969429", "338314", "254676", "287922", "162583", "399871", "520489"};
        for (quint64 counter = 0; counter < 10; ++counter)
            QTest::addRow("%llu", counter) << counter << codes[counter];
    }

    void hotp()
    {
        QFETCH(quint64, counter);
        QFETCH(QString, code);
        QCOMPARE(OneTimeCode::hotp(rfcKey(20), counter, 6), code);
    }

    // RFC 6238 Appendix B: each time with its SHA1, SHA256 and SHA512 codes.
    void totp_data()
    {
        QTest::addColumn<qint64>("time");
        QTest::addColumn<QStringList>("codes");
        // clang-format off
        QTest::newRow("59") << qint64(59) << QStringList{"94287082", "46119246", "90693936"};
        QTest::newRow("1111111109") << qint64(1111111109) << QStringList{"07081804", "68084774", "25091201"};
        QTest::newRow("1111111111") << qint64(1111111111) << QStringList{"14050471", "67062674", "99943326"};
        QTest::newRow("1234567890") << qint64(1234567890) << QStringList{"89005924", "91819424", "93441116"};
        QTest::newRow("2000000000") << qint64(2000000000) << QStringList{"69279037", "90698825", "38618901"};
        QTest::newRow("20000000000") << qint64(20000000000) << QStringList{"65353130", "77737706", "47863826"};
        // clang-format on
    }

    void totp()
    {
        QFETCH(qint64, time);
        QFETCH(QStringList, codes);
        const std::pair<QCryptographicHash::Algorithm, int> hashes[]
            = {{QCryptographicHash::Sha1, 20}, {QCryptographicHash::Sha256, 32}, {QCryptographicHash::Sha512, 64}};
        for (int i = 0; i < 3; ++i) {
            TotpSetup setup;
            setup.algorithm = hashes[i].first;
            setup.key = rfcKey(hashes[i].second);
            setup.digits = 8;
            QCOMPARE(setup.codeAt(time), codes.at(i));
            QCOMPARE(setup.secondsLeftAt(time), 30 - int(time % 30));
        }
        // A 60-second period counts the same steps at half the pace: step time/30 is reached at time*2.
        TotpSetup slow;
        slow.algorithm = QCryptographicHash::Sha512;
        slow.key = rfcKey(64);
        slow.digits = 8;
        slow.period = 60;
        QCOMPARE(slow.codeAt(time * 2), codes.at(2));
        QCOMPARE(slow.secondsLeftAt(time * 2), 60 - int(time * 2 % 60));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("uri");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("defaults") << "otpauth://totp/alice?secret=JBSWY3DPEHPK3PXP" << "|alice|SHA1|6|30|JBSWY3DPEHPK3PXP";
        QTest::newRow("issuer, percent-encoding") << "otpauth://totp/ACME%20Co:john.doe%40email.com?secret=HXDMVJECJJWSRB3HWIZR4IFUGFTMXBOZ&issuer=ACME%20Co&algorithm=SHA256&digits=8&period=60" << "ACME Co|john.doe@email.com|SHA256|8|60|HXDMVJECJJWSRB3HWIZR4IFUGFTMXBOZ";
        QTest::newRow("issuer only in the label") << "otpauth://totp/Example:%20alice?secret=jbswy3dpehpk3pxp&algorithm=sha512&digits=7" << "Example|alice|SHA512|7|30|JBSWY3DPEHPK3PXP";
        QTest::newRow("bad secret") << "otpauth://totp/alice?secret=JBSWY3DPEHPK3PX1" << "The secret key is not Base32: it may hold only the letters A to Z and the digits 2 to 7.";
        QTest::newRow("no secret") << "otpauth://totp/alice?issuer=Example" << "There is no secret key.";
        QTest::newRow("unknown algorithm") << "otpauth://totp/alice?secret=JBSWY3DPEHPK3PXP&algorithm=MD5" << "Unknown algorithm \"MD5\": it must be SHA1, SHA256 or SHA512.";
        QTest::newRow("period 0") << "otpauth://totp/alice?secret=JBSWY3DPEHPK3PXP&period=0" << "The period must be a whole number of seconds, at least 1.";
        QTest::newRow("9 digits") << "otpauth://totp/alice?secret=JBSWY3DPEHPK3PXP&digits=9" << "A code has 6, 7 or 8 digits.";
        QTest::newRow("counter-based") << "otpauth://hotp/alice?secret=JBSWY3DPEHPK3PXP&counter=1" << "This is not an otpauth://totp/ link.";
        // clang-format on
    }

    void parse()
    {
        QFETCH(QString, uri);
        QFETCH(QString, expected);
        QString error;
        const std::optional<TotpSetup> setup = TotpSetup::parse(uri, &error);
        QCOMPARE(summary(setup, error), expected);
        if (setup)
            QCOMPARE(summary(TotpSetup::parse(setup->toUri()), QString()), expected);
    }
};

QTEST_GUILESS_MAIN(TestOneTimeCode)
#include "TestOneTimeCode.moc"
