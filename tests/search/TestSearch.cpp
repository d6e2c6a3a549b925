#include "common/TestCards.h"
#include "model/Card.h"
#include "model/FieldType.h"
#include "search/SearchIndex.h"
#include "store/CardDb.h"

#include <QtTest>

class TestSearch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<CardDb> m_store;
    SearchIndex m_index;

    int idOf(const QString &title)
    {
        const auto list = m_store->cardList(CardDb::AllCards);
        for (const CardListEntry &entry : list.value_or(QVector<CardListEntry>())) {
            if (entry.title == title)
                return entry.id;
        }
        return -1;
    }

private slots:
    void initTestCase()
    {
        m_store = CardDb::create(m_dir.filePath("search.tessera"), "pw");
        auto emile = makeCard(uuidNumber(1), "Café Émile", {"-", "hunter2", "zoe@mail.example", "mail.example/a"});
        addFields(*emile, {{"Login", "Ana.Lopez", FieldType::Username}, {"Url", "second.example", FieldType::Url}});
        m_store->addCard(*emile);
        m_store->addCard(*makeCard(uuidNumber(2), "Bank", {"", "pw", "ana@mail.example"}));
        auto shop = makeCard(uuidNumber(3), "Shop", {"-", "-", "-", "shop.example/s"});
        addFields(*shop, {{"Customer", "secret-id", FieldType::Username, true}});
        m_store->addCard(*shop);
        m_store->addCard(*makeCard(uuidNumber(4), "Old", {"old"}));
        m_store->trashCard(idOf("Old"));
        QVERIFY(m_index.rebuild(*m_store));
    }

    // A wallet searched through the window's index and card by card as the command line does: both find
    // the same cards, live ones only.
    void findsInWallet_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("titles");
        // clang-format off
        QTest::newRow("title, case and accent") << "EMILE"          << QStringList{"Café Émile"};
        QTest::newRow("template name")          << "login"          << QStringList{"Café Émile", "Bank", "Shop"};
        QTest::newRow("field value")            << "ana@mail"       << QStringList{"Bank"};
        QTest::newRow("two terms")              << "shop.example s" << QStringList{"Shop"};
        QTest::newRow("sensitive value")        << "hunter2"        << QStringList{};
        QTest::newRow("trashed card")           << "old"            << QStringList{};
        // clang-format on
    }

    void findsInWallet()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, titles);
        const SearchQuery query(typed);
        const auto scanned = SearchIndex::findInStore(*m_store, query);
        QVERIFY(scanned);
        QSet<int> scannedIds;
        QStringList found;
        for (const CardListEntry &entry : *scanned) {
            scannedIds.insert(entry.id);
            found << entry.title;
        }
        QCOMPARE(found, titles);
        QCOMPARE(m_index.find(query), scannedIds);
    }

    // Beside a title the list shows the first filled user name, else e-mail, that is not sensitive, the
    // first address and the time of the last change; nothing for a card the index does not know.
    void columns_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("url");
        // clang-format off
        QTest::newRow("user name before e-mail") << "Café Émile" << "Ana.Lopez"        << "mail.example/a";
        QTest::newRow("e-mail, user name empty") << "Bank"       << "ana@mail.example" << "";
        QTest::newRow("sensitive user name")     << "Shop"       << ""                 << "shop.example/s";
        QTest::newRow("trashed card")            << "Old"        << ""                 << "";
        // clang-format on
    }

    void columns()
    {
        QFETCH(QString, title);
        QFETCH(QString, userName);
        QFETCH(QString, url);
        const CardColumns columns = m_index.columns(idOf(title));
        QCOMPARE(columns.userName, userName);
        QCOMPARE(columns.url, url);
        QCOMPARE(columns.modified, title == "Old" ? QDateTime() : t0);
    }

    // Many large edits of one card: the index answers from its latest text after its buffers are compacted.
    void followsChanges()
    {
        SearchIndex index;
        QVERIFY(index.rebuild(*m_store));
        const int bank = idOf("Bank");
        for (int round = 0; round < 6; ++round) {
            auto card = m_store->card(bank);
            card->setNotes(QString("round%1 ").arg(round).repeated(3000));
            card->setUpdateTime(t0.addSecs(round));
            QVERIFY(m_store->updateCard(bank, *card));
            index.update(*m_store, bank);
        }
        QCOMPARE(index.find(SearchQuery("round5")), QSet<int>{bank});
        QCOMPARE(index.find(SearchQuery("round4")), QSet<int>());
        QCOMPARE(index.find(SearchQuery("emile")), QSet<int>{idOf("Café Émile")});
        QCOMPARE(index.columns(bank).modified, t0.addSecs(5));
        index.remove(bank);
        QCOMPARE(index.find(SearchQuery("ana@mail")), QSet<int>());
        QCOMPARE(index.columns(bank).userName, QString());
    }

    // One card, searched as the window and the command line search it.
    void matchesCard_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("found");
        // clang-format off
        QTest::newRow("empty search")            << ""                         << true;
        QTest::newRow("title")                   << "café"                     << true;
        QTest::newRow("case ignored")            << "CAFÉ"                     << true;
        QTest::newRow("accent typed plain")      << "emile"                    << true;
        QTest::newRow("accent typed, plain kept")<< "zoë lópez"               << true;
        QTest::newRow("template name")           << "login"                    << true;
        QTest::newRow("notes")                   << "renewal"                  << true;
        QTest::newRow("field value")             << "ana.lopez"                << true;
        QTest::newRow("url value")               << "mail.example"             << true;
        QTest::newRow("field label")             << "security answer"          << true;
        QTest::newRow("all terms, any pieces")   << "emile mail.example renewal" << true;
        QTest::newRow("one term missing")        << "emile paris"              << false;
        QTest::newRow("sensitive value")         << "hunter2"                  << false;
        QTest::newRow("sensitive value part")    << "unter"                    << false;
        QTest::newRow("label of empty field")    << "phone"                    << false;
        QTest::newRow("words apart")             << "blue door"                << true;
        QTest::newRow("phrase not there")        << "\"blue door\""            << false;
        QTest::newRow("phrase there")            << "\"red   door\""           << true;
        QTest::newRow("typographic quotes")      << "“red door” emile"         << true;
        QTest::newRow("unclosed quote")          << "\"red door"               << true;
        QTest::newRow("no term across pieces")   << "\"emile web\""            << false;
        QTest::newRow("blanks only")             << "   \"\"  "                << true;
        // clang-format on
    }

    void matchesCard()
    {
        QFETCH(QString, typed);
        QFETCH(bool, found);
        const QDateTime time = QDateTime::currentDateTimeUtc();
        Card card("uuid", time, "login.default", 21, "Café Émile",
                  "Zoe Lopez pays the renewal.\nThe blue house has a red\n door.");
        card.addField(0, time, "Username", "Ana.Lopez", FieldType::Username, false);
        card.addField(1, time, "Password", "hunter2", FieldType::Password, true);
        card.addField(2, time, "Phone", QString(), FieldType::Phone, false);
        card.addField(3, time, "Url", "https://mail.example.org", FieldType::Url, false);
        card.addField(4, time, "Security answer", "x", FieldType::Text, true);
        const QString text = SearchIndex::searchableText(card);
        QCOMPARE(SearchQuery(typed).matches(text), found);
    }

    // A search narrows another when it can only find fewer cards, so that the list tests only those shown.
    void narrows_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("narrows");
        // clang-format off
        QTest::newRow("letter typed on")        << "g"         << "go"          << true;
        QTest::newRow("first letter")           << ""          << "g"           << true;
        QTest::newRow("new term")               << "bank"      << "bank mail"   << true;
        QTest::newRow("term inside a phrase")   << "mail"      << "\"my mail\"" << true;
        QTest::newRow("letter deleted")         << "go"        << "g"           << false;
        QTest::newRow("cleared")                << "g"         << ""            << false;
        QTest::newRow("term split in two")      << "ab"        << "a b"         << false;
        QTest::newRow("term replaced")          << "bank mail" << "bank shop"   << false;
        // clang-format on
    }

    void narrows()
    {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(bool, narrows);
        QCOMPARE(SearchQuery(typed).narrows(SearchQuery(before)), narrows);
    }
};

QTEST_GUILESS_MAIN(TestSearch)
#include "TestSearch.moc"
