#include "ImportTestCase.h"
#include "import/PSafeLoader.h"

#include <QtTest>

namespace {

QByteArray header(const QByteArray &delimiterAttribute)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?xml-stylesheet type=\"text/xsl\" href=\"pwsafe.xsl\"?>\n\n"
           "<passwordsafe\n"
        + delimiterAttribute + "Database=\"/home/ana/test.psafe3\"\nExportTimeStamp=\"2021-02-14T18:30:05\">\n";
}

QByteArray document(const QByteArray &entries, const QByteArray &delimiter = "\xc2\xbb")
{
    return header("delimiter=\"" + delimiter + "\"\n") + entries + "</passwordsafe>\n";
}

QByteArray field(const QByteArray &name, const QByteArray &value)
{
    return "\t\t<" + name + "><![CDATA[" + value + "]]></" + name + ">\n";
}

QByteArray entryOf(const QByteArray &children)
{
    return "\t<entry id=\"1\" normal=\"true\">\n" + children + "\t</entry>\n";
}

// An entry outside any group as the export writes it, with the fields that play no part filled in.
QByteArray entry(const QByteArray &title, const QByteArray &password, const QByteArray &notes = QByteArray())
{
    return entryOf(field("title", title) + field("username", "user") + field("password", password)
                   + field("url", "site.example") + (notes.isEmpty() ? QByteArray() : field("notes", notes))
                   + field("uuid", "0f1e2d3c4b5a69788796a5b4c3d2e1f0") + "\t\t<ctimex>2020-01-01T10:00:00</ctimex>\n");
}

} // namespace

class TestPSafeLoader : public ImportTestCase
{
    Q_OBJECT

public:
    TestPSafeLoader()
        : ImportTestCase([](CardDb *store, const QString &path) { return PSafeLoader(store, path).importFile(); })
    {
    }

private slots:
    void realisticExport()
    {
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        QVERIFY(import(testData("import/passwordsafe-export.xml")));
        const qint64 after = QDateTime::currentSecsSinceEpoch();

        // Every entry in file order, but the second of two identical ones; the delimiter is a line break
        // only in notes.
        const QStringList expected{
            "Work mail|ana.lopez|x]]>y<z&w|https://mail.example.com/owa/?realm=example.com&lang=de|"
            "Server: mail.example.com\nPort: 993 (IMAPS)\n\nAsk IT for the second factor.\n\nGroup: Emails/WS",
            QString::fromUtf8("Schlüsselbund \U0001F511 Ψηφιακό κλειδί|Ана|密码\U0001F511||Zeile eins\nZeile zwei\n"
                              "Group: Privat"),
            "Only a title||||",
            QString::fromUtf8("Books»Music|ana»reader|p»w|https://shop.example/»/|Group: Shop"),
            "Old forum|  ana  | old one ||Group: Archive",
        };
        const auto cards = m_wallet->importedCards();
        QCOMPARE(contentsOf(cards), expected);
        QCOMPARE(m_wallet->committedImports(), 5);
        for (const auto &card : cards) {
            QCOMPARE(shapeOf(*card), loginShape);
            QVERIFY(card->updateTime().toSecsSinceEpoch() >= before);
            QVERIFY(card->updateTime().toSecsSinceEpoch() <= after);
        }
    }

