#include "common/ProcessRun.h"
#include "common/TestFiles.h"
#include "export/CardExport.h"
#include "import/Importer.h"
#include "model/BuiltinCatalog.h"
#include "model/TemplateCatalog.h"
#include "model/TemplateCatalogReader.h"
#include "store/CardDb.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(CardExport::Format)
Q_DECLARE_METATYPE(ImportFormats::Format)

namespace {

const QDateTime t0 = QDateTime::fromSecsSinceEpoch(1330000000, Qt::UTC);

// A card of the catalogue's template with the given values, by label; extra labels become extra fields.
std::unique_ptr<Card> cardOf(const QString &type, const QString &title, const QString &notes,
                             const QList<QPair<QString, QString>> &values, const QString &uuid = QString())
{
    static TemplateCatalog catalog;
    if (catalog.count() == 0)
        TemplateCatalogReader(catalog, builtinCatalogPath()).load();
    auto card
        = catalog.find(type)->copyWithUuid(uuid.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : uuid);
    card->setTitle(title);
    card->setNotes(notes);
    int uid = 100;
    for (const auto &[label, value] : values) {
        const QList<Field *> fields = card->fields();
        const auto it = std::find_if(fields.begin(), fields.end(), [&](Field *f) { return f->label() == label; });
        if (it != fields.end())
            (*it)->setValue(value);
        else
            card->addField(uid++, t0, label, value, 0, label.startsWith("Secret") || label.startsWith("One-Time"));
    }
    return card;
}

// What must survive a trip out and back: uuid, type, icon, title, notes, trash state and each filled
// field.
QStringList describe(CardDb &store)
{
    QStringList cards;
    store.forEachCard([&cards](const StoredCard &row) {
        QStringList parts{row.uuid,          row.card->templateType(), QString::number(row.card->iconId()),
                          row.card->title(), row.card->notes(),        row.trashed ? "trashed" : "live"};
        for (const Field *field : row.card->fields()) {
            if (!field->value().isEmpty())
                parts << field->label() + "=" + field->value() + (field->sensitive() ? " (secret)" : "");
        }
        cards << parts.join('|');
        return true;
    });
    cards.sort();
    return cards;
}

} // namespace

class TestCardExport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    QString newPath(const QString &suffix = "tessera")
    {
        return m_dir.filePath(QStringLiteral("export-%1.%2").arg(++m_serial).arg(suffix));
    }

    std::unique_ptr<CardDb> walletWith(std::vector<std::unique_ptr<Card>> cards, const QStringList &trash = {})
    {
        auto store = CardDb::openOrCreate(newPath(), "pw");
        for (auto &card : cards)
            store->addCard(*card);
        for (const QString &uuid : trash)
            store->trashCard(store->cardIdForUuid(uuid));
        return store;
    }

    std::unique_ptr<CardDb> sampleWallet()
    {
        std::vector<std::unique_ptr<Card>> cards;
        cards.push_back(cardOf("login.default", "Bank, \"main\" & <co>", "line one\nline two\r\nthree",
                               {{"Username", "ana"},
                                {"Password", "p\"w,<&>"},
                                {"Url", "https://bank.example"},
                                {"Secret question", "dog's name"},
                                {"Member no", "4711"},
                                {"One-Time Code", "otpauth://totp/Bank?secret=JBSWY3DPEHPK3PXP"}}));
        cards.push_back(cardOf("creditcard.default", QString::fromUtf8("Visa \U0001F4B3"), QString(),
                               {{"Cardholder", "Ana"}, {"Number", "4111 1111"}, {"CVC", "123"}, {"PIN", "9876"}}));
        cards.push_back(cardOf("note.default", "Old note", "gone soon", {}, "0f000000-0000-4000-8000-000000000001"));
        // Two cards with one title made in the same second; the first shaped as an imported login (no
        // E-Mail field), with its own icon and control characters, the second with a link as password
        // beside its one-time code.
        auto mail = std::make_unique<Card>(QUuid::createUuid().toString(QUuid::WithoutBraces), t0, "login.default", 7,
                                           "Mail", QString());
        mail->addField(0, t0, "Username", "ana", 11, false);
        mail->addField(1, t0, "Password", "pa\fss", 1, true);
        mail->addField(3, t0, "Url", QString(), 6, false);
        mail->addField(4, t0, "Code\a", "12\a34", 0, true);
        cards.push_back(std::move(mail));
        cards.push_back(cardOf("login.default", "Mail", QString(),
                               {{"Username", "bob"},
                                {"Password", "otpauth://totp/Mail?secret=JBSWY3DPEHPK3PXP"},
                                {"One-Time Code", "otpauth://totp/Mail?secret=MZXW6YTBOI"}}));
        cards.back()->setUpdateTime(t0);
        return walletWith(std::move(cards), {"0f000000-0000-4000-8000-000000000001"});
    }

    // Written over a file anyone may read, which the export makes its owner's alone.
    QString exported(CardExport::Format format, CardDb &store)
    {
        const QString path = newPath(format == CardExport::Csv ? "csv" : "xml");
        writeFile(path, "old");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        QString error;
        if (!CardExport::writeFile(format, store, path, &error))
            qFatal("export failed: %s", qPrintable(error));
        return path;
    }

