#include "ImportTestCase.h"
#include "import/KeePassLoader.h"

#include <QtTest>

namespace {

QByteArray document(const QByteArray &entries)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\n<KeePassFile>\n\t<Meta>\n"
           "\t\t<Generator>KeePass</Generator>\n\t\t<HistoryMaxItems>10</HistoryMaxItems>\n\t</Meta>\n\t<Root>\n"
           "\t\t<Group>\n\t\t\t<Name>General</Name>\n"
        + entries + "\t\t</Group>\n\t\t<DeletedObjects />\n\t</Root>\n</KeePassFile>\n";
}

QByteArray string(const QByteArray &key, const QByteArray &value)
{
    return "\t\t\t\t<String>\n\t\t\t\t\t<Key>" + key + "</Key>\n\t\t\t\t\t<Value>" + value
        + "</Value>\n\t\t\t\t</String>\n";
}

QByteArray times(const QByteArray &creation, const QByteArray &lastModification)
{
    return "\t\t\t\t<Times>\n\t\t\t\t\t<CreationTime>" + creation + "</CreationTime>\n\t\t\t\t\t<LastModificationTime>"
        + lastModification + "</LastModificationTime>\n\t\t\t\t\t<Expires>False</Expires>\n\t\t\t\t</Times>\n";
}

QByteArray entryOf(const QByteArray &children, const QByteArray &history = QByteArray())
{
    return "\t\t\t<Entry>\n\t\t\t\t<UUID>AAAAAAAAAAAAAAAAAAAAAA==</UUID>\n" + children
        + "\t\t\t\t<AutoType>\n\t\t\t\t\t<Enabled>True</Enabled>\n\t\t\t\t</AutoType>\n"
        + (history.isEmpty() ? QByteArray("\t\t\t\t<History />\n")
                             : "\t\t\t\t<History>\n" + history + "\t\t\t\t</History>\n")
        + "\t\t\t</Entry>\n";
}

// An entry as the export writes it: times first, then the strings in key order.
QByteArray entry(const QByteArray &title, const QByteArray &password,
                 const QByteArray &creation = "2019-01-01T00:00:00Z",
                 const QByteArray &lastModification = "2019-01-01T00:00:00Z", const QByteArray &history = QByteArray())
{
    return entryOf(times(creation, lastModification) + string("Notes", "") + string("Password", password)
                       + string("Title", title) + string("URL", "site.example") + string("UserName", "user"),
                   history);
}

} // namespace

class TestKeePassLoader : public ImportTestCase
{
    Q_OBJECT

public:
    TestKeePassLoader()
        : ImportTestCase([](CardDb *store, const QString &path) { return KeePassLoader(store, path).importFile(); })
    {
    }

private slots:
    // Entries of the recycle bin go to the trash (marked here), custom strings become extra fields,
    // and the group below the root is the notes' last line.
    void exports_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("summary");

