#include "common/SqlPeek.h"
#include "common/TestCards.h"
#include "common/TestFiles.h"
#include "store/CardDb.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

// A wallet written by an independent implementation of the file format must read here exactly as its
// maker describes it, and what this program writes must land in the columns byte for byte.
class TestInterop : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QJsonObject m_expected;
    QString m_password;

    QString freshCopy()
    {
        static int serial = 0;
        const QString path = m_dir.filePath(QStringLiteral("copy%1.tessera").arg(++serial));
        QFile::copy(testData("interop/independent-wallet.tessera"), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

private slots:
    void initTestCase()
    {
        m_expected = QJsonDocument::fromJson(fileBytes(testData("interop/independent-wallet.json"))).object();
        m_password = m_expected.value("password").toString();
        QVERIFY(!m_password.isEmpty());
    }

    void identity()
    {
        const QString path = freshCopy();
        QVERIFY(!CardDb::probe(path, CardDb::EveryPage).isError());
        SqlPeek peek(path);
        QCOMPARE(peek.value("SELECT Sync_UUID FROM Identity").toString(),
                 QString("9b943a87-40a1-416c-82a4-c28a6cb22fd2"));
        QCOMPARE(peek.value("SELECT Hash FROM Identity").toByteArray().toHex(),
                 QByteArray("73a6518fc87f4a3ab649e7683b9812e14f9ffd99015ea9b54334d95a42fccb07"));
        QVERIFY(!CardDb::openOrCreate(path, "correct horse battery"));
    }

    void readsEveryCard()
    {
        const QString path = freshCopy();
        auto store = CardDb::openOrCreate(path, m_password);
        QVERIFY(store);
        const QJsonArray cards = m_expected.value("cards_in_row_order").toArray();
        const QVector<CardListEntry> rows = must(store->cardList(CardDb::AllCards));
        QCOMPARE(rows.size(), cards.size());
        for (int i = 0; i < cards.size(); ++i) {
            const QJsonObject expected = cards[i].toObject();
            const QJsonObject row = expected.value("row").toObject();
            QCOMPARE(rows[i].title, row.value("title").toString());
            QCOMPARE(rows[i].templateType, row.value("type").toString());
            QCOMPARE(rows[i].iconId, row.value("icon").toInt());
            QCOMPARE(rows[i].trashed, row.value("trashed").toInt() != 0);

            bool trashed = false;
            const auto card = store->cardByUuid(row.value("uuid").toString(), &trashed);
            QVERIFY(card);
            QCOMPARE(trashed, rows[i].trashed);
            QCOMPARE(card->uuid(), expected.value("uuid").toString());
            QCOMPARE(card->updateTime().toSecsSinceEpoch(), qint64(expected.value("time").toDouble()));
            QCOMPARE(card->templateType(), expected.value("type").toString());
            QCOMPARE(card->iconId(), expected.value("icon").toInt());
            QCOMPARE(card->title(), expected.value("title").toString());
            QCOMPARE(card->notes(), expected.value("notes").toString());
            const QJsonArray fields = expected.value("fields").toArray();
            QCOMPARE(card->fieldCount(), fields.size());
            for (int f = 0; f < fields.size(); ++f) {
                const QJsonObject field = fields[f].toObject();
                const Field *actual = card->fields().at(f);
                QCOMPARE(actual->uid(), field.value("uid").toInt());
                QCOMPARE(actual->updateTime().toSecsSinceEpoch(), qint64(field.value("time").toDouble()));
                QCOMPARE(actual->label(), field.value("label").toString());
                QCOMPARE(actual->value(), field.value("value").toString());
                QCOMPARE(actual->type(), field.value("type").toInt());
                QCOMPARE(actual->sensitive(), field.value("sensitive").toBool());
            }
            SqlPeek peek(path);
            QCOMPARE(peek.value("SELECT length(Data) FROM Cards WHERE UUID = ?", {card->uuid()}).toInt(),
                     row.value("datalen").toInt());
        }
    }

    // The expected ciphertext was made with `openssl enc -aes-128-cbc` under the key that Python's
    // hashlib derives from the fixture's password and salt.
    void writesTheSameBytes()
    {
        const QString path = freshCopy();
        auto store = CardDb::openOrCreate(path, m_password);
        const QDateTime t = QDateTime::fromSecsSinceEpoch(1400000000);
        Card card("11111111-2222-4333-8444-555555555555", t, "computer.wifi", 35, "Home Wi-Fi", "Router in the hall");
        card.addField(0, t, "SSID", "casa", 0, false);
        card.addField(1, t.addSecs(60), "Password", QString::fromUtf8("p@ss wörd"), 1, true);
        QVERIFY(store->addCard(card));

        SqlPeek peek(path);
        const QVariantList key{card.uuid()};
        QCOMPARE(peek.value("SELECT Data FROM Cards WHERE UUID = ?", key).toByteArray().toHex(),
                 QByteArray("a741d3417bff6f17f5e647cbc420a2576cdfa26778b6ad793874f3da0a1baf59f342c071aae8154742b2af"
                            "461f6898ddfab2f3d1bec2e327d339b0beb40ba9065ee72b2e252126e5943d6324735bf34411e69b583661"
                            "d62eec0f9e782cd60d3a63ecc3be0e41b65be063960a75b5e492ab4d5ed49cff693fef73a57479fe3f1a23"
                            "63232220fb6678318685297953d39cbbcfcd8bcb070f2b994e0878b49b9c6be4caf075fcfd51c5cf21e8d0"
                            "19ee58af"));
        const QString columns = "Title||'|'||Type||'|'||IconID||'|'||UpdateTime||'|'||typeof(UpdateTime)||'|'||Trashed";
        QCOMPARE(peek.value("SELECT " + columns + " FROM Cards WHERE UUID = ?", key).toString(),
                 QString("Home Wi-Fi|computer.wifi|35|1400000000|integer|0"));
    }

    // A version-3 wallet built here byte for byte from the documented layout. The wrapping keys were
    // computed with the reference Argon2 command line tool (argon2 SALT -id -t 1 -k 8 -p 1 -l 32), the
    // seals with an XChaCha20-Poly1305 of Python's cryptography package and a hand-written HChaCha20,
    // checked against the test vector of the XChaCha20 draft.
    void readsAnIndependentHardenedWallet_data()
    {
        QTest::addColumn<QByteArray>("keyFile");
        QTest::addColumn<QByteArray>("sealedMasterKey");
        QTest::newRow("password") << QByteArray()
                                  << QByteArray::fromHex("0b39fe33093bd6c0c03ef4ca27ee48707f8cb3ab815fadc25ae11d2ad0326cd7"
                                                         "9db90a7f9a5821d0e755bed2f7dff40f");
        QTest::newRow("password and key file")
            << QByteArray("key file bytes\n\0\xff", 17)
            << QByteArray::fromHex("c28b50769090cf620b63468d432ba18ec0f8c1e50176bdb930c8bf0fd899a098"
                                   "3b1132c77805bab500aefe3b62bc4e43");
    }

    void readsAnIndependentHardenedWallet()
    {
        QFETCH(QByteArray, keyFile);
        QFETCH(QByteArray, sealedMasterKey);
        const QString path = m_dir.filePath(QStringLiteral("v3-%1.tessera").arg(keyFile.size()));
        const QByteArray info = QByteArray("TSW3\x01", 5) + char(keyFile.isEmpty() ? 0 : 1) + QByteArray(2, 0)
            + QByteArray::fromHex("0100000008000000") + "tessera-salt-016"
            + QByteArray::fromHex("a0a1a2a3a4a5a6a7a8a9aaabacadaeafb0b1b2b3b4b5b6b7") + sealedMasterKey;
        const QByteArray blob = QByteArray::fromHex(
            "c0c1c2c3c4c5c6c7c8c9cacbcccdcecfd0d1d2d3d4d5d6d7c5fdbbb2aa70a5f6c8fbbec1364519d39568666aed8d8b4e6b76abce"
            "5903c4defd15a22ccb312caa8c94b4102c732cf5192973a74c7ba8b178fe3acde8dfc64451595ada51b0613e692a7cb0059b3370"
            "0464d8d138929352801985430aa0459d3c6535740d4650ee89560f82304ccd0bcce8f25432ecfd78a07e0dcd52cc74e491bb");
        {
            SqlPeek peek(path);
            QVERIFY(peek.exec("CREATE TABLE Identity (ID INTEGER PRIMARY KEY AUTOINCREMENT CHECK(ID==1), Version "
                              "INTEGER, Signature TEXT, Sync_UUID TEXT, Hash BLOB, Info BLOB)"));
            QVERIFY(peek.exec("CREATE TABLE Cards (ID INTEGER PRIMARY KEY AUTOINCREMENT,Title TEXT, Type TEXT, IconID "
                              "INTEGER, UpdateTime INTEGER, UUID TEXT UNIQUE NOT NULL, Data BLOB, Trashed INTEGER)"));
            QVERIFY(peek.exec("INSERT INTO Identity VALUES (1, 3, 'TesseraDb', '9b943a87-40a1-416c-82a4-c28a6cb22fd2', "
                              "?, ?)",
                              {QCryptographicHash::hash(info, QCryptographicHash::Sha256), info}));
            QVERIFY(peek.exec("INSERT INTO Cards VALUES (1, '', '', 0, 1330000100, "
                              "'5c1a6f0e-8d6b-4c7e-9a51-3f2b7d9e0c41', ?, 0)",
                              {blob}));
        }
        WalletError error;
        QVERIFY(!CardDb::open(path, {"correct ☃", keyFile.isEmpty() ? "other" : QByteArray()}, &error));
        QCOMPARE(error.message(), QString("wrong password or key file"));
        auto store = CardDb::open(path, {"correct ☃", keyFile});
        QVERIFY(store);
        QCOMPARE(must(store->cardList()).first().title, QString("Mail"));
        const auto card = store->card(1);
        QVERIFY(card);
        QCOMPARE(card->notes(), QString("Notes ☃"));
        QCOMPARE(card->fields().first()->value(), QString("alice"));
        WalletInfo described;
        QVERIFY(!CardDb::info(path, &described).isError());
        QCOMPARE(QStringList({QString::number(described.format), described.kdf, QString::number(described.iterations),
                              QString::number(described.keyFileRequired), QString::number(described.cards)}),
                 QStringList({"3", "argon2id", "1", QString::number(!keyFile.isEmpty()), "1"}));
    }

    // What the store writes in version 3: the documented Info layout, Hash its digest, and no trace of
    // the card in the clear columns.
    void writesTheHardenedLayout()
    {
        const QString path = m_dir.filePath("written-v3.tessera");
        auto store = CardDb::create(path, {"pw", "key"}, {NewWalletOptions::Hardened, {2, 16}});
        auto card = makeCard("11111111-2222-4333-8444-555555555555", "Mail", {"alice"});
        QVERIFY(store->addCard(*card));
        SqlPeek peek(path);
        const QByteArray info = peek.value("SELECT Info FROM Identity").toByteArray();
        QCOMPARE(info.size(), 104);
        QCOMPARE(info.left(16).toHex(), QByteArray("5453573301010000" "0200000010000000"));
        QCOMPARE(peek.value("SELECT Hash FROM Identity").toByteArray(),
                 QCryptographicHash::hash(info, QCryptographicHash::Sha256));
        QCOMPARE(peek.value("SELECT Version||'|'||Title||'|'||Type||'|'||IconID||'|'||length(Data) FROM Identity, "
                            "Cards")
                     .toString(),
                 QString("3|||0|%1").arg(24 + card->toData().size() + 16));
    }

    void survivesAChangeOfPassword()
    {
        const QString path = freshCopy();
        const auto texts = [](CardDb &store) {
            QStringList texts;
            for (const QString &uuid : must(store.allUuids()))
                texts << QString::fromUtf8(store.cardByUuid(uuid, nullptr)->toData());
            return texts;
        };
        auto store = CardDb::openOrCreate(path, m_password);
        const QStringList before = texts(*store);
        QVERIFY(store->changePassword(m_password, "another"));
        store.reset();
        QCOMPARE(texts(*CardDb::open(path, "another")), before);
        QCOMPARE(SqlPeek(path).value("SELECT Sync_UUID FROM Identity").toString(),
                 QString("9b943a87-40a1-416c-82a4-c28a6cb22fd2"));
    }
};

QTEST_GUILESS_MAIN(TestInterop)
#include "TestInterop.moc"
