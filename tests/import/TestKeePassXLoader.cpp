#include "ImportTestCase.h"
#include "import/KeePassXLoader.h"

#include <QtTest>

namespace {

// The entries sit outside any group, so that their notes get no group line.
QByteArray document(const QByteArray &entries)
{
    return "<!DOCTYPE KEEPASSX_DATABASE>\n<database>\n" + entries + "</database>\n";
}

QByteArray element(const QByteArray &name, const QByteArray &text)
{
    return "   <" + name + ">" + text + "</" + name + ">\n";
}

// An entry as the export writes it, with the elements that play no part filled in.
QByteArray entry(const QByteArray &title, const QByteArray &password, const QByteArray &creation,
                 const QByteArray &lastmod, const QByteArray &comment = QByteArray())
{
    QByteArray xml = "  <entry>\n" + element("title", title) + element("username", "user")
        + element("password", password) + element("url", "site.example") + element("comment", comment)
        + element("icon", "0");
    if (!creation.isEmpty())
        xml += element("creation", creation);
    xml += element("lastaccess", "2019-01-01T00:00:00");
    if (!lastmod.isEmpty())
        xml += element("lastmod", lastmod);
    return xml + element("expire", "Never") + "  </entry>\n";
}

QByteArray commentEntry(const QByteArray &comment)
{
    return entry("T", "pw", "2017-01-01T00:00:00", "2017-01-01T00:00:00", comment);
}

} // namespace

class TestKeePassXLoader : public ImportTestCase
{
    Q_OBJECT

public:
    TestKeePassXLoader()
        : ImportTestCase([](CardDb *store, const QString &path) { return KeePassXLoader(store, path).importFile(); })
    {
    }

private slots:
    void realisticExport()
    {
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        QVERIFY(import(testData("import/keepassx-export.xml")));
        const qint64 after = QDateTime::currentSecsSinceEpoch();

        const auto cards = m_wallet->importedCards();
        // One card per entry, the newer of the copies in the Backup group, in order of title and
        // creation time, each naming its group in the notes' last line. The untitled entry takes the
        // indentation before its empty title element; an expiry date is kept as an extra field.
        const QStringList expected{
            QString::fromUtf8("\n   ||only a password||Group: Privé"),
            "Forum|ana|pa>ss'word|forum.example.net|Group: Internet",
            "Forum|ana_second|another one||Second account\n\nGroup: Internet",
            "Router|admin|deleted since|http://192.168.1.1|Only the backup copy is left\nGroup: Backup",
            QString::fromUtf8(
                "Schlüsselbund \U0001F511|Ана|密码\U0001F511|file:///home/ana/keys.gpg|2030-01-01T00:00:00|"
                "Key file attached.\nLine two\n  indented line three\nGroup: Privé"),
            QString::fromUtf8("Webmail|ana.lópez@example.org|s3cr<t&\"quoted\"|https://mail.example.org/?a=1&b=2|"
                              "IMAP: imap.example.org:993\nSMTP: smtp.example.org:465\nRecovery codes are in the safe\n"
                              "Group: Internet/Mail"),
        };
        QCOMPARE(contentsOf(cards), expected);
        QCOMPARE(m_wallet->committedImports(), 6);

        QSet<QString> uuids;
        for (const auto &card : cards) {
            QCOMPARE(shapeOf(*card),
                     card->title().startsWith("Schl") ? loginShape + ", 4 Expires 0 plain" : loginShape);
            QCOMPARE(card->uuid().size(), 36);
            uuids.insert(card->uuid());
            QVERIFY(card->updateTime().toSecsSinceEpoch() >= before);
            QVERIFY(card->updateTime().toSecsSinceEpoch() <= after);
        }
        QCOMPARE(uuids.size(), 6);
    }

