#include "common/SqlPeek.h"
#include "common/TestFiles.h"
#include "model/TextUtils.h"
#include "store/CardDb.h"
#include "sync/WalletMerge.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDateTime t0 = QDateTime::fromSecsSinceEpoch(1330000000);

std::unique_ptr<Card> login(const QString &uuid, const QString &title, const QStringList &values,
                            const QDateTime &time = t0, const QString &notes = QString())
{
    auto card = std::make_unique<Card>(uuid, time, "login.default", 21, title, notes);
    const QStringList labels{"Username", "Password", "E-Mail", "Url"};
    for (int i = 0; i < values.size(); ++i)
        card->addField(i, time, labels.at(i), values.at(i), i == 1 ? 1 : 0, i == 1);
    return card;
}

// What a wallet holds, card by card: uuid, trashed flag and the card text without its times.
struct Snapshot
{
    QMap<QString, QString> cards;
    QMap<QString, bool> trashed;
    QMap<QString, QDateTime> rowTimes;
};

Snapshot snapshot(const QString &path, const QString &password)
{
    Snapshot result;
    auto store = CardDb::openOrCreate(path, password);
    if (!store)
        qFatal("cannot open %s", qPrintable(path));
    for (const StoredCard &row : must(store->allCards())) {
        QStringList text;
        text << row.card->title() << row.card->notes() << QString::number(row.card->iconId());
        for (const Field *field : row.card->fields())
            text << field->value();
        result.cards.insert(row.uuid, text.join('|'));
        result.trashed.insert(row.uuid, row.trashed);
        result.rowTimes.insert(row.uuid, row.rowTime);
    }
    return result;
}

QStringList uuidsInRowOrder(const QString &path, const QString &password)
{
    return must(CardDb::openOrCreate(path, password)->allUuids());
}

} // namespace

