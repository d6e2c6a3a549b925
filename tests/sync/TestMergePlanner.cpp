#include "common/SqlPeek.h"
#include "common/TestCards.h"
#include "common/TestFiles.h"
#include "store/CardDb.h"
#include "sync/WalletMerge.h"

#include <QTemporaryDir>
#include <QtTest>

class TestMergePlanner : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;
    QDateTime m_start;

    // Cards as "uuid|title|values|seconds after t0|notes", ';' between them, "~uuid" in the trash, "!uuid"
    // deleted for ever; then others.
    QString wallet(const QString &name, const QString &password, const QString &spec,
                   const std::vector<Card *> &others = {})
    {
        QFETCH_GLOBAL(bool, hardenedDevices);
        const QString path = m_dir.filePath(QStringLiteral("%1-%2.tessera").arg(name).arg(++m_serial));
        auto store = hardenedDevices && name != "cloud" ? CardDb::create(path, {password, {}}, cheapHardened)
                                                        : CardDb::openOrCreate(path, password);
        bool purge = false;
        for (QString card : spec.split(';', Qt::SkipEmptyParts)) {
            purge = purge || card.startsWith('!');
            const bool trashed = card.startsWith('~') || card.startsWith('!');
            const QStringList part = card.mid(trashed ? 1 : 0).split('|');
            auto login = makeCard(part.at(0), part.at(1), part.at(2).split(','), t0.addSecs(part.value(3).toInt()),
                                  part.value(4));
            // "value^100" is a value changed 100 seconds after t0.
            for (Field *field : login->fields()) {
                const QString changed = field->value().section('^', 1);
                field->setValue(field->value().section('^', 0, 0));
                if (!changed.isEmpty())
                    field->setUpdateTime(t0.addSecs(changed.toInt()));
            }
            store->addCard(*login);
            if (trashed)
                store->trashCard(store->cardIdForUuid(part.at(0)));
        }
        for (Card *card : others)
            store->addCard(*card);
        if (purge)
            store->purgeTrashed();
        return path;
    }

    // Each card in row order as "uuid state text card-time row-time", the times counted in seconds from t0 or
    // "now" when stamped during the test. Copies are compared sorted, without the row times each file keeps.
    QStringList rows(const QString &path, const QString &password, bool asCopy = false) const
    {
        QStringList result;
        const auto time = [this](const QDateTime &t) { return t >= m_start ? "now" : QString::number(t0.secsTo(t)); };
        for (const StoredCard &row : must(CardDb::openOrCreate(path, password)->allCards())) {
            QStringList text{row.card->title(), row.card->notes(), QString::number(row.card->iconId())};
            for (const Field *field : row.card->fields())
                text << field->value();
            result << QStringList{row.uuid, row.trashed ? "trashed" : "live", text.join('|'),
                                  time(row.card->updateTime()), asCopy ? QString() : time(row.rowTime)}
                          .join(' ');
        }
        if (asCopy)
            result.sort();
        return result;
    }

    // One sync as the command line runs it: both files take the merge.
    bool sync(const QString &local, const QString &localPassword, const QString &cloud, const QString &cloudPassword,
              const QString &newCloudPassword = QString())
    {
        auto store = CardDb::open(local, localPassword);
        bool created = false;
        auto other = WalletMerge::openOther(cloud, cloudPassword, newCloudPassword, &created);
        return store && other && WalletMerge::merge(*store, *other, WalletMerge::BothCopies)
            && (cloudPassword.isEmpty() || newCloudPassword.isEmpty()
                || other->changePassword(cloudPassword, newCloudPassword));
    }

