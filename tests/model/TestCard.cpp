#include "model/Card.h"
#include "model/TextUtils.h"

#include <QtTest>

namespace {

const QDateTime t0 = QDateTime::fromSecsSinceEpoch(1330000000);
const QDateTime t1 = t0.addSecs(60);
const QDateTime t2 = t0.addSecs(120);

// A login card with the given values, every time stamp at `time`.
std::unique_ptr<Card> login(const QStringList &values, const QDateTime &time = t0, const QString &title = "Mail",
                            const QString &notes = QString())
{
    auto card = std::make_unique<Card>("uuid-1", time, "login.default", 21, title, notes);
    const QStringList labels{"Username", "Password", "E-Mail", "Url"};
    for (int i = 0; i < values.size(); ++i)
        card->addField(i, time, labels.value(i), values.at(i), 0, i == 1);
    return card;
}

QStringList values(const Card &card)
{
    QStringList list;
    for (const Field *field : card.fields())
        list << field->value();
    return list;
}

} // namespace

class TestCard : public QObject
{
    Q_OBJECT

private slots:
    void defaultCard()
    {
        const Card card;
        QVERIFY(card.uuid().isEmpty());
        QCOMPARE(card.iconId(), -1);
        QVERIFY(card.title().isEmpty());
        QCOMPARE(card.fieldCount(), 0);
        QVERIFY(qAbs(card.updateTime().secsTo(QDateTime::currentDateTime())) < 5);
    }