class TestSyncMerger : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    QString newPath(const QString &name)
    {
        return m_dir.filePath(QStringLiteral("%1-%2.tessera").arg(name).arg(++m_serial));
    }

    QString wallet(const QString &name, const QString &password, std::vector<std::unique_ptr<Card>> cards,
                   const QStringList &trash = {})
    {
        const QString path = newPath(name);
        auto store = CardDb::openOrCreate(path, password);
        for (auto &card : cards)
            store->addCard(*card);
        for (const QString &uuid : trash)
            store->trashCard(store->cardIdForUuid(uuid));
        return path;
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

    std::vector<std::unique_ptr<Card>> cards(std::unique_ptr<Card> a, std::unique_ptr<Card> b = nullptr,
                                             std::unique_ptr<Card> c = nullptr)
    {
        std::vector<std::unique_ptr<Card>> list;
        for (auto *card : {&a, &b, &c}) {
            if (*card)
                list.push_back(std::move(*card));
        }
        return list;
    }

private slots:
    void firstSync()
    {
        const QString local
            = wallet("local", "lpw", cards(login("a", "Alpha", {"u", "p"}), login("b", "Beta", {"v", "q"})), {"b"});
        const QString cloud = m_dir.filePath("cloud-first.tessera");
        const Snapshot localBefore = snapshot(local, "lpw");
        QVERIFY(sync(local, "lpw", cloud, QString(), "cloud pw"));
        QVERIFY(!CardDb::open(cloud, "lpw"));
        const Snapshot cloudSide = snapshot(cloud, "cloud pw");
        const Snapshot localSide = snapshot(local, "lpw");
        QCOMPARE(cloudSide.cards, localBefore.cards);
        QCOMPARE(localSide.cards, cloudSide.cards);
        QVERIFY(cloudSide.trashed.value("b"));
        QVERIFY(localSide.trashed.value("b"));
        QCOMPARE(localSide.rowTimes.value("b"), localBefore.rowTimes.value("b"));
        QCOMPARE(localSide.rowTimes.value("a"), t0);
        QVERIFY(SqlPeek(cloud).value("SELECT Info FROM Identity") != SqlPeek(local).value("SELECT Info FROM Identity"));
    }

    void sameCardEditedOnBothSides()
    {
        auto mine = login("c", "Mail", {"alice", "old", "a@x", "x.example"}, t0, "local notes");
        auto theirs = login("c", "Mail", {"alice", "old", "a@x", "x.example"}, t0, "cloud notes");
        mine->setUpdateTime(t0.addSecs(100));
        mine->setTitle("Mail (local)");
        mine->fields()[1]->setValue("local password");
        mine->fields()[1]->setUpdateTime(t0.addSecs(100));
        theirs->fields()[3]->setValue("cloud.example");
        theirs->fields()[3]->setUpdateTime(t0.addSecs(200));
        const QString local = wallet("local", "pw", cards(std::move(mine)));
        const QString cloud = wallet("cloud", "cpw", cards(std::move(theirs)));
        QVERIFY(sync(local, "pw", cloud, "cpw"));
        const Snapshot merged = snapshot(cloud, "cpw");
        QCOMPARE(merged.cards.value("c"),
                 QString("Mail (local)|local notes|21|alice|local password|a@x|cloud.example"));
        QCOMPARE(snapshot(local, "pw").cards, merged.cards);
    }

    void trashedLocallyLater()
    {
        const QString local = wallet("local", "pw", cards(login("d", "Doomed", {"u"})), {"d"});
        const QString cloud = wallet("cloud", "cpw", cards(login("d", "Doomed", {"u"})));
        QVERIFY(sync(local, "pw", cloud, "cpw"));
        QVERIFY(snapshot(cloud, "cpw").trashed.value("d"));
        QVERIFY(snapshot(local, "pw").trashed.value("d"));
    }

    // A card deleted for ever on one side never comes back live: where the other copy has it live it
    // returns to the trash on both sides (and the deletion is forgotten, so the next merge keeps it
    // there), where the other copy has it in the trash it goes from both and both record the deletion.
    void purgedCards_data()
    {
        QTest::addColumn<bool>("purgedLocally");
        QTest::addColumn<bool>("trashedOnTheOtherSide");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("local purge, cloud live") << true << false << "back in the trash";
        QTest::newRow("local purge, cloud trashed") << true << true << "gone";
        QTest::newRow("cloud purge, local live") << false << false << "back in the trash";
        QTest::newRow("cloud purge, local trashed") << false << true << "gone";
        // clang-format on
    }

    void purgedCards()
    {
        QFETCH(bool, purgedLocally);
        QFETCH(bool, trashedOnTheOtherSide);
        QFETCH(QString, expected);
        const QString local = wallet("local", "pw", cards(login("k", "Keep", {"u"}), login("p", "Purged", {"v"})));
        const QString cloud = wallet("cloud", "cpw", cards(login("k", "Keep", {"u"}), login("p", "Purged", {"v"})));
        {
            auto purging = CardDb::open(purgedLocally ? local : cloud, purgedLocally ? "pw" : "cpw");
            auto keeping = CardDb::open(purgedLocally ? cloud : local, purgedLocally ? "cpw" : "pw");
            QVERIFY(purging->trashCard(purging->cardIdForUuid("p")));
            QVERIFY(purging->purgeTrashed());
            if (trashedOnTheOtherSide)
                QVERIFY(keeping->trashCard(keeping->cardIdForUuid("p")));
        }
        QVERIFY(sync(local, "pw", cloud, "cpw"));
        for (const auto &[path, password] : {std::pair<QString, QString>(local, "pw"), {cloud, "cpw"}}) {
            const Snapshot side = snapshot(path, password);
            const QString state = !side.cards.contains("p") ? "gone"
                : side.trashed.value("p")                   ? "back in the trash"
                                                            : "live";
            QCOMPARE(state, expected);
            QVERIFY(!side.trashed.value("k"));
            QCOMPARE(SqlPeek(path).value("SELECT COUNT(*) FROM Purged WHERE UUID = 'p'").toInt(),
                     expected == "gone" ? 1 : 0);
        }
        // Merging again changes nothing.
        const Snapshot before = snapshot(local, "pw");
        QVERIFY(sync(local, "pw", cloud, "cpw"));
        QCOMPARE(snapshot(local, "pw").cards, before.cards);
    }

    void equalRowTimesFollowTheCloud()
    {
        const QString local = wallet("local", "pw", cards(login("e", "Equal", {"u"})), {"e"});
        const QString cloud = wallet("cloud", "cpw", cards(login("e", "Equal", {"u"})));
        QVERIFY(SqlPeek(local).exec("UPDATE Cards SET UpdateTime = 1500000000"));
        QVERIFY(SqlPeek(cloud).exec("UPDATE Cards SET UpdateTime = 1500000000"));
        QVERIFY(sync(local, "pw", cloud, "cpw"));
        QVERIFY(!snapshot(cloud, "cpw").trashed.value("e"));
        QVERIFY(!snapshot(local, "pw").trashed.value("e"));
    }

    void pairsByContent()
    {
        const QString local
            = wallet("local", "pw", cards(login("local-id", "Bank", {"carol", "", "c@x"}, t0, "notes here")));
        const QString cloud
            = wallet("cloud", "cpw", cards(login("cloud-id", "Bank", {"carol", "pin", ""}, t0.addSecs(5))));
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        QVERIFY(sync(local, "pw", cloud, "cpw"));
        const Snapshot merged = snapshot(cloud, "cpw");
        QCOMPARE(merged.cards.keys(), QStringList{"cloud-id"});
        QCOMPARE(merged.cards.value("cloud-id"), QString("Bank|notes here|21|carol|pin|c@x"));
        auto store = CardDb::openOrCreate(cloud, "cpw");
        QVERIFY(store->cardByUuid("cloud-id", nullptr)->updateTime().toSecsSinceEpoch() >= before);
        QCOMPARE(snapshot(local, "pw").cards, merged.cards);
    }

    void contentPairWithNothingToFillStaysAsItWas()
    {
        const QString local = wallet("local", "pw", cards(login("l", "Bank", {"carol"}, t0.addSecs(50))));
        const QString cloud = wallet("cloud", "cpw", cards(login("c", "Bank", {"carol"}, t0, "cloud notes")));
        QVERIFY(sync(local, "pw", cloud, "cpw"));
        auto store = CardDb::openOrCreate(cloud, "cpw");
        QCOMPARE(must(store->allUuids()), QStringList{"c"});
        QCOMPARE(store->cardByUuid("c", nullptr)->updateTime(), t0);
    }

    void trashedAndLiveNeverPair()
    {
        const QString local = wallet("local", "pw", cards(login("l", "Same", {"u"})), {"l"});
        const QString cloud = wallet("cloud", "cpw", cards(login("c", "Same", {"u"})));
        QVERIFY(sync(local, "pw", cloud, "cpw"));
        const Snapshot merged = snapshot(cloud, "cpw");
        QCOMPARE(merged.cards.size(), 2);
        QVERIFY(merged.trashed.value("l"));
        QVERIFY(!merged.trashed.value("c"));
    }

    void twoLocalCardsEquivalentToOneCloudCard()
    {
        const QString local
            = wallet("local", "pw", cards(login("first", "Twin", {"u"}), login("second", "Twin", {"u", "p"})));
        const QString cloud = wallet("cloud", "cpw", cards(login("cloud", "Twin", {"u", ""})));
        QVERIFY(sync(local, "pw", cloud, "cpw"));
        QCOMPARE(uuidsInRowOrder(cloud, "cpw"), (QStringList{"cloud", "first"}));
        QCOMPARE(snapshot(cloud, "cpw").cards.value("cloud"), QString("Twin||21|u|p"));
    }

    // An imported login has three fields where a catalogue login has four.
    void differentFieldCounts()
    {
        auto imported = std::make_unique<Card>("imp", t0, "login.default", 21, "Forum", "");
        imported->addField(0, t0, "Username", "carol", 11, false);
        imported->addField(1, t0, "Password", "pw", 1, true);
        imported->addField(3, t0, "Url", "forum.example", 6, false);
        const QString local = wallet("local", "pw", cards(login("cat", "Forum", {"carol", "", "", ""})));
        const QString cloud = wallet("cloud", "cpw", cards(std::move(imported)));
        QVERIFY(sync(local, "pw", cloud, "cpw"));
        const Snapshot merged = snapshot(cloud, "cpw");
        QCOMPARE(merged.cards.keys(), QStringList{"imp"});
        QCOMPARE(merged.cards.value("imp"), QString("Forum||21|carol|pw|forum.example"));
    }

    void outputOrderAndSecondSyncChangesNothing()
    {
        const QString local = wallet("local", "pw",
                                     cards(login("common", "Common", {"u"}), login("local-only", "Mine", {"m"}),
                                           login("pair-l", "Pair", {"p"})));
        const QString cloud = wallet("cloud", "cpw",
                                     cards(login("cloud-only", "Theirs", {"t"}), login("pair-c", "Pair", {""}),
                                           login("common", "Common", {"u"})));
        QVERIFY(sync(local, "pw", cloud, "cpw"));
        // Rows stay where they were; each copy's new cards come last.
        QCOMPARE(uuidsInRowOrder(cloud, "cpw"), (QStringList{"cloud-only", "pair-c", "common", "local-only"}));
        QCOMPARE(uuidsInRowOrder(local, "pw"), (QStringList{"common", "local-only", "pair-c", "cloud-only"}));
        const Snapshot first = snapshot(cloud, "cpw");
        QVERIFY(sync(local, "pw", cloud, "cpw"));
        const Snapshot second = snapshot(cloud, "cpw");
        QCOMPARE(second.cards, first.cards);
        QCOMPARE(second.trashed, first.trashed);
        QCOMPARE(snapshot(local, "pw").cards, second.cards);
    }

    void threeDevicesConverge()
    {
        const QString cloud = m_dir.filePath("cloud-three.tessera");
        const QString a = wallet("a", "a", cards(login("shared", "Shared", {"u", "p"}), login("a1", "From A", {"a"})));
        const QString b = wallet("b", "b", cards(login("b1", "From B", {"b"})));
        const QString c = wallet("c", "c", cards(login("c1", "From C", {"c"}), login("c2", "Shared", {"u", ""})));
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
        QVERIFY(sync(b, "b", cloud, "cloud"));
        QVERIFY(sync(c, "c", cloud, "cloud"));
        QVERIFY(sync(a, "a", cloud, "cloud"));
        QVERIFY(sync(b, "b", cloud, "cloud"));
        const Snapshot reference = snapshot(cloud, "cloud");
        for (const auto &[path, password] : {std::pair{a, "a"}, {b, "b"}, {c, "c"}}) {
            const Snapshot device = snapshot(path, password);
            QCOMPARE(device.cards, reference.cards);
            QCOMPARE(device.trashed, reference.trashed);
        }
        QCOMPARE(reference.cards.value("shared"), QString("Shared||21|u|changed on B"));
        QVERIFY(reference.trashed.value("a1"));
        // C's own "Shared" matched the shared card by content and merged into it.
        QCOMPARE(reference.cards.keys(), (QStringList{"a1", "b1", "c1", "shared"}));
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
        const QString local = wallet("local", "pw", cards(login("a", "Alpha", {"u"})));
        const QString cloud = wallet("cloud", "cpw", cards(login("b", "Beta", {"v"})));
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

QTEST_GUILESS_MAIN(TestSyncMerger)
#include "TestSyncMerger.moc"