    // The card text of an imported card, written out by hand: three fields, no E-Mail field.
    void cardText()
    {
        QVERIFY(importText(
            document("  <entry>\n   <title>Mail</title>\n   <username>ana</username>\n   <password>pw</password>\n"
                     "   <url>mail.example</url>\n   <comment>one<br/>two</comment>\n  </entry>\n")));
        const auto cards = m_wallet->importedCards();
        QCOMPARE(int(cards.size()), 1);
        Card &card = *cards.front();
        const QByteArray uuid = card.uuid().toLatin1();
        const QByteArray time = QByteArray::number(card.updateTime().toSecsSinceEpoch());
        QCOMPARE(card.toData(),
                 uuid + "\t" + time
                     + "\tlogin.default\t21\tMail\tone\ntwo\t3\t"
                       "0\t"
                     + time
                     + "\tUsername\tana\t11\t0\t"
                       "1\t"
                     + time
                     + "\tPassword\tpw\t1\t1\t"
                       "3\t"
                     + time + "\tUrl\tmail.example\t6\t0");
    }

    void entries_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QStringList>("expected");

        const QByteArray jan = "2017-01-01T00:00:00";
        const QByteArray feb = "2017-02-01T00:00:00";
        QTest::newRow("later copy wins") << document(entry("T", "old", jan, jan) + entry("T", "new", jan, feb))
                                         << QStringList{exportedCard("T", "new")};
        QTest::newRow("later copy read first") << document(entry("T", "new", jan, feb) + entry("T", "old", jan, jan))
                                               << QStringList{exportedCard("T", "new")};
        QTest::newRow("equal times keep the first")
            << document(entry("T", "first", jan, jan) + entry("T", "second", jan, jan))
            << QStringList{exportedCard("T", "first")};
        QTest::newRow("same title, other creation") << document(entry("T", "a", jan, jan) + entry("T", "b", feb, jan))
                                                    << QStringList{exportedCard("T", "a"), exportedCard("T", "b")};
        QTest::newRow("no creation: one shared key")
            << document(entry("A", "a", "", jan) + entry("B", "b", "", jan)) << QStringList{exportedCard("A", "a")};
        QTest::newRow("no lastmod: the one read before")
            << document(entry("A", "a", jan, feb) + entry("B", "kept", jan, "") + entry("B", "older", jan, jan))
            << QStringList{exportedCard("A", "a"), exportedCard("B", "kept")};
        QTest::newRow("cards in key order")
            << document(entry("b", "1", jan, jan) + entry("a", "2", feb, jan) + entry("a", "3", jan, jan))
            << QStringList{exportedCard("a", "3"), exportedCard("a", "2"), exportedCard("b", "1")};
        QTest::newRow("comment lines") << document(commentEntry("A<br/>B"))
                                       << QStringList{exportedCard("T", "pw", "A\nB")};
        QTest::newRow("two br in a row") << document(commentEntry("A<br/><br/>B"))
                                         << QStringList{exportedCard("T", "pw", "A\nB")};
        QTest::newRow("trailing br") << document(commentEntry("A<br/>")) << QStringList{exportedCard("T", "pw", "A\n")};
        QTest::newRow("leading br") << document(commentEntry("<br/>B")) << QStringList{exportedCard("T", "pw", "B")};
        QTest::newRow("blank comment") << document(commentEntry("   ")) << QStringList{exportedCard("T", "pw")};
        QTest::newRow("blank value left empty, padding kept")
            << document(entry("T", "  ", jan, jan).replace("<username>user", "<username> p "))
            << QStringList{"T| p ||site.example|"};
        QTest::newRow("empty title takes the text before it")
            << document(entry("", "pw", jan, jan)) << QStringList{exportedCard("\n   ", "pw")};
        QTest::newRow("blank title kept")
            << document(entry("  ", "pw", jan, jan)) << QStringList{exportedCard("  ", "pw")};
        QTest::newRow("markup") << document(entry("a &lt;b&gt; &amp; 'c' \"d\" >", "&#60;&#x26;", jan, jan))
                                << QStringList{exportedCard("a <b> & 'c' \"d\" >", "<&")};
        QTest::newRow("beyond U+FFFF") << document(entry("&#x1F511; Keys", "\xf0\x9f\x94\x91", jan, jan))
                                       << QStringList{exportedCard(QString::fromUtf8("\U0001F511 Keys"),
                                                                   QString::fromUtf8("\U0001F511"))};
        QTest::newRow("tabs become blanks") << document(entry("a\tb", "c&#x9;d", jan, jan, "e&#9;f"))
                                            << QStringList{exportedCard("a    b", "c    d", "e    f")};
        QTest::newRow("line break references") << document(entry("T", "pw", jan, jan, "a&#10;b&#13;&#10;c"))
                                               << QStringList{exportedCard("T", "pw", "a\nb\r\nc")};
        QTest::newRow("outside any entry")
            << document("  <title>Stray</title>\n  <password>x</password>\n") << QStringList();
        const QByteArray line(99, 'n');
        const QByteArray longComment = (line + "<br/>").repeated(1000);
        QTest::newRow("100 KB comment") << document(commentEntry(longComment))
                                        << QStringList{exportedCard("T", "pw", QString(line + "\n").repeated(1000))};
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