private slots:
    // Our KeePass XML and JSON read back by our own importer give the same cards, trashed ones in the
    // trash; reading them again adds nothing.
    void roundTrip_data()
    {
        QTest::addColumn<CardExport::Format>("exportFormat");
        QTest::addColumn<ImportFormats::Format>("importFormat");
        QTest::addColumn<QString>("summary");
        QTest::newRow("KeePass") << CardExport::KeePassXml << ImportFormats::KeePass
                                 << "imported 5, skipped 0 duplicates, 1 into the trash, extra fields kept 3";
        QTest::newRow("JSON") << CardExport::Json << ImportFormats::TesseraJson
                              << "imported 5, skipped 0 duplicates, 1 into the trash, extra fields kept 0";
    }

    void roundTrip()
    {
        QFETCH(CardExport::Format, exportFormat);
        QFETCH(ImportFormats::Format, importFormat);
        QFETCH(QString, summary);
        auto store = sampleWallet();
        const QString path = exported(exportFormat, *store);
        QCOMPARE(int(QFile::permissions(path) & 0x0777), 0x0600);
        auto copy = CardDb::openOrCreate(newPath(), "pw");
        Importer importer(*copy);
        QVERIFY2(importer.importFile(path), qPrintable(importer.errorString()));
        QCOMPARE(importer.format(), importFormat);
        QCOMPARE(importer.summary().line(), summary + ", rows not understood 0");
        QCOMPARE(describe(*copy), describe(*store));
        // JSON brings back every member, times and field make-up too; only the rows are new.
        if (exportFormat == CardExport::Json) {
            const QRegularExpression rowMembers(QStringLiteral(" *\"(id|trashedTime)\": \\d+,\n"));
            QCOMPARE(QString::fromUtf8(fileBytes(exported(exportFormat, *copy))).remove(rowMembers),
                     QString::fromUtf8(fileBytes(path)).remove(rowMembers));
        }

        Importer again(*store);
        QVERIFY(again.importFile(path));
        QCOMPARE(
            again.summary().line(),
            QString("imported 0, skipped 5 duplicates, 0 into the trash, extra fields kept 0, rows not understood 0"));
    }

    // Python's csv module reads our CSV back field for field.
    void csvReadsBackWithPython()
    {
        const QString python = QStandardPaths::findExecutable("python3");
        if (python.isEmpty())
            QSKIP("python3 is not installed: the CSV is not checked against an independent reader");
        auto store = sampleWallet();
        const QString csv = exported(CardExport::Csv, *store);
        const char *script = "import csv, json, sys\n"
                             "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                             "    print(json.dumps(list(csv.reader(f))))\n";
        const ProcessRun read = runProcess(python, {"-c", script, csv});
        QCOMPARE(read.exitCode, 0);
        const QJsonArray rows = QJsonDocument::fromJson(read.out.toUtf8()).array();
        const QStringList expected[] = {
            {"Title", "Username", "Password", "URL", "Notes", "Type"},
            {"Bank, \"main\" & <co>", "ana", "p\"w,<&>", "https://bank.example",
             "line one\nline two\r\nthree\nSecret question: dog's name\nMember no: 4711\n"
             "One-Time Code: otpauth://totp/Bank?secret=JBSWY3DPEHPK3PXP",
             "login.default"},
            {QString::fromUtf8("Visa \U0001F4B3"), "", "", "",
             "Cardholder: Ana\nNumber: 4111 1111\nCVC: 123\nPIN: 9876", "creditcard.default"},
            {"Mail", "ana", "pa\fss", "", "Code\a: 12\a34", "login.default"},
            {"Mail", "bob", "otpauth://totp/Mail?secret=JBSWY3DPEHPK3PXP", "",
             "One-Time Code: otpauth://totp/Mail?secret=MZXW6YTBOI", "login.default"},
        };
        QCOMPARE(rows.size(), 5);
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(rows.at(i).toVariant().toStringList(), expected[i]);
    }

    // The streamed JSON has the bytes QJsonDocument gives for the same document.
    void jsonAsQJsonDocument()
    {
        std::vector<std::unique_ptr<Card>> cards;
        cards.push_back(cardOf("login.default", QString("quote \" back \\ tab \t bell \x07 ") + QChar(0xd800) + "end",
                               QString::fromUtf8("naïve \U0001F511\nline"), {{"Username", "\x01\x1f/"}}));
        cards.push_back(cardOf("note.default", "Trashed", QString(), {}, "0f000000-0000-4000-8000-000000000001"));
        auto store = walletWith(std::move(cards), {"0f000000-0000-4000-8000-000000000001"});
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QString error;
        QVERIFY(CardExport::write(CardExport::Json, *store, out, &error));

        QJsonArray objects;
        for (const StoredCard &row : must(store->allCards())) {
            QJsonArray fields;
            for (const Field *field : row.card->fields()) {
                fields.append(QJsonObject{{"uid", field->uid()},
                                          {"updateTime", double(field->updateTime().toSecsSinceEpoch())},
                                          {"label", field->label()},
                                          {"value", field->value()},
                                          {"type", field->type()},
                                          {"sensitive", field->sensitive()}});
            }
            QJsonObject object{{"id", row.id},
                               {"uuid", row.card->uuid()},
                               {"updateTime", double(row.card->updateTime().toSecsSinceEpoch())},
                               {"templateType", row.card->templateType()},
                               {"iconId", row.card->iconId()},
                               {"title", row.card->title()},
                               {"notes", row.card->notes()},
                               {"trashed", row.trashed},
                               {"fields", fields}};
            if (row.trashed)
                object.insert("trashedTime", double(row.rowTime.toSecsSinceEpoch()));
            objects.append(object);
        }
        QCOMPARE(out.data(), QJsonDocument(QJsonObject{{"cards", objects}}).toJson());

        QBuffer empty;
        empty.open(QIODevice::WriteOnly);
        QVERIFY(CardExport::write(CardExport::Json, *walletWith({}), empty, &error));
        QCOMPARE(empty.data(), QJsonDocument(QJsonObject{{"cards", QJsonArray()}}).toJson());
    }

    // Every text of a card, custom strings too, as the KeePass XML and the CSV write it: markup escaped,
    // a text XML cannot hold encoded, a CSV value quoted where a reader would split or trim it.
    void writtenValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("csv");
        QTest::newRow("plain") << "plain"
                               << ">plain"
                               << "plain";
        QTest::newRow("markup and quotes") << "a&b<c>d\"e'f"
                                           << ">a&amp;b&lt;c&gt;d&quot;e'f"
                                           << "\"a&b<c>d\"\"e'f\"";
        QTest::newRow("comma") << "a,b"
                               << ">a,b"
                               << "\"a,b\"";
        QTest::newRow("line breaks") << "a\r\nb"
                                     << ">a&#13;\nb"
                                     << "\"a\r\nb\"";
        QTest::newRow("only spaces") << "   "
                                     << ">   "
                                     << "\"   \"";
        QTest::newRow("control character") << "pa\fss"
                                           << " Encoding=\"Base64\">cGEMc3M="
                                           << "pa\fss";
    }

    void writtenValues()
    {
        QFETCH(QString, value);
        QFETCH(QString, xml);
        QFETCH(QString, csv);
        std::vector<std::unique_ptr<Card>> cards;
        cards.push_back(cardOf("login.default", value, value,
                               {{"Username", value}, {"Password", value}, {"Url", value}, {value, value}}));
        auto store = walletWith(std::move(cards));
        const QString written = QString::fromUtf8(fileBytes(exported(CardExport::KeePassXml, *store)));
        // Title, notes, user name, password, address and the custom string with its key.
        QCOMPARE(written.count(xml + "</Value>"), 6);
        QCOMPARE(written.count(xml + "</Key>"), 1);
        const QString lines = QString::fromUtf8(fileBytes(exported(CardExport::Csv, *store)));
        QVERIFY2(lines.startsWith("Title,Username,Password,URL,Notes,Type\r\n" + QString(csv + ',').repeated(4)),
                 qPrintable(lines));
    }

    // KeePassXC reads our export: every card is an entry, the trashed one in the Recycle Bin.
    void keePassXcImports()
    {
        const QString cli = QStandardPaths::findExecutable("keepassxc-cli");
        if (cli.isEmpty())
            QSKIP("keepassxc-cli is not installed: the export is not checked against KeePassXC");
        auto store = sampleWallet();
        const QString xml = exported(CardExport::KeePassXml, *store);
        const QString kdbx = newPath("kdbx");
        QCOMPARE(runProcess(cli, {"import", "-p", xml, kdbx}, {"pw", "pw"}).exitCode, 0);
        const ProcessRun listed = runProcess(cli, {"ls", "-R", "-f", kdbx}, {"pw"});
        QCOMPARE(listed.exitCode, 0);
        const QString entries = listed.out;
        QVERIFY2(entries.contains("Bank, \"main\" & <co>"), qPrintable(entries));
        QVERIFY(entries.contains("Recycle Bin/Old note"));
    }
};

QTEST_GUILESS_MAIN(TestCardExport)
#include "TestCardExport.moc"
