#include "common/SqlPeek.h"
#include "common/TestFiles.h"
#include "store/CardDb.h"

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