    // Nothing goes in unless the whole file is a well-formed KeePassX export.
    void badInput_data()
    {
        QTest::addColumn<QByteArray>("xml");
        const QByteArray good
            = document(entry("A", "a", "2017-01-01T00:00:00", "") + entry("B", "b", "2017-01-02T00:00:00", "")
                       + entry("C", "c", "2017-01-03T00:00:00", ""));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("only blanks") << QByteArray("  \n\t\r\n ");
        QTest::newRow("not XML") << QByteArray("title,username,password\nMail,ana,pw\n");
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("truncated") << good.left(good.indexOf("<title>C"));
        QTest::newRow("cut before the end tag") << good.left(good.lastIndexOf("</database>"));
        QTest::newRow("junk after the end") << good + "<database/>";
        QTest::newRow("no document type") << good.mid(good.indexOf("<database>"));
        QTest::newRow("other document type") << QByteArray(good).replace("KEEPASSX_DATABASE", "KEEPASS_DATABASE");
        QTest::newRow("raw control character") << QByteArray(good).replace("<password>b", "<password>\x01");
        QTest::newRow("forbidden reference") << QByteArray(good).replace("<password>b", "<password>&#x1;");
        QTest::newRow("undeclared entity") << QByteArray(good).replace("<password>b", "<password>&nbsp;");
        QTest::newRow("KeePass export") << fileBytes(testData("import/keepass2-export.xml"));
        QTest::newRow("Password Safe export") << fileBytes(testData("import/passwordsafe-export.xml"));
    }

    void badInput()
    {
        QFETCH(QByteArray, xml);
        QVERIFY(!importText(xml));
        QCOMPARE(m_wallet->committedImports(), 0);
    }

    void missingFile()
    {
        QVERIFY(!import(newPath(QStringLiteral("missing.xml"))));
        QCOMPARE(m_wallet->committedImports(), 0);
    }

    void largeExport()
    {
        QByteArray entries;
        constexpr int count = 20000;
        for (int i = 0; i < count; ++i) {
            entries += entry("Account " + QByteArray::number(i), "pw" + QByteArray::number(i),
                             QDateTime::fromSecsSinceEpoch(1400000000 + i).toString(Qt::ISODate).toLatin1(), "");
        }
        QVERIFY(importText(document(entries)));
        QCOMPARE(m_wallet->committedImports(), count);
        const auto cards = m_wallet->importedCards();
        QCOMPARE(contentOf(*cards.front()), exportedCard("Account 0", "pw0"));
        QCOMPARE(contentOf(*cards.back()), exportedCard("Account 9999", "pw9999"));
    }
};

QTEST_GUILESS_MAIN(TestKeePassXLoader)
#include "TestKeePassXLoader.moc"
