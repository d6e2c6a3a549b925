#include "model/Card.h"
#include "model/FieldType.h"
#include "search/SearchIndex.h"

#include <QtTest>

class TestSearch : public QObject
{
    Q_OBJECT

private slots:
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
        QTest::newRow("template name")           << "web login"                << true;
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
        const QString text = SearchIndex::searchableText(card, "Web Login");
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
