#include "common/TestCards.h"
#include "model/Card.h"
#include "model/TextUtils.h"

#include <QtTest>

#include <algorithm>
#include <numeric>

namespace {

const QDateTime t1 = t0.addSecs(60);
const QDateTime t2 = t0.addSecs(120);

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

    // The sort orders as the collator compares, in the user's language, and runs in two halves that are
    // merged: ties keep their order across the halves, either way round.
    void sortCollated_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("descending");
        QTest::newRow("English, ascending") << "en_US" << false;
        QTest::newRow("English, descending") << "en_US" << true;
        QTest::newRow("German") << "de_DE" << false;
        QTest::newRow("Swedish") << "sv_SE" << false;
    }

    void sortCollated()
    {
        QFETCH(QString, locale);
        QFETCH(bool, descending);
        const QStringList words{"Émile", "emile", "Item 10", "item 2", "Zoe", "adam",
                                "Adam",  "Öl",    "Ol",      "x-ray",  "xray"};
        QVector<QString> texts;
        for (int i = 0; i < 101; ++i)
            texts.append(words.at((i * 7) % words.size()));
        QVector<int> rows(texts.size());
        std::iota(rows.rbegin(), rows.rend(), 0);
        QVector<int> expected = rows;
        QCollator collator = titleCollator();
        collator.setLocale(QLocale(locale));
        std::stable_sort(expected.begin(), expected.end(), [&](int left, int right) {
            const int order = collator.compare(texts.at(left), texts.at(right));
            return descending ? order > 0 : order < 0;
        });
        ::sortCollated(rows, texts, collator, descending);
        QCOMPARE(rows, expected);
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

    // Only changed values are stamped, with the card's new time; a head change stamps the card alone.
    void stampChanges_data()
    {
        QTest::addColumn<QStringList>("edited");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("stampedField");
        // clang-format off
        QTest::newRow("unchanged") << QStringList{"alice", "pw", ""} << "Mail" << "" << 21 << false << -1;
        QTest::newRow("one value") << QStringList{"alice", "new", ""} << "Mail" << "" << 21 << true << 1;
        QTest::newRow("title") << QStringList{"alice", "pw", ""} << "Mail2" << "" << 21 << true << -1;
        QTest::newRow("notes") << QStringList{"alice", "pw", ""} << "Mail" << "n" << 21 << true << -1;
        QTest::newRow("icon") << QStringList{"alice", "pw", ""} << "Mail" << "" << 3 << true << -1;
        // clang-format on
    }

    void stampChanges()
    {
        QFETCH(QStringList, edited);
        QFETCH(QString, title);
        QFETCH(QString, notes);
        QFETCH(int, icon);
        QFETCH(bool, changed);
        QFETCH(int, stampedField);
        const auto stored = makeCard("uuid-1", "Mail", {"alice", "pw", ""});
        auto card = makeCard("uuid-1", title, edited, t0, notes);
        card->setIconId(icon);
        QCOMPARE(stored->stampChanges(*card), changed);
        QCOMPARE(card->updateTime() > t0, changed);
        for (int i = 0; i < card->fieldCount(); ++i)
            QCOMPARE(card->fields().at(i)->updateTime(), i == stampedField ? card->updateTime() : t0);
    }

    void stampChangesIgnoresLabels()
    {
        const auto stored = makeCard("uuid-1", "Mail", {"a"});
        Card edited("uuid-1", t0, "login.default", 21, "Mail", "");
        edited.addField(0, t0, "Another label", "a", 5, true);
        QVERIFY(!stored->stampChanges(edited));
    }

    // The stored card (at first "user", "pw", title "Mail", icon 21) takes what the user edited, field by field,
    // and keeps what changed elsewhere meanwhile wherever the user changed nothing.
    void takeEdits_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("edited");
        QTest::addColumn<QString>("editedTitle");
        QTest::addColumn<int>("editedIcon");
        QTest::addColumn<QStringList>("expected");
        // clang-format off
        QTest::newRow("both kept") << QStringList{"outside", "pw"} << QStringList{"user", "mine"} << "Mail" << 21 << QStringList{"outside", "mine"};
        QTest::newRow("same field: user wins") << QStringList{"outside", "pw"} << QStringList{"typed", "pw"} << "Mail" << 21 << QStringList{"typed", "pw"};
        QTest::newRow("nothing edited") << QStringList{"outside", "other"} << QStringList{"user", "pw"} << "Mail" << 21 << QStringList{"outside", "other"};
        QTest::newRow("title and icon edited") << QStringList{"user", "pw"} << QStringList{"user", "pw"} << "Web" << 5 << QStringList{"user", "pw"};
        QTest::newRow("field added") << QStringList{"outside", "pw"} << QStringList{"user", "pw", "a@b"} << "Mail" << 21 << QStringList{"outside", "pw", "a@b"};
        QTest::newRow("emptied by the user") << QStringList{"outside", "pw"} << QStringList{"user", ""} << "Mail" << 21 << QStringList{"outside", ""};
        // clang-format on
    }

    void takeEdits()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, edited);
        QFETCH(QString, editedTitle);
        QFETCH(int, editedIcon);
        QFETCH(QStringList, expected);
        const auto base = makeCard("uuid-1", "Mail", {"user", "pw"});
        auto card = makeCard("uuid-1", "Outside", stored, t1, "outside notes");
        card->setIconId(9);
        const auto mine = makeCard("uuid-1", editedTitle, edited, t0);
        mine->setIconId(editedIcon);
        card->takeEdits(*base, *mine);
        QCOMPARE(values(*card), expected);
        QCOMPARE(card->title(), editedTitle == "Mail" ? QString("Outside") : editedTitle);
        QCOMPARE(card->notes(), QString("outside notes"));
        QCOMPARE(card->iconId(), editedIcon == 21 ? 9 : editedIcon);
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
        const auto a = makeCard("uuid-1", "Mail", mine, t0, myNotes);
        const auto b = makeCard("uuid-1", theirTitle, theirs, t1, theirNotes);
        b->setIconId(7);
        QCOMPARE(a->isEquivalent(*b), expected);
    }

    // The newer side gives the head; each field comes from the side where it is newer.
    void mergeNewer_data()
    {
        QTest::addColumn<QStringList>("mine");
        QTest::addColumn<QDateTime>("myTime");
        QTest::addColumn<QStringList>("theirs");
        QTest::addColumn<QDateTime>("theirTime");
        QTest::addColumn<QDateTime>("theirField1Time");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("theirHead");
        // clang-format off
        QTest::newRow("newer head") << QStringList{"a", "b"} << t0 << QStringList{"x", "y"} << t1 << t1 << QStringList{"x", "y"} << true;
        QTest::newRow("field by field") << QStringList{"a", "b"} << t1 << QStringList{"x", "y"} << t1 << t2 << QStringList{"a", "y"} << false;
        QTest::newRow("fewer fields there") << QStringList{"a", "b", "c", "d"} << t0 << QStringList{"x", "y", "z"} << t2 << t2 << QStringList{"x", "y", "z", "d"} << true;
        // clang-format on
    }

    void mergeNewer()
    {
        QFETCH(QStringList, mine);
        QFETCH(QDateTime, myTime);
        QFETCH(QStringList, theirs);
        QFETCH(QDateTime, theirTime);
        QFETCH(QDateTime, theirField1Time);
        QFETCH(QStringList, expected);
        QFETCH(bool, theirHead);
        auto card = makeCard("uuid-1", "Mine", mine, myTime, "my notes");
        auto other = makeCard("uuid-1", "Theirs", theirs, theirTime, "their notes");
        other->setIconId(5);
        other->fields().at(1)->setUpdateTime(theirField1Time);
        card->mergeNewer(*other);
        QCOMPARE(card->title(), QString(theirHead ? "Theirs" : "Mine"));
        QCOMPARE(card->notes(), QString(theirHead ? "their notes" : "my notes"));
        QCOMPARE(card->iconId(), theirHead ? 5 : 21);
        QCOMPARE(card->updateTime(), theirHead ? theirTime : myTime);
        QCOMPARE(values(*card), expected);
        QCOMPARE(card->fields().at(1)->updateTime(), qMax(myTime, theirField1Time));
        QCOMPARE(card->uuid(), QString("uuid-1"));
    }

    void fillBlanks()
    {
        auto mine = makeCard("uuid-1", "Mail", {"a", "", ""}, t0, "");
        auto theirs = makeCard("uuid-1", "Other", {"x", "y", ""}, t1, "their notes");
        theirs->setIconId(9);
        mine->fillBlanks(*theirs);
        QCOMPARE(values(*mine), (QStringList{"a", "y", ""}));
        QCOMPARE(mine->title(), QString("Mail"));
        QCOMPARE(mine->notes(), QString("their notes"));
        QCOMPARE(mine->iconId(), 9);
        QVERIFY(mine->updateTime() > t1);
        QCOMPARE(mine->fields().at(1)->updateTime(), mine->updateTime());
        QCOMPARE(mine->fields().at(0)->updateTime(), t0);

        auto blank = makeCard("uuid-1", "Mail", {"", "", "", ""}, t0);
        blank->fillBlanks(*makeCard("uuid-1", "Mail", {"u", "p", "e"}, t0));
        QCOMPARE(values(*blank), (QStringList{"u", "p", "e", ""}));
    }

    void fillBlanksKeepsOlderIconAndTimeWhenNothingIsEmpty()
    {
        auto mine = makeCard("uuid-1", "Mail", {"a", "b"}, t1, "n");
        auto theirs = makeCard("uuid-1", "Mail", {"x", ""}, t0, "m");
        theirs->setIconId(9);
        mine->fillBlanks(*theirs);
        QCOMPARE(mine->iconId(), 21);
        QCOMPARE(mine->updateTime(), t1);
        QCOMPARE(values(*mine), (QStringList{"a", "b"}));
        QCOMPARE(mine->notes(), QString("n"));
    }
};

QTEST_GUILESS_MAIN(TestCard)
#include "TestCard.moc"