private slots:
    // Every merge once between copies of version 2, and once between devices of version 3 and a cloud
    // copy of version 2: card by card, each file keeping its format.
    void initTestCase_data()
    {
        QTest::addColumn<bool>("hardenedDevices");
        QTest::newRow("version 2") << false;
        QTest::newRow("version 3 and 2") << true;
    }

    void init() { m_start = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch()); }

    void firstSync()
    {
        const QString local = wallet("local", "lpw", "a|Alpha|u,p;~b|Beta|v,q");
        const QString cloud = m_dir.filePath(QStringLiteral("cloud-first-%1.tessera").arg(++m_serial));
        const QStringList before = rows(local, "lpw");
        QCOMPARE(before, (QStringList{"a live Alpha||21|u|p 0 0", "b trashed Beta||21|v|q 0 now"}));
        QVERIFY(sync(local, "lpw", cloud, QString(), "cloud pw"));
        QVERIFY(!CardDb::open(cloud, "lpw"));
        QCOMPARE(rows(local, "lpw"), before);
        QCOMPARE(rows(cloud, "cloud pw", true), rows(local, "lpw", true));
        QVERIFY(SqlPeek(cloud).value("SELECT Info FROM Identity") != SqlPeek(local).value("SELECT Info FROM Identity"));
    }

    // Both sides' cards; then the copy's rows in order after the merge, the local uuids in order and the deletions
    // both files record. A card deleted for ever on one side never comes back live: where the other copy has it
    // live it returns to the trash on both sides (and the deletion is forgotten, so the next merge keeps it
    // there), where the other copy has it in the trash it goes from both and both record the deletion.
    void mergesCards_data()
    {
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("cloud");
        QTest::addColumn<bool>("sameRowTimes");
        QTest::addColumn<QStringList>("merged");
        QTest::addColumn<QStringList>("localOrder");
        QTest::addColumn<int>("purged");
        // clang-format off
        QTest::newRow("same card edited on both sides") << "c|Mail (local)|alice,local password^100,a@x,x.example|100|local notes" << "c|Mail|alice,old,a@x,cloud.example^200|0|cloud notes" << false << QStringList{"c live Mail (local)|local notes|21|alice|local password|a@x|cloud.example 100 101"} << QStringList{"c"} << 0;
        QTest::newRow("imported login without an e-mail field") << "cat|Forum|carol,,," << "imp|Forum|carol,pw,-,forum.example" << false << QStringList{"imp live Forum||21|carol|pw|forum.example 0 0"} << QStringList{"imp"} << 0;
        QTest::newRow("trashed locally later") << "~d|Doomed|u" << "d|Doomed|u" << false << QStringList{"d trashed Doomed||21|u 0 now"} << QStringList{"d"} << 0;
        QTest::newRow("equal row times follow the cloud") << "~e|Equal|u" << "e|Equal|u" << true << QStringList{"e live Equal||21|u 0 170000000"} << QStringList{"e"} << 0;
        QTest::newRow("pairs by content") << "local-id|Bank|carol,,c@x|0|notes here" << "cloud-id|Bank|carol,pin,|5" << false << QStringList{"cloud-id live Bank|notes here|21|carol|pin|c@x now now"} << QStringList{"cloud-id"} << 0;
        QTest::newRow("content pair with nothing to fill") << "l|Bank|carol|50" << "c|Bank|carol|0|cloud notes" << false << QStringList{"c live Bank|cloud notes|21|carol 0 0"} << QStringList{"c"} << 0;
        QTest::newRow("trashed and live never pair") << "~l|Same|u" << "c|Same|u" << false << QStringList{"c live Same||21|u 0 0", "l trashed Same||21|u 0 now"} << QStringList{"l", "c"} << 0;
        QTest::newRow("two local cards like one cloud card") << "first|Twin|u;second|Twin|u,p" << "cloud|Twin|u," << false << QStringList{"cloud live Twin||21|u|p now now", "first live Twin||21|u 0 0"} << QStringList{"first", "cloud"} << 0;
        QTest::newRow("rows stay, new cards last") << "common|Common|u;local-only|Mine|m;pair-l|Pair|p" << "cloud-only|Theirs|t;pair-c|Pair|;common|Common|u" << false << QStringList{"cloud-only live Theirs||21|t 0 0", "pair-c live Pair||21|p now now", "common live Common||21|u 0 0", "local-only live Mine||21|m 0 0"} << QStringList{"common", "local-only", "pair-c", "cloud-only"} << 0;
        QTest::newRow("local purge, cloud live") << "k|Keep|u;!p|Purged|v" << "k|Keep|u;p|Purged|v" << false << QStringList{"k live Keep||21|u 0 0", "p trashed Purged||21|v 0 now"} << QStringList{"k", "p"} << 0;
        QTest::newRow("local purge, cloud trashed") << "k|Keep|u;!p|Purged|v" << "k|Keep|u;~p|Purged|v" << false << QStringList{"k live Keep||21|u 0 0"} << QStringList{"k"} << 1;
        QTest::newRow("cloud purge, local live") << "k|Keep|u;p|Purged|v" << "k|Keep|u;!p|Purged|v" << false << QStringList{"k live Keep||21|u 0 0", "p trashed Purged||21|v 0 now"} << QStringList{"k", "p"} << 0;
        QTest::newRow("cloud purge, local trashed") << "k|Keep|u;~p|Purged|v" << "k|Keep|u;!p|Purged|v" << false << QStringList{"k live Keep||21|u 0 0"} << QStringList{"k"} << 1;
        QTest::newRow("purge of a card the cloud never had") << "k|Keep|u;!p|Purged|v" << "k|Keep|u" << false << QStringList{"k live Keep||21|u 0 0"} << QStringList{"k"} << 1;
        QTest::newRow("same field, same second: higher text wins") << "c|Mail|alice,bbb" << "c|Mail|alice,aaa" << false << QStringList{"c live Mail||21|alice|bbb 0 0"} << QStringList{"c"} << 0;
        // clang-format on
    }

    void mergesCards()
    {
        QFETCH(QString, local);
        QFETCH(QString, cloud);
        QFETCH(bool, sameRowTimes);
        QFETCH(QStringList, merged);
        QFETCH(QStringList, localOrder);
        QFETCH(int, purged);
        const QString localPath = wallet("local", "pw", local);
        const QString cloudPath = wallet("cloud", "cpw", cloud);
        for (const auto &[path, password] : {std::pair{localPath, "pw"}, {cloudPath, "cpw"}}) {
            auto store = CardDb::open(path, password);
            for (const CardHead &row : must(store->cardHeads(CardDb::EncryptedText)))
                QVERIFY(!sameRowTimes || store->setTrashed(row.id, row.trashed, t0.addSecs(170000000)));
        }
        for (int round = 0; round < 2; ++round) {
            QVERIFY(sync(localPath, "pw", cloudPath, "cpw"));
            QCOMPARE(rows(cloudPath, "cpw"), merged);
            QStringList uuids;
            for (const QString &row : rows(localPath, "pw"))
                uuids << row.section(' ', 0, 0);
            QCOMPARE(uuids, localOrder);
            QCOMPARE(rows(localPath, "pw", true), rows(cloudPath, "cpw", true));
            for (const QString &path : {localPath, cloudPath})
                QCOMPARE(SqlPeek(path).value("SELECT COUNT(*) FROM Purged").toInt(), purged);
            QFETCH_GLOBAL(bool, hardenedDevices);
            QCOMPARE(SqlPeek(localPath).value("SELECT Version FROM Identity").toInt(), hardenedDevices ? 3 : 2);
        }
    }

    void threeDevicesConverge()
    {
        const QString cloud = m_dir.filePath(QStringLiteral("cloud-three-%1.tessera").arg(++m_serial));
        const QString a = wallet("a", "a", "shared|Shared|u,p;a1|From A|a");
        const QString b = wallet("b", "b", "b1|From B|b");
        const QString c = wallet("c", "c", "c1|From C|c;c2|Shared|u,");
        QVERIFY(sync(a, "a", cloud, QString(), "cloud"));
        QVERIFY(sync(b, "b", cloud, "cloud"));
        {
            auto store = CardDb::openOrCreate(b, "b");
            auto card = store->cardByUuid("shared", nullptr);
            card->fields()[1]->setValue("changed on B");
            card->fields()[1]->setUpdateTime(QDateTime::currentDateTime().addSecs(60));
            card->setUpdateTime(card->fields()[1]->updateTime());
            store->updateCard(store->cardIdForUuid("shared"), *card);
            store->trashCard(store->cardIdForUuid("a1"));
        }
        for (const auto &[path, password] : {std::pair{b, "b"}, {c, "c"}, {a, "a"}, {b, "b"}})
            QVERIFY(sync(path, password, cloud, "cloud"));
        const QStringList reference = rows(cloud, "cloud", true);
        for (const auto &[path, password] : {std::pair{a, "a"}, {b, "b"}, {c, "c"}})
            QCOMPARE(rows(path, password, true), reference);
        // C's own "Shared" matched the shared card by content and merged into it.
        QCOMPARE(reference,
                 (QStringList{"a1 trashed From A||21|a 0 ", "b1 live From B||21|b 0 ", "c1 live From C||21|c 0 ",
                              "shared live Shared||21|u|changed on B now "}));
    }

    // A copy with an unreadable card, or a copy held by another writer, stops the merge before anything
    // is written to either file.
    void failuresLeaveEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("kind");
        // clang-format off
        QTest::newRow("undecryptable blob") << "UPDATE Cards SET Data = substr(Data, 1, 16)" << int(WalletError::Damaged);
        QTest::newRow("flipped uuid") << "UPDATE Cards SET UUID = 'c'" << int(WalletError::Damaged);
        QTest::newRow("busy") << "BEGIN IMMEDIATE" << int(WalletError::Busy);
        // clang-format on
    }

    void failuresLeaveEverythingAsItWas()
    {
        QFETCH(QString, damage);
        QFETCH(int, kind);
        const QString local = wallet("local", "pw", "a|Alpha|u");
        const QString cloud = wallet("cloud", "cpw", "b|Beta|v");
        SqlPeek peek(cloud);
        QVERIFY(peek.exec(damage));
        const QByteArray localBefore = fileBytes(local);
        const QByteArray cloudBefore = fileBytes(cloud);
        auto store = CardDb::open(local, "pw");
        auto other = CardDb::open(cloud, "cpw");
        WalletError error;
        QVERIFY(!WalletMerge::merge(*store, *other, WalletMerge::BothCopies, &error));
        QCOMPARE(int(error.kind()), kind);
        peek.exec("ROLLBACK");
        QCOMPARE(fileBytes(local), localBefore);
        QCOMPARE(fileBytes(cloud), cloudBefore);
    }
};

QTEST_GUILESS_MAIN(TestMergePlanner)
#include "TestMergePlanner.moc"
