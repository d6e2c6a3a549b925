#include "model/Card.h"

#include <QtTest>

namespace {

const QDateTime t = QDateTime::fromSecsSinceEpoch(1330000000);
const QString uuid = "3f2504e0-4f89-41d3-9a0c-0305e82c3301";

QByteArray tabbed(const QStringList &columns)
{
    return columns.join('\t').toUtf8();
}

std::unique_ptr<Card> decode(const QByteArray &data)
{
    auto card = std::make_unique<Card>();
    card->fromData(data);
    return card;
}

} // namespace

class TestCardText : public QObject
{
    Q_OBJECT

private slots:
    // The 31 columns of a login card as the phone application writes them, typed out by hand.
    void loginCardBytes()
    {
        Card card(uuid, t, "login.default", 21, "Mail", "");
        card.addField(0, t, "Username", "alice", 11, false);
        card.addField(1, t, "Password", "", 1, true);
        card.addField(2, t, "E-Mail", "", 5, false);
        card.addField(3, t, "Url", "", 6, false);
        const QByteArray expected = "3f2504e0-4f89-41d3-9a0c-0305e82c3301\t1330000000\tlogin.default\t21\tMail\t\t4\t"
                                    "0\t1330000000\tUsername\talice\t11\t0\t"
                                    "1\t1330000000\tPassword\t\t1\t1\t"
                                    "2\t1330000000\tE-Mail\t\t5\t0\t"
                                    "3\t1330000000\tUrl\t\t6\t0";
        QCOMPARE(card.toData(), expected);
    }