        // The newest of the two Router copies (the one in the recycle bin) is kept; the earlier versions
        // in the Sparkasse entry's history are not imported; the attachment is ignored.
        QTest::newRow("household")
            << "keepass2-export.xml"
            << QStringList{
                   QString::fromUtf8("Sparkasse Köln|ana.lopez|Grüße&Küsse#2020|"
                                     "https://www.sparkasse-koelnbonn.example/de/home.html?login=1&lang=de|4711-0815|"
                                     "PIN letter arrived on 1 March.\nCard number ends in 1234.\n\n"
                                     "Call the branch before travelling & keep the TAN list <offline>.\nGroup: Banking"),
                   "Credit card PIN||4321||Group: Banking",
                   QString::fromUtf8("\U0001F511 Почта|анна@example.ru|пароль-\U0001F511-2020|"
                                     "https://mail.example.ru/|Кличка собаки|Резервный адрес: ana@example.net\n"
                                     "Group: Почта и связь"),
                   "Router|admin|router-admin-2020|http://192.168.178.1|"
                   "Copy made before the firmware update.\nOld settings:    WPA2    channel 6 (trash)",
                   QString::fromUtf8("Router|guest|guest wifi 2019||Group: Почта и связь"),
               }
            << "imported 5, skipped 0 duplicates, 1 into the trash, extra fields kept 2";
        // Published sample files, see tests/data/import/LICENSES.md.
        QTest::newRow("demo")
            << "keepass2-demo.xml"
            << QStringList{"Sample Entry|User Name|Password|http://keepass.info/|Notes",
                           "Sample Entry #2|Michael321|12345|http://keepass.info/help/kb/testform.html|",
                           "my entry|me|mypass|http://me.me|my val|protected val|some notes\nGroup: General",
                           "deleted entry|me|mlrb0P6yZV743YeMfy7P|| (trash)"}
            << "imported 4, skipped 0 duplicates, 1 into the trash, extra fields kept 2";
        QTest::newRow("new database, CRLF")
            << "keepass2-new-database.xml"
            << QStringList{"Sample Entry|User Name|Password|http://keepass.info/|Notes",
                           "Sample Entry #2|Michael321|12345|http://keepass.info/help/kb/testform.html|",
                           "blah|blah|2EGsBppuBhrtItI8fEh7|| (trash)"}
            << "imported 3, skipped 0 duplicates, 1 into the trash, extra fields kept 0";
    }

    // Importing the same file again adds nothing: every card is a duplicate of one just imported.
    void exports()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, expected);
        QFETCH(QString, summary);
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        KeePassLoader loader(m_wallet->store(), testData("import/" + file));
        QVERIFY(loader.importFile());
        QCOMPARE(loader.summary().text(), summary);
        const qint64 after = QDateTime::currentSecsSinceEpoch();

        const auto cards = m_wallet->importedCards();
        const QVector<bool> trashed = m_wallet->importedTrash();
        QStringList contents = contentsOf(cards);
        for (int i = 0; i < contents.size(); ++i)
            contents[i] += trashed.at(i) ? " (trash)" : "";
        QCOMPARE(contents, expected);
        QCOMPARE(m_wallet->committedImports(), expected.size());
        for (const auto &card : cards) {
            QVERIFY(shapeOf(*card).startsWith(loginShape));
            QVERIFY(card->updateTime().toSecsSinceEpoch() >= before);
            QVERIFY(card->updateTime().toSecsSinceEpoch() <= after);
        }

        KeePassLoader again(m_wallet->store(), testData("import/" + file));
        QVERIFY(again.importFile());
        QCOMPARE(
            again.summary().text(),
            QString("imported 0, skipped %1 duplicates, 0 into the trash, extra fields kept 0").arg(expected.size()));
        QCOMPARE(m_wallet->committedImports(), expected.size());
    }

    // Custom strings keep their protection as the card's sensitivity.
    void extraFields()
    {
        QVERIFY(import(testData("import/keepass2-demo.xml")));
        const auto cards = m_wallet->importedCards();
        QCOMPARE(shapeOf(*cards.at(2)), loginShape + ", 4 my field 0 plain, 5 my field protected 0 secret");
    }

    void entries_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QStringList>("expected");

        const QByteArray jan = "2019-01-01T00:00:00Z";
        const QByteArray feb = "2019-02-01T00:00:00Z";
        QTest::newRow("history ignored") << document(
            entry("Now", "current", jan, feb, entry("Then", "older", jan, jan) + entry("Now", "old", jan, jan)))
                                         << QStringList{exportedCard("Now", "current")};
        QTest::newRow("entries after one with history")
            << document(entry("A", "a", jan, feb, entry("A", "old", jan, jan)) + entry("B", "b", feb, feb))
            << QStringList{exportedCard("A", "a"), exportedCard("B", "b")};
        QTest::newRow("values after the history")
            << document(entryOf(times(jan, jan) + "\t\t\t\t<History>\n" + entry("Old", "old") + "\t\t\t\t</History>\n"
                                + string("Title", "T") + string("Password", "pw")))
            << QStringList{"T||pw||"};
        QTest::newRow("entry nested outside history")
            << document(entryOf(times(jan, jan) + string("Title", "Outer") + string("UserName", "u")
                                + entryOf(string("Password", "inner")) + string("URL", "ignored")))
            << QStringList{"Outer|u|inner||"};
        QTest::newRow("later copy wins") << document(entry("T", "old", jan, jan) + entry("T", "new", jan, feb))
                                         << QStringList{exportedCard("T", "new")};
        QTest::newRow("later copy read first") << document(entry("T", "new", jan, feb) + entry("T", "old", jan, jan))
                                               << QStringList{exportedCard("T", "new")};
        QTest::newRow("equal times keep the first")
            << document(entry("T", "first") + entry("T", "second")) << QStringList{exportedCard("T", "first")};
        QTest::newRow("same creation, other title") << document(entry("B", "b") + entry("A", "a"))
                                                    << QStringList{exportedCard("A", "a"), exportedCard("B", "b")};
        QTest::newRow("creation after the title replaces the key")
            << document(entryOf(string("Title", "A") + string("Password", "1") + times(jan, jan))
                        + entryOf(string("Title", "B") + string("Password", "2") + times(jan, feb)))
            << QStringList{"B||2||"};
        QTest::newRow("no times: the title is the key")
            << document(entryOf(string("Title", "A") + string("Password", "1"))
                        + entryOf(string("Title", "A") + string("Password", "2")))
            << QStringList{"A||1||"};
        QTest::newRow("blank value keeps the member")
            << document(entryOf(string("Title", "T") + string("Title", " \t ") + "\t\t\t\t<Value>stray</Value>\n"))
            << QStringList{"T||||"};
        QTest::newRow("empty value resets the key")
            << document(entryOf(string("Password", "") + "\t\t\t\t<Value>stray</Value>\n" + string("Title", "T")))
            << QStringList{"T||||"};
        QTest::newRow("other keys kept") << document(entryOf(
            string("Title", "T") + string("username", "lower") + string("Benutzer", "x") + string("URL ", "spaced")
            + string("PIN", "1234"))) << QStringList{"T||||lower|x|spaced|1234|"};
        QTest::newRow("missing standard keys") << document(entryOf(string("Title", "T"))) << QStringList{"T||||"};
        QTest::newRow("padding kept") << document(entry("  T  ", " pw ")) << QStringList{exportedCard("  T  ", " pw ")};
        QTest::newRow("notes lines") << document(
            entryOf(string("Title", "T") + string("Notes", "one\ntwo\r\nthree\n\nfive")))
                                     << QStringList{"T||||one\ntwo\nthree\n\nfive"};
        QTest::newRow("carriage return reference")
            << document(entryOf(string("Title", "T") + string("Notes", "a&#13;&#10;b"))) << QStringList{"T||||a\r\nb"};
        QTest::newRow("protected value taken as written") << document(entryOf(
            string("Title", "T")
            + "\t\t\t\t<String>\n\t\t\t\t\t<Key>Password</Key>\n\t\t\t\t\t<Value Protected=\"True\">"
              "q5Nx7w==</Value>\n\t\t\t\t</String>\n")) << QStringList{"T||q5Nx7w==||"};
        QTest::newRow("CDATA") << document(entry("<![CDATA[a]]]]><![CDATA[>b]]>", "<![CDATA[<&>]]>"))
                               << QStringList{exportedCard("a]]>b", "<&>")};
        QTest::newRow("beyond U+FFFF") << document(entry("&#x1F511; Keys", "\xf0\x9f\x94\x91"))
                                       << QStringList{exportedCard(QString::fromUtf8("\U0001F511 Keys"),
                                                                   QString::fromUtf8("\U0001F511"))};
        QTest::newRow("tabs become blanks")
            << document(entry("a\tb", "c&#x9;d")) << QStringList{exportedCard("a    b", "c    d")};
        QTest::newRow("only blanks") << document(entry(" ", " ")) << QStringList{"|user||site.example|"};
        QTest::newRow("KeePassFile anywhere")
            << QByteArray("<Export><KeePassFile/>" + entryOf(string("Title", "T")) + "</Export>")
            << QStringList{"T||||"};
        QTest::newRow("no entries") << document(QByteArray()) << QStringList();
        QTest::newRow("100 KB note") << document(
            entryOf(string("Title", "T") + string("Notes", QByteArray(99, 'n').append('\n').repeated(1000))))
                                     << QStringList{"T||||" + QString(99, 'n').append('\n').repeated(1000)};
    }

    void entries()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QStringList, expected);
        QVERIFY(importText(xml));
        const auto cards = m_wallet->importedCards();
        QCOMPARE(contentsOf(cards), expected);
        for (const auto &card : cards)
            QVERIFY(shapeOf(*card).startsWith(loginShape));
        QCOMPARE(m_wallet->committedImports(), expected.size());
    }

    // Both conventions for one-time codes end up as one sensitive text field after the login's three.
    void oneTimeCodes_data()
    {
        QTest::addColumn<QByteArray>("strings");
        QTest::addColumn<QString>("uri");
        // clang-format off
        QTest::newRow("KeePassXC otp") << string("otp", "otpauth://totp/Example:alice?secret=JBSWY3DPEHPK3PXP&amp;issuer=Example") << "otpauth://totp/Example:alice?secret=JBSWY3DPEHPK3PXP&issuer=Example";
        QTest::newRow("KeePass Base32 with settings") << string("TimeOtp-Algorithm", "HMAC-SHA-256") + string("TimeOtp-Length", "8") + string("TimeOtp-Period", "60") + string("TimeOtp-Secret-Base32", "jbsw y3dp ehpk 3pxp") << "otpauth://totp/T?secret=JBSWY3DPEHPK3PXP&algorithm=SHA256&digits=8&period=60";
        QTest::newRow("KeePass hex secret") << string("TimeOtp-Secret-Hex", "48656C6C6F21DEADBEEF") << "otpauth://totp/T?secret=JBSWY3DPEHPK3PXP";
        // clang-format on
    }

    void oneTimeCodes()
    {
        QFETCH(QByteArray, strings);
        QFETCH(QString, uri);
        QVERIFY(importText(document(entryOf(string("Password", "pw") + strings + string("Title", "T")))));
        const auto cards = m_wallet->importedCards();
        QCOMPARE(cards.size(), std::size_t(1));
        QCOMPARE(shapeOf(*cards.front()), loginShape + ", 4 One-Time Code 0 secret");
        QCOMPARE(contentOf(*cards.front()), "T||pw||" + uri + "|");
    }

    // Nothing goes in unless the whole file is a well-formed KeePass export.
    void badInput_data()
    {
        QTest::addColumn<QByteArray>("xml");
        const QByteArray good
            = document(entry("A", "a", "2019-01-01T00:00:00Z") + entry("B", "b", "2019-01-02T00:00:00Z")
                       + entry("C", "c", "2019-01-03T00:00:00Z"));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("only blanks") << QByteArray("  \n\t\r\n ");
        QTest::newRow("not XML") << QByteArray("\"Account\",\"Login Name\",\"Password\"\n\"Mail\",\"ana\",\"pw\"\n");
        QTest::newRow("truncated") << good.left(good.indexOf("<Value>C"));
        QTest::newRow("cut before the end tag") << good.left(good.lastIndexOf("</KeePassFile>"));
        QTest::newRow("junk after the end") << good + "</KeePassFile>";
        QTest::newRow("raw control character") << QByteArray(good).replace("<Value>b", "<Value>\x1b");
        QTest::newRow("forbidden reference") << QByteArray(good).replace("<Value>b", "<Value>&#0;");
        QTest::newRow("mismatched tags") << QByteArray(good).replace("</Key>", "</key>");
        QTest::newRow("no KeePassFile") << QByteArray(good).replace("KeePassFile>", "KeePassFileX>");
        QTest::newRow("KeePassX export") << fileBytes(testData("import/keepassx-export.xml"));
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
        for (int i = 0; i < count; ++i) {
            const QByteArray created
                = QDateTime::fromSecsSinceEpoch(1500000000 + i, Qt::UTC).toString(Qt::ISODate).toLatin1();
            entries += entry("Account " + QByteArray::number(i), "pw" + QByteArray::number(i), created,
                             "2020-01-01T00:00:00Z", entry("Account", "old", created, created));
        }
        QVERIFY(importText(document(entries)));
        QCOMPARE(m_wallet->committedImports(), count);
        const auto cards = m_wallet->importedCards();
        QCOMPARE(contentOf(*cards.front()), exportedCard("Account 0", "pw0"));
        QCOMPARE(contentOf(*cards.back()), exportedCard("Account 19999", "pw19999"));
    }
};

QTEST_GUILESS_MAIN(TestKeePassLoader)
#include "TestKeePassLoader.moc"