    void hasText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        // clang-format off
        QTest::newRow("null") << QString() << false;
        QTest::newRow("empty") << QString("") << false;
        QTest::newRow("blanks and tabs") << QString(" \t \n\u00a0") << false;
        QTest::newRow("letter among blanks") << QString("  x\t") << true;
        // clang-format on
    }

    void hasText()
    {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(::hasText(text), expected);
    }

    void sameOrBlank_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("expected");
        // clang-format off
        QTest::newRow("equal") << "abc" << "abc" << true;
        QTest::newRow("left empty") << "" << "abc" << true;
        QTest::newRow("right empty") << "abc" << "" << true;
        QTest::newRow("case differs") << "abc" << "ABC" << false;
        QTest::newRow("different") << "abc" << "abd" << false;
        // clang-format on
    }

    void sameOrBlank()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, expected);
        QCOMPARE(::sameOrBlank(a, b), expected);
    }

    void cleanText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        // clang-format off
        QTest::newRow("tab between words") << "a\tb" << "a    b";
        QTest::newRow("blanks around") << "  value \n" << "value";
        QTest::newRow("only blanks") << " \t " << "";
        QTest::newRow("inner line break kept") << "one\ntwo" << "one\ntwo";
        // clang-format on
    }

    void cleanText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(::cleanText(typed), stored);
    }

    void copyWithUuidKeepsTemplateAndStampsFields()
    {
        Card templ("login.default", 21, "Login");
        templ.addField(0, t0, "Username", "", 11, false);
        templ.addField(3, t0, "Url", "www.example.com", 6, false);
        const auto copy = templ.copyWithUuid("fresh");
        QCOMPARE(copy->uuid(), QString("fresh"));
        QCOMPARE(copy->updateTime(), templ.updateTime());
        QCOMPARE(copy->templateType(), QString("login.default"));
        QCOMPARE(copy->fieldCount(), 2);
        const Field *url = copy->fields().at(1);
        QCOMPARE(url->uid(), 3);
        QCOMPARE(url->value(), QString("www.example.com"));
        QCOMPARE(url->type(), 6);
        QVERIFY(url->updateTime() > t0);
        copy->fields().at(0)->setValue("changed");
        QCOMPARE(templ.fields().at(0)->value(), QString(""));
    }

    void stampChangesUnchanged()
    {
        const auto stored = login({"alice", "pw", "", ""});
        auto edited = login({"alice", "pw", "", ""});
        QVERIFY(!stored->stampChanges(*edited));
        QCOMPARE(edited->updateTime(), t0);
        for (const Field *field : edited->fields())
            QCOMPARE(field->updateTime(), t0);
    }

    void stampChangesOneValue()
    {
        const auto stored = login({"alice", "pw", "", ""});
        auto edited = login({"alice", "new", "", ""});
        QVERIFY(stored->stampChanges(*edited));
        QVERIFY(edited->updateTime() > t0);
        QCOMPARE(edited->fields().at(1)->updateTime(), edited->updateTime());
        QCOMPARE(edited->fields().at(0)->updateTime(), t0);
        QCOMPARE(edited->fields().at(2)->updateTime(), t0);
    }

    void stampChangesHead_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<int>("icon");
        // clang-format off
        QTest::newRow("title") << "Mail2" << "" << 21;
        QTest::newRow("notes") << "Mail" << "n" << 21;
        QTest::newRow("icon") << "Mail" << "" << 3;
        // clang-format on
    }

    void stampChangesHead()
    {
        QFETCH(QString, title);
        QFETCH(QString, notes);
        QFETCH(int, icon);
        const auto stored = login({"a"});
        auto edited = login({"a"}, t0, title, notes);
        edited->setIconId(icon);
        QVERIFY(stored->stampChanges(*edited));
        QVERIFY(edited->updateTime() > t0);
        QCOMPARE(edited->fields().at(0)->updateTime(), t0);
    }

    void stampChangesIgnoresLabels()
    {
        const auto stored = login({"a"});
        Card edited("uuid-1", t0, "login.default", 21, "Mail", "");
        edited.addField(0, t0, "Another label", "a", 5, true);
        QVERIFY(!stored->stampChanges(edited));
    }

    void isEquivalent_data()
    {
        QTest::addColumn<QStringList>("mine");
        QTest::addColumn<QString>("myNotes");
        QTest::addColumn<QStringList>("theirs");
        QTest::addColumn<QString>("theirTitle");
        QTest::addColumn<QString>("theirNotes");
        QTest::addColumn<bool>("expected");
        // clang-format off
        QTest::newRow("identical") << QStringList{"a", "b"} << "" << QStringList{"a", "b"} << "Mail" << "" << true;
        QTest::newRow("notes on one side") << QStringList{"a"} << "n" << QStringList{"a"} << "Mail" << "" << true;
        QTest::newRow("notes differ") << QStringList{"a"} << "n" << QStringList{"a"} << "Mail" << "m" << false;
        QTest::newRow("blank value pairs") << QStringList{"a", ""} << "" << QStringList{"", "b"} << "Mail" << "" << true;
        QTest::newRow("value differs") << QStringList{"a"} << "" << QStringList{"b"} << "Mail" << "" << false;
        QTest::newRow("title case differs") << QStringList{"a"} << "" << QStringList{"a"} << "mail" << "" << false;
        QTest::newRow("other has fewer fields") << QStringList{"a", "b", "c", "d"} << "" << QStringList{"a", "b", ""} << "Mail" << "" << true;
        // clang-format on
    }

    void isEquivalent()
    {
        QFETCH(QStringList, mine);
        QFETCH(QString, myNotes);
        QFETCH(QStringList, theirs);
        QFETCH(QString, theirTitle);
        QFETCH(QString, theirNotes);
        QFETCH(bool, expected);
        const auto a = login(mine, t0, "Mail", myNotes);
        const auto b = login(theirs, t1, theirTitle, theirNotes);
        b->setIconId(7);
        QCOMPARE(a->isEquivalent(*b), expected);
    }

    void mergeNewerTakesNewerHead()
    {
        auto mine = login({"a", "b"}, t0, "Old", "old notes");
        auto theirs = login({"x", "y"}, t1, "New", "new notes");
        theirs->setIconId(5);
        mine->mergeNewer(*theirs);
        QCOMPARE(mine->title(), QString("New"));
        QCOMPARE(mine->notes(), QString("new notes"));
        QCOMPARE(mine->iconId(), 5);
        QCOMPARE(mine->updateTime(), t1);
        QCOMPARE(values(*mine), (QStringList{"x", "y"}));
        QCOMPARE(mine->uuid(), QString("uuid-1"));
    }

    void mergeNewerFieldByField()
    {
        auto mine = login({"a", "b"}, t1, "Mine");
        auto theirs = login({"x", "y"}, t1, "Theirs");
        theirs->fields().at(1)->setUpdateTime(t2);
        mine->mergeNewer(*theirs);
        QCOMPARE(mine->title(), QString("Mine"));
        QCOMPARE(mine->updateTime(), t1);
        QCOMPARE(values(*mine), (QStringList{"a", "y"}));
        QCOMPARE(mine->fields().at(1)->updateTime(), t2);
    }

    void mergeNewerWithFewerFieldsOnTheOtherSide()
    {
        auto mine = login({"a", "b", "c", "d"}, t0);
        auto theirs = login({"x", "y", "z"}, t2);
        mine->mergeNewer(*theirs);
        QCOMPARE(values(*mine), (QStringList{"x", "y", "z", "d"}));
    }

    void fillBlanks()
    {
        auto mine = login({"a", "", ""}, t0, "Mail", "");
        auto theirs = login({"x", "y", ""}, t1, "Other", "their notes");
        theirs->setIconId(9);
        mine->fillBlanks(*theirs);
        QCOMPARE(values(*mine), (QStringList{"a", "y", ""}));
        QCOMPARE(mine->title(), QString("Mail"));
        QCOMPARE(mine->notes(), QString("their notes"));
        QCOMPARE(mine->iconId(), 9);
        QVERIFY(mine->updateTime() > t1);
        QCOMPARE(mine->fields().at(1)->updateTime(), mine->updateTime());
        QCOMPARE(mine->fields().at(0)->updateTime(), t0);
    }

    void fillBlanksKeepsOlderIconAndTimeWhenNothingIsEmpty()
    {
        auto mine = login({"a", "b"}, t1, "Mail", "n");
        auto theirs = login({"x", ""}, t0, "Mail", "m");
        theirs->setIconId(9);
        mine->fillBlanks(*theirs);
        QCOMPARE(mine->iconId(), 21);
        QCOMPARE(mine->updateTime(), t1);
        QCOMPARE(values(*mine), (QStringList{"a", "b"}));
        QCOMPARE(mine->notes(), QString("n"));
    }

    void fillBlanksFromFewerFields()
    {
        auto mine = login({"", "", "", ""}, t0);
        auto theirs = login({"u", "p", "e"}, t0);
        mine->fillBlanks(*theirs);
        QCOMPARE(values(*mine), (QStringList{"u", "p", "e", ""}));
    }
};

QTEST_GUILESS_MAIN(TestCard)
#include "TestCard.moc"