    void writtenBytes_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray head = "u\t1330000000\tt\t";
        // clang-format off
        QTest::newRow("no fields") << "T" << "" << 3 << QString() << QByteArray(head + "3\tT\t\t0");
        QTest::newRow("tab removed from title") << "a\tb" << "" << 3 << QString() << QByteArray(head + "3\tab\t\t0");
        QTest::newRow("line breaks in notes") << "T" << "one\r\ntwo\nthree" << 3 << QString() << QByteArray(head + "3\tT\tone\r\ntwo\nthree\t0");
        QTest::newRow("negative icon") << "T" << "" << -1 << QString() << QByteArray(head + "-1\tT\t\t0");
        QTest::newRow("percent and digit") << "100%1 sure" << "" << 3 << "ab%5x" << QByteArray(head + "3\t100%1 sure\t\t1\t0\t1330000000\tL\tab%5x\t0\t0");
        QTest::newRow("tab in value") << "T" << "" << 3 << "a\tb" << QByteArray(head + "3\tT\t\t1\t0\t1330000000\tL\ta    b\t0\t0");
        QTest::newRow("accents") << "Épargne" << "" << 3 << "päss" << QByteArray(head + "3\t\xc3\x89pargne\t\t1\t0\t1330000000\tL\tp\xc3\xa4ss\t0\t0");
        QTest::newRow("chinese") << "银行" << "" << 3 << QString() << QByteArray(head + "3\t\xe9\x93\xb6\xe8\xa1\x8c\t\t0");
        QTest::newRow("emoji") << "key \U0001F511" << "" << 3 << QString() << QByteArray(head + "3\tkey \xf0\x9f\x94\x91\t\t0");
        QTest::newRow("zeros removed") << QString("a") + QChar(0) + "b" << QString("n") + QChar(0) << 3 << QString("c") + QChar(0) + "\td" << QByteArray(head + "3\tab\tn\t1\t0\t1330000000\tL\tc    d\t0\t0");
        // clang-format on
    }

    void writtenBytes()
    {
        QFETCH(QString, title);
        QFETCH(QString, notes);
        QFETCH(int, icon);
        QFETCH(QString, value);
        QFETCH(QByteArray, expected);
        Card card("u", t, "t", icon, title, notes);
        if (!value.isNull())
            card.addField(0, t, "L", value, 0, false);
        QCOMPARE(card.toData(), expected);
        QVERIFY(!card.title().contains('\t'));
        // Read back, each column lands where it was: the card writes the same bytes again.
        QCOMPARE(decode(expected)->toData(), expected);
    }

    // Each column lands where it belongs: writing the card again, whose bytes are pinned above, gives
    // back the text read.
    void readsEveryColumn()
    {
        const QByteArray text = "id\t1330000000\tcreditcard.visa\t13\tVisa\tnote\t2\t"
                                "4\t1330000060\tCVC\t123\t2\t1\t"
                                "5\t1330000120\t\t\t8\t0";
        QCOMPARE(decode(text)->toData(), text);
    }

    // Times are whole seconds kept to 32 bits; any sensitivity but 0 counts as sensitive.
    void readsTimesAndSensitivity_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("sensitive");
        QTest::addColumn<bool>("isSensitive");
        // clang-format off
        QTest::newRow("whole, 1") << "1330000000" << qint64(1330000000) << "1" << true;
        QTest::newRow("fraction truncated, 2") << "1330000000.9" << qint64(1330000000) << "2" << true;
        QTest::newRow("not a number, 0") << "abc" << qint64(0) << "0" << false;
        QTest::newRow("empty, x") << "" << qint64(0) << "x" << false;
        QTest::newRow("beyond 32 bits wraps, missing") << "4294967297" << qint64(1) << "" << false;
        QTest::newRow("negative wraps") << "-1" << qint64(4294967295) << "1" << true;
        // clang-format on
    }

    void readsTimesAndSensitivity()
    {
        QFETCH(QString, time);
        QFETCH(qint64, seconds);
        QFETCH(QString, sensitive);
        QFETCH(bool, isSensitive);
        const auto card = decode(tabbed({"u", time, "t", "1", "T", "", "1", "0", time, "L", "v", "1", sensitive}));
        QCOMPARE(card->updateTime().toSecsSinceEpoch(), seconds);
        QCOMPARE(card->fields().at(0)->updateTime().toSecsSinceEpoch(), seconds);
        QCOMPARE(card->fields().at(0)->sensitive(), isSensitive);
    }

    void damagedTexts_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("fields");
        QTest::addColumn<QString>("lastValue");
        QTest::addColumn<bool>("wellFormed");
        // clang-format off
        QTest::newRow("empty text") << QByteArray() << 0 << QString() << false;
        QTest::newRow("count 0 with extra columns") << tabbed({"u", "0", "t", "1", "T", "", "0", "0", "0", "L", "v", "0", "0"}) << 0 << QString() << true;
        QTest::newRow("negative count") << tabbed({"u", "0", "t", "1", "T", "", "-3", "0"}) << 0 << QString() << false;
        QTest::newRow("extra columns ignored") << tabbed({"u", "0", "t", "1", "T", "", "1", "0", "0", "L", "v", "0", "0", "junk", "more"}) << 1 << "v" << true;
        QTest::newRow("last field cut short") << tabbed({"u", "0", "t", "1", "T", "", "2", "0", "0", "L", "v", "0", "0", "1", "0", "M"}) << 2 << "" << false;
        QTest::newRow("count beyond the text") << tabbed({"u", "0", "t", "1", "T", "", "2000000000"}) << 0 << QString() << false;
        QTest::newRow("zero byte ends the text") << QByteArray("u\t0\tt\t1\tT\t\t1\t0\t0\tL\tv\0junk", 23) << 1 << "v" << false;
        QTest::newRow("not UTF-8 early") << QByteArray("u\t0\tt\t1\tT\xff\t\t0") << 0 << QString() << false;
        QTest::newRow("not UTF-8 in the last bytes") << QByteArray("u\t0\tt\t1\tTitle\t\t1\t0\t0\tL\tv\xc3\t0\t0") << 1 << "v\ufffd" << false;
        QTest::newRow("UTF-8 in the last bytes") << QByteArray("u\t0\tt\t1\tTitle\t\t1\t0\t0\tL\tv\xc3\xa4\t0\t0") << 1 << "v\u00e4" << true;
        // clang-format on
    }

    void damagedTexts()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, fields);
        QFETCH(QString, lastValue);
        QFETCH(bool, wellFormed);
        Card card;
        QCOMPARE(card.fromData(data), wellFormed);
        QCOMPARE(card.fieldCount(), fields);
        if (data.isEmpty())
            QCOMPARE(card.toData(), QByteArray("\t0\t\t0\t\t\t0"));
        if (fields > 0)
            QCOMPARE(card.fields().last()->value(), lastValue);
    }

    void roundTripKeepsEverything()
    {
        Card card(uuid, t, "finance.bankaccount", 45, "Bank 中国 🏦", "line 1\nline 2");
        card.addField(0, t, "Owner", "Zoë", 0, false);
        card.addField(1, t.addSecs(5), "", "", 8, false);
        card.addField(2, t.addSecs(9), "Card PIN", "0042", 2, true);
        const auto read = decode(card.toData());
        QCOMPARE(read->toData(), card.toData());
        QCOMPARE(read->fields().at(2)->updateTime(), t.addSecs(9));
    }
};

QTEST_GUILESS_MAIN(TestCardText)
#include "TestCardText.moc"
