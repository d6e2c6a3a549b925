#include "common/SqlPeek.h"
#include "common/TestCards.h"
#include "common/TestFiles.h"
#include "model/BuiltinCatalog.h"
#include "store/CardDb.h"

#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <QtTest>

qint64 rowSeconds(CardDb &store, const QString &uuid)
{
    for (const StoredCard &row : must(store.allCards())) {
        if (row.uuid == uuid)
            return row.rowTime.toSecsSinceEpoch();
    }
    return -1;
}

class TestCardStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    QString newPath() { return m_dir.filePath(QStringLiteral("wallet%1.tessera").arg(++m_serial)); }

private slots:
    void createsAFreshWallet()
    {
        const QString path = newPath();
        auto store = CardDb::openOrCreate(path, QStringLiteral("pw"));
        QVERIFY(store);
        QCOMPARE(store->cardCount(), 0);
        QCOMPARE(store->key().size(), 16);
        store.reset();

        SqlPeek peek(path);
        QCOMPARE(peek.value("SELECT COUNT(*) FROM Identity").toInt(), 1);
        QCOMPARE(peek.value("SELECT ID FROM Identity").toInt(), 1);
        QCOMPARE(peek.value("SELECT Version FROM Identity").toInt(), 2);
        QCOMPARE(peek.value("SELECT Signature FROM Identity").toString(), QString("TesseraDb"));
        QCOMPARE(peek.value("SELECT Sync_UUID FROM Identity").toString().size(), 36);
        QCOMPARE(peek.value("SELECT Hash FROM Identity").toByteArray().size(), 32);
        QCOMPARE(peek.value("SELECT Info FROM Identity").toByteArray().size(), 48);
        QCOMPARE(peek.value("SELECT COUNT(*) FROM Cards").toInt(), 0);
        QVERIFY(!peek.exec("INSERT INTO Identity (ID, Version) VALUES (2, 2)"));

        // Every fresh wallet gets its own salt and sync identity.
        const QString other = newPath();
        QVERIFY(CardDb::openOrCreate(other, "pw"));
        QVERIFY(SqlPeek(other).value("SELECT Info FROM Identity") != peek.value("SELECT Info FROM Identity"));
        QVERIFY(SqlPeek(other).value("SELECT Sync_UUID FROM Identity") != peek.value("SELECT Sync_UUID FROM Identity"));
    }

    // Opening checks the password and writes nothing, whether it succeeds or not; empty is a password too.
    void passwordIsChecked()
    {
        const QString path = newPath();
        QVERIFY(CardDb::openOrCreate(path, QStringLiteral("first")));
        const QByteArray before = fileBytes(path);
        QVERIFY(!CardDb::openOrCreate(path, QStringLiteral("second")));
        QVERIFY(!CardDb::openOrCreate(path, QString()));
        QVERIFY(CardDb::openOrCreate(path, QStringLiteral("first")));
        QCOMPARE(fileBytes(path), before);
        auto store = CardDb::openOrCreate(path, QStringLiteral("first"));
        QVERIFY(store->checkPassword("first"));
        QVERIFY(!store->checkPassword("First"));

        const QString empty = newPath();
        QVERIFY(CardDb::openOrCreate(empty, QString()));
        QVERIFY(CardDb::openOrCreate(empty, QString()));
        QVERIFY(!CardDb::openOrCreate(empty, "x"));
    }

    void addFindReadCards()
    {
        const QString path = newPath();
        auto store = CardDb::openOrCreate(path, "pw");
        auto card = makeCard("uuid-a", "Bank", {"alice", "s3cret"});
        QVERIFY(store->addCard(*card));
        const int id = store->cardIdForUuid("uuid-a");
        QVERIFY(id > 0);
        const auto read = store->card(id);
        QVERIFY(read);
        QCOMPARE(read->toData(), card->toData());

        QVERIFY(!store->addCard(*makeCard("uuid-a", "Duplicate", {"alice", "s3cret"})));
        QCOMPARE(store->cardCount(), 1);

        QCOMPARE(store->cardIdForUuid("missing"), -1);
        QVERIFY(!store->card(9999));
        bool trashed = true;
        QVERIFY(!store->cardByUuid("missing", &trashed));
        QVERIFY(trashed);

        QVERIFY(SqlPeek(path).exec("UPDATE Cards SET Data = substr(Data, 1, 20)"));
        QVERIFY(!store->card(id));
        QCOMPARE(store->lastError().kind(), WalletError::Damaged);
        QVERIFY(store->lastError().message().contains("\"Bank\""));
        // A walk over every card names the one it stops at as well.
        QVERIFY(!store->forEachCard([](const StoredCard &) { return true; }));
        QVERIFY(store->lastError().message().contains("#1 \"Bank\""));
    }

    // One card's entry reads as the list of all cards shows it, in either format: live, trashed, and
    // trashed but unopenable (a hardened wallet lists it without a title, still in the trash). A large
    // hardened wallet's list is opened in parts on two threads and still lists every card in order.
    void listEntries_data()
    {
        QTest::addColumn<bool>("hardened");
        QTest::addColumn<int>("cards");
        QTest::newRow("phone format") << false << 3;
        QTest::newRow("hardened") << true << 3;
        QTest::newRow("hardened, many") << true << 1500;
    }

    void listEntries()
    {
        QFETCH(bool, hardened);
        QFETCH(int, cards);
        const QString path = newPath();
        auto store = hardened ? CardDb::create(path, {"pw", {}}, cheapHardened) : CardDb::openOrCreate(path, "pw");
        QStringList expected;
        {
            CardDbTransaction transaction(*store);
            for (int i = 1; i <= cards; ++i) {
                const QString uuid = QStringLiteral("u%1").arg(i);
                QVERIFY(store->addCard(*makeCard(uuid, "Title " + uuid, {"alice", "s3cret"})));
                expected << (i == 2 ? "Title u2 (trashed)" : i == 3 ? "%1 (trashed)" : "Title " + uuid);
            }
            QVERIFY(transaction.commit());
        }
        for (const QString uuid : {"u2", "u3"})
            QVERIFY(store->trashCard(store->cardIdForUuid(uuid)));
        QVERIFY(SqlPeek(path).exec("UPDATE Cards SET Data = substr(Data, 1, 20) WHERE UUID = 'u3'"));
        QStringList listed;
        for (const CardListEntry &entry : must(store->cardList(CardDb::AllCards))) {
            const auto alone = store->listEntry(entry.id);
            QVERIFY(alone);
            QCOMPARE(alone->title, entry.title);
            QCOMPARE(alone->iconId, entry.iconId);
            QCOMPARE(alone->templateType, entry.templateType);
            QCOMPARE(alone->trashed, entry.trashed);
            listed << entry.title + (entry.trashed ? " (trashed)" : "");
        }
        QCOMPARE(listed.join(", "), expected.join(", ").arg(hardened ? "" : "Title u3"));
        QVERIFY(!store->listEntry(999999));
    }

    void clearColumnsFollowTheCard()
    {
        const QString path = newPath();
        auto store = CardDb::openOrCreate(path, "pw");
        auto card = makeCard("uuid-c", "Tab\there", {"alice", "s3cret"}, QDateTime::fromSecsSinceEpoch(1400000000));
        card->setIconId(-1);
        QVERIFY(store->addCard(*card));
        SqlPeek peek(path);
        QCOMPARE(peek.value("SELECT Title FROM Cards").toString(), QString("Tabhere"));
        QCOMPARE(peek.value("SELECT Type FROM Cards").toString(), QString("login.default"));
        QCOMPARE(peek.value("SELECT IconID FROM Cards").toInt(), -1);
        QCOMPARE(peek.value("SELECT UpdateTime FROM Cards").toLongLong(), 1400000000LL);
        QCOMPARE(peek.value("SELECT UUID FROM Cards").toString(), QString("uuid-c"));
        QCOMPARE(peek.value("SELECT Trashed FROM Cards").toInt(), 0);
        QCOMPARE(peek.value("SELECT length(Data) % 16 FROM Cards").toInt(), 0);
    }

    // Trashing stamps the row, not the card, and hides the card from the list; updating revives it.
    void trashAndRevive()
    {
        auto store = CardDb::openOrCreate(newPath(), "pw");
        QVERIFY(store->addCard(*makeCard("u1", "One", {"alice", "s3cret"})));
        QVERIFY(store->addCard(*makeCard("u2", "Two", {"alice", "s3cret"}, QDateTime::fromSecsSinceEpoch(1400000000))));
        const int id = store->cardIdForUuid("u1");
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        QVERIFY(store->trashCard(id));
        QCOMPARE(store->cardCount(), 1);
        const auto list = must(store->cardList());
        QCOMPARE(list.size(), 1);
        QCOMPARE(list[0].title, QString("Two"));
        QCOMPARE(list[0].iconId, 21);
        QCOMPARE(list[0].id, store->cardIdForUuid("u2"));
        const auto all = must(store->cardList(CardDb::AllCards));
        QCOMPARE(all.first().id, id);
        QCOMPARE(all.last().templateType, QString("login.default"));
        QCOMPARE(must(store->allUuids()), (QStringList{"u1", "u2"}));

        const std::vector<StoredCard> rows = must(store->allCards());
        QCOMPARE(int(rows.size()), 2);
        QCOMPARE(rows[0].id, id);
        QVERIFY(rows[0].trashed);
        QVERIFY(rows[0].rowTime.toSecsSinceEpoch() >= before);
        QCOMPARE(rows[0].card->updateTime().toSecsSinceEpoch(), qint64(1330000000));
        QVERIFY(!rows[1].trashed);
        QCOMPARE(rows[1].rowTime.toSecsSinceEpoch(), qint64(1400000000));
        QCOMPARE(rows[1].card->fields().at(1)->value(), QString("s3cret"));

        bool trashed = false;
        auto card = store->cardByUuid("u1", &trashed);
        QVERIFY(card);
        QVERIFY(trashed);
        QVERIFY(store->card(id));
        QVERIFY(store->updateCard(id, *card));
        QCOMPARE(store->cardCount(), 2);
        // A row another program deleted or renumbered is a failure, never a silent success.
        QVERIFY(!store->trashCard(424242));
        QCOMPARE(store->lastError().kind(), WalletError::CardGone);
    }

    void updateTimeReadsWholeSeconds()
    {
        const QString path = newPath();
        auto store = CardDb::openOrCreate(path, "pw");
        QVERIFY(store->addCard(*makeCard("u1", "One", {"alice", "s3cret"})));
        QVERIFY(SqlPeek(path).exec("UPDATE Cards SET UpdateTime = 1330000000.9"));
        QCOMPARE(rowSeconds(*store, "u1"), qint64(1330000000));
    }

    // Restoring stamps card and row with the current time; deleting for ever takes only trashed cards
    // and keeps their identities, also in a saved copy. A wallet that never purged has no Purged table.
    // Deleting every card leaves a wallet that still opens.
    void trash()
    {
        const QString path = newPath();
        auto store = CardDb::openOrCreate(path, "pw");
        for (const char *uuid : {"u1", "u2", "u3", "u4"})
            QVERIFY(store->addCard(*makeCard(uuid, uuid, {"alice", "s3cret"})));
        QCOMPARE(must(store->purgedCards()), (QHash<QString, qint64>()));
        QCOMPARE(SqlPeek(path).value("SELECT COUNT(*) FROM sqlite_master WHERE name = 'Purged'").toInt(), 0);
        for (const char *uuid : {"u1", "u2", "u3"})
            QVERIFY(store->trashCard(store->cardIdForUuid(uuid)));

        const qint64 before = QDateTime::currentSecsSinceEpoch();
        QVERIFY(store->restoreCard(store->cardIdForUuid("u1")));
        bool trashed = true;
        QVERIFY(store->cardByUuid("u1", &trashed)->updateTime().toSecsSinceEpoch() >= before);
        QVERIFY(!trashed);
        QVERIFY(rowSeconds(*store, "u1") >= before);
        QVERIFY(!store->restoreCard(store->cardIdForUuid("u4")));
        QVERIFY(!store->purgeCard(store->cardIdForUuid("u4")));

        QVERIFY(store->purgeCard(store->cardIdForUuid("u2")));
        QCOMPARE(must(store->allUuids()), (QStringList{"u1", "u3", "u4"}));
        QVERIFY(store->purgeTrashed());
        QCOMPARE(must(store->allUuids()), (QStringList{"u1", "u4"}));
        const auto purged = must(store->purgedCards());
        QCOMPARE(QSet<QString>(purged.keyBegin(), purged.keyEnd()), (QSet<QString>{"u2", "u3"}));
        QVERIFY(purged.value("u3") >= before);

        const QString copy = newPath();
        QVERIFY(store->saveCopy(copy));
        QCOMPARE(must(CardDb::open(copy, "pw")->purgedCards()), purged);
        QCOMPARE(CardDb::probe(copy).kind(), WalletError::None);

        QVERIFY(store->deleteAllCards());
        QCOMPARE(must(store->allUuids()), QStringList());
        store.reset();
        QVERIFY(CardDb::openOrCreate(path, "pw"));
    }

    void everythingFailsSoftlyAfterClose()
    {
        auto store = CardDb::openOrCreate(newPath(), "pw");
        QVERIFY(store->addCard(*makeCard("u1", "One", {"alice", "s3cret"})));
        store->close();
        QVERIFY(!store->isOpen());
        QVERIFY(!store->addCard(*makeCard("u2", "Two", {"alice", "s3cret"})));
        QCOMPARE(store->cardIdForUuid("u1"), -1);
        QCOMPARE(store->cardCount(), -1);
        QVERIFY(!store->card(1));
        QVERIFY(!store->cardList());
        QVERIFY(!store->allUuids());
        QVERIFY(!store->trashCard(1));
        QVERIFY(!store->deleteAllCards());
        QVERIFY(!store->checkPassword("pw"));
        QVERIFY(!store->changePassword("pw", "new"));
    }

    void openWithKey()
    {
        const QString path = newPath();
        auto first = CardDb::openOrCreate(path, "pw");
        QVERIFY(first->addCard(*makeCard("u1", "One", {"alice", "s3cret"})));
        auto second = CardDb::openWithKey(path, first->key());
        QVERIFY(second);
        QCOMPARE(second->card(1)->toData(), first->card(1)->toData());
        QVERIFY(!CardDb::openWithKey(path, QByteArray(15, 'k')));
        QVERIFY(!CardDb::openWithKey(m_dir.filePath("none.tessera"), first->key()));
        QVERIFY(!QFile::exists(m_dir.filePath("none.tessera")));
    }

    void transactionsRollBack()
    {
        auto store = CardDb::openOrCreate(newPath(), "pw");
        {
            CardDbTransaction transaction(*store);
            QVERIFY(transaction.isActive());
            QVERIFY(store->addCard(*makeCard("u1", "One", {"alice", "s3cret"})));
        }
        QCOMPARE(store->cardCount(), 0);
        CardDbTransaction transaction(*store);
        QVERIFY(store->addCard(*makeCard("u1", "One", {"alice", "s3cret"})));
        QVERIFY(transaction.commit());
        QCOMPARE(store->cardCount(), 1);
    }

    // The unlock dialog opens a wallet on a worker thread; the window then uses it on its own thread.
    void openOnWorkerUseOnThisThread()
    {
        const QString path = newPath();
        std::shared_ptr<CardDb> shared = QtConcurrent::run([path] {
                                             std::shared_ptr<CardDb> opened(CardDb::openOrCreate(path, "pw"));
                                             opened->addCard(*makeCard("u1", "From worker", {"alice", "s3cret"}));
                                             return opened;
                                         }).result();
        QVERIFY(shared);
        QCOMPARE(shared->cardCount(), 1);
        QVERIFY(shared->addCard(*makeCard("u2", "From here", {"alice", "s3cret"})));
        QCOMPARE(shared->card(shared->cardIdForUuid("u2"))->title(), QString("From here"));
        QtConcurrent::run([shared] {
            shared->addCard(*makeCard("u3", "Worker again", {"alice", "s3cret"}));
        }).waitForFinished();
        QCOMPARE(shared->cardCount(), 3);
        shared->close();
        shared.reset();
        const QStringList left = QSqlDatabase::connectionNames();
        QVERIFY2(std::none_of(left.begin(), left.end(), [](const QString &n) { return n.startsWith("tessera-"); }),
                 qPrintable(left.join(',')));
    }
};

QTEST_GUILESS_MAIN(TestCardStore)
#include "TestCardStore.moc"
