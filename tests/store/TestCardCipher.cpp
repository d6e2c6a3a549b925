#include "store/CardCipher.h"

#include <QtTest>

namespace {
const QByteArray key = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f");
const QByteArray iv = QByteArray::fromHex("f0e1d2c3b4a5968778695a4b3c2d1e0f");
} // namespace

// Expected values come from RFC 7914, Python's hashlib.pbkdf2_hmac and `openssl enc -aes-128-cbc`.
class TestCardCipher : public QObject
{
    Q_OBJECT

private slots:
    void pbkdf2_data()
    {
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<QByteArray>("salt");
        QTest::addColumn<int>("iterations");
        QTest::addColumn<QByteArray>("expected");
        // clang-format off
        QTest::newRow("rfc 7914, c=1") << QByteArray("password") << QByteArray("salt") << 1 << QByteArray( "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b");
        QTest::newRow("rfc 7914, c=2") << QByteArray("password") << QByteArray("salt") << 2 << QByteArray( "ae4d0c95af6b46d32d0adff928f06dd02a303f8ef3c251dfd6e2d85a95474c43");
        QTest::newRow("c=0 acts as 1") << QByteArray("password") << QByteArray("salt") << 0 << QByteArray( "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b");
        QTest::newRow("c=2048") << QByteArray("password") << QByteArray("salt") << 2048 << QByteArray("70422347e52eb64cc65a0449b9c067a7c0a4c8e10f430f5d467afe5b2d5ea199");
        QTest::newRow("c=4096") << QByteArray("password") << QByteArray("salt") << 4096 << QByteArray("c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a");
        QTest::newRow("long password and salt") << QByteArray("passwordPASSWORDpassword") << QByteArray("saltSALTsaltSALTsaltSALTsaltSALTsalt") << 4096 << QByteArray("348c89dbcbd32b2f32d814b8116e84cf2b17347ebc1800181c4e2a1fb8dd53e1");
        // clang-format on
    }

    void pbkdf2()
    {
        QFETCH(QByteArray, password);
        QFETCH(QByteArray, salt);
        QFETCH(int, iterations);
        QFETCH(QByteArray, expected);
        QCOMPARE(CardCipher::pbkdf2Sha256(password, salt, iterations).toHex(), expected);
    }

    void deriveKey_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("salt");
        QTest::addColumn<QByteArray>("expected");
        // clang-format off
        QTest::newRow("ascii") << "password" << QByteArray("salt") << QByteArray("70422347e52eb64cc65a0449b9c067a7");
        QTest::newRow("snowman") << QString::fromUtf8("correct horse ☃ battery") << key << QByteArray("5f1f5ff9c12f0db6c0810e262c5f50d8");
        QTest::newRow("empty password") << "" << key << QByteArray("c603bb8d46e493747670c9f744999654");
        QTest::newRow("accents, CJK, emoji") << QString::fromUtf8("pässwörd 密码 🔑") << QByteArray::fromHex("00112233445566778899aabbccddeeff") << QByteArray("3dff018a70b87fb7b0670b661b7490df");
        // clang-format on
    }

    void deriveKey()
    {
        QFETCH(QString, password);
        QFETCH(QByteArray, salt);
        QFETCH(QByteArray, expected);
        QCOMPARE(CardCipher::deriveKey(password, salt).toHex(), expected);
    }

    void encrypt_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("expected");
        // clang-format off
        QTest::newRow("empty") << QByteArray() << QByteArray("35760540f6143d6d133c1b9e3ae7cce4");
        QTest::newRow("short") << QByteArray("Mail\t21") << QByteArray("a912b784e21ada5baf800656340646ec");
        QTest::newRow("one block") << QByteArray("0123456789abcdef") << QByteArray("67d1743e6380be3f7662658d80229bfc4806adf9ce925e2441ae1f5c271173d6");
        // clang-format on
    }

    void encrypt()
    {
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, expected);
        const CardCipher cipher(key, iv);
        QCOMPARE(cipher.encrypt(plain).toHex(), expected);
        QCOMPARE(cipher.encrypt(plain).toHex(), expected);
        QCOMPARE(cipher.decrypt(QByteArray::fromHex(expected)), plain);
    }

    void decryptRejectsDamage_data()
    {
        QTest::addColumn<QByteArray>("cipherText");
        const QByteArray good = QByteArray::fromHex("67d1743e6380be3f7662658d80229bfc4806adf9ce925e2441ae1f5c271173d6");
        // clang-format off
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated block") << good.left(31);
        QTest::newRow("one block short") << good.left(16);
        QTest::newRow("padding broken") << QByteArray(good).replace(31, 1, "\x00");
        // clang-format on
    }

    void decryptRejectsDamage()
    {
        QFETCH(QByteArray, cipherText);
        QCOMPARE(CardCipher(key, iv).decrypt(cipherText), QByteArray());
    }

    void wrongKeyNeverGivesThePlaintext()
    {
        const QByteArray plain = "a card text that is long enough to span blocks";
        const QByteArray cipherText = CardCipher(key, iv).encrypt(plain);
        QVERIFY(CardCipher(QByteArray(16, 'x'), iv).decrypt(cipherText) != plain);
    }

    void passwordVerifier()
    {
        QCOMPARE(CardCipher::passwordVerifier(key, "0123456789abcdef", iv).toHex(),
                 QByteArray("fb552e1d544065e8ad00ea87ea4fbf204d7c2ebe161ae001324847489c444351"));
    }

    void passwordAndKeyConstructorsAgree()
    {
        const QByteArray salt = "0123456789abcdef";
        const CardCipher fromPassword(QStringLiteral("secret"), salt, iv);
        const CardCipher fromKey(fromPassword.key(), iv);
        QCOMPARE(fromPassword.key().size(), 16);
        QCOMPARE(fromKey.encrypt("text"), fromPassword.encrypt("text"));
    }
};

QTEST_GUILESS_MAIN(TestCardCipher)
#include "TestCardCipher.moc"