    void entries_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("identical entries")
            << document(entry("T", "pw") + entry("T", "pw")) << QStringList{exportedCard("T", "pw")};
        QTest::newRow("group path") << document(entryOf(field("group", "Web.Shops") + field("title", "T")))
                                    << QStringList{"T||||Group: Web/Shops"};
        QTest::newRow("file order") << document(entry("b", "1") + entry("a", "2"))
                                    << QStringList{exportedCard("b", "1"), exportedCard("a", "2")};
        QTest::newRow("notes lines") << document(entry("T", "pw",
                                                       "a\xc2\xbb"
                                                       "b\xc2\xbb\xc2\xbb"
                                                       "c\xc2\xbb"))
                                     << QStringList{exportedCard("T", "pw", "a\nb\n\nc\n")};
        QTest::newRow("delimiter only in notes")
            << document(entry("a\xc2\xbb"
                              "b",
                              "c\xc2\xbb"
                              "d"))
            << QStringList{exportedCard(QString::fromUtf8("a»b"), QString::fromUtf8("c»d"))};
        QTest::newRow("other delimiter") << document(entry("T", "pw",
                                                           "a^b\xc2\xbb"
                                                           "c"),
                                                     "^")
                                         << QStringList{exportedCard("T", "pw", QString::fromUtf8("a\nb»c"))};
        QTest::newRow("longer delimiter")
            << document(entry("T", "pw", "a::b:c"), "::") << QStringList{exportedCard("T", "pw", "a\nb:c")};
        QTest::newRow("empty delimiter") << document(entry("T", "pw",
                                                           "a\xc2\xbb"
                                                           "b"),
                                                     "")
                                         << QStringList{exportedCard("T", "pw", QString::fromUtf8("a»b"))};
        QTest::newRow("no delimiter") << header(QByteArray())
                + entry("T", "pw",
                        "a\xc2\xbb"
                        "b")
                + "</passwordsafe>" << QStringList{exportedCard("T", "pw", QString::fromUtf8("a»b"))};
        QTest::newRow("only title and password")
            << document(entryOf(field("title", "T") + field("password", ""))) << QStringList{"T||||"};
        QTest::newRow("no password") << document(entryOf(field("title", "T"))) << QStringList{"T||||"};
        QTest::newRow("blank values left empty") << document(
            entryOf(field("title", "  ") + field("username", " \t ") + field("password", "\n") + field("notes", " ")))
                                                 << QStringList{"||||"};
        QTest::newRow("padding kept") << document(entry(" T ", "  pw  ")) << QStringList{exportedCard(" T ", "  pw  ")};
        QTest::newRow("password holding ]]>")
            << document(entry("T", "]]]]><![CDATA[>a]]]]><![CDATA[>")) << QStringList{exportedCard("T", "]]>a]]>")};
        QTest::newRow("text around CDATA")
            << document(entryOf("\t\t<title>a<![CDATA[b]]>&#x1F511;<![CDATA[c]]></title>\n"))
            << QStringList{QString::fromUtf8("ab\U0001F511c||||")};
        QTest::newRow("fields the table does not name") << document(
            entryOf(field("title", "T") + field("email", "a@b.example") + field("autotype", "\\u\\t\\p\\n")
                    + "\t\t<pwhistory><history_entries><history_entry>"
                      "<oldpassword><![CDATA[old]]></oldpassword></history_entry></history_entries></pwhistory>\n"
                      "\t\t<ctime><date>2009-07-19</date><time>21:04:11</time></ctime>\n"))
                                                        << QStringList{"T||||"};
        QTest::newRow("preferences and comments first")
            << document("\t<Preferences><PWDefaultLength>20</PWDefaultLength></Preferences>\n\t<!-- entries -->\n"
                        "\t<EmptyGroups><EGName><![CDATA[Old]]></EGName></EmptyGroups>\n"
                        + entry("T", "pw"))
            << QStringList{exportedCard("T", "pw")};
        QTest::newRow("tabs become blanks")
            << document(entry("a\tb", "c\td", "e\tf")) << QStringList{exportedCard("a    b", "c    d", "e    f")};
        QTest::newRow("beyond U+FFFF") << document(entry("\xf0\x9f\x94\x91", "x"))
                                       << QStringList{exportedCard(QString::fromUtf8("\U0001F511"), "x")};
        QTest::newRow("no entries") << document(QByteArray()) << QStringList();
        const QByteArray line(99, 'n');
        QTest::newRow("100 KB notes") << document(entry("T", "pw", (line + "\xc2\xbb").repeated(1000)))
                                      << QStringList{exportedCard("T", "pw", QString(line + '\n').repeated(1000))};
    }

    void entries()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QStringList, expected);
        QVERIFY(importText(xml));
        const auto cards = m_wallet->importedCards();
        QCOMPARE(contentsOf(cards), expected);
        for (const auto &card : cards)
            QCOMPARE(shapeOf(*card), loginShape);
        QCOMPARE(m_wallet->committedImports(), expected.size());
    }

    // The cards of the entries read before the damage stay; nothing else goes in.
    void badInput_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<int>("kept");
        const QByteArray good = document(entry("A", "a") + entry("B", "b") + entry("C", "c"));
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("only blanks") << QByteArray(" \n\t ") << 0;
        QTest::newRow("not XML") << QByteArray("Title\tUser\tPassword\nMail\tana\tpw\n") << 0;
        QTest::newRow("other root") << QByteArray(good).replace("passwordsafe", "passwordsafe3") << 0;
        QTest::newRow("KeePass export") << fileBytes(testData("import/keepass2-export.xml")) << 0;
        QTest::newRow("KeePassX export") << fileBytes(testData("import/keepassx-export.xml")) << 0;
        QTest::newRow("error in the first entry") << QByteArray(good).replace("[A]", "[\x02]") << 0;
        QTest::newRow("truncated in the third entry") << good.left(good.indexOf("[C]")) << 2;
        QTest::newRow("raw control character") << QByteArray(good).replace("[c]", "[\x0c]") << 2;
        QTest::newRow("forbidden reference") << QByteArray(good).replace("<![CDATA[C]]>", "&#xFFFF;") << 2;
        QTest::newRow("cut before the end tag") << good.left(good.indexOf("</passwordsafe>")) << 3;
        QTest::newRow("junk after the end") << good + "<passwordsafe/>" << 3;
    }

    void badInput()
    {
        QFETCH(QByteArray, xml);
        QFETCH(int, kept);
        QVERIFY(!importText(xml));
        QCOMPARE(m_wallet->committedImports(), kept);
        const QStringList expected
            = QStringList{exportedCard("A", "a"), exportedCard("B", "b"), exportedCard("C", "c")}.mid(0, kept);
        QCOMPARE(contentsOf(m_wallet->importedCards()), expected);
    }

    void missingFile()
    {
        QVERIFY(!import(newPath(QStringLiteral("missing.xml"))));
        QCOMPARE(m_wallet->committedImports(), 0);
    }

    // A card the wallet refuses undoes the whole import.
    void refusedCard()
    {
        QVERIFY(SqlPeek(m_wallet->store()->path())
                    .exec("CREATE TRIGGER refuse BEFORE INSERT ON Cards WHEN NEW.Title = 'Refused' "
                          "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        QVERIFY(!importText(document(entry("A", "a") + entry("Refused", "r") + entry("Z", "z"))));
        QCOMPARE(m_wallet->committedImports(), 0);
    }

    void largeExport()
    {
        constexpr int count = 20000;
        QByteArray entries;
        for (int i = 0; i < count; ++i)
            entries += entry("Account " + QByteArray::number(i), "pw" + QByteArray::number(i), "line\xc2\xbbline");
        QVERIFY(importText(document(entries)));
        QCOMPARE(m_wallet->committedImports(), count);
        const auto cards = m_wallet->importedCards();
        QCOMPARE(contentOf(*cards.front()), exportedCard("Account 0", "pw0", "line\nline"));
        QCOMPARE(contentOf(*cards.back()), exportedCard("Account 19999", "pw19999", "line\nline"));
    }
};

QTEST_GUILESS_MAIN(TestPSafeLoader)
#include "TestPSafeLoader.moc"
