#include "common/TestFiles.h"
#include "export/CardExport.h"
#include "import/KeePassLoader.h"
#include "model/BuiltinCatalog.h"
#include "model/CardLoader.h"
#include "model/TemplateCatalog.h"
#include "store/CardDb.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDateTime t0 = QDateTime::fromSecsSinceEpoch(1330000000, Qt::UTC);

// A card of the catalogue's template with the given values, by label; extra labels become extra fields.
std::unique_ptr<Card> cardOf(const QString &type, const QString &title, const QString &notes,
                             const QList<QPair<QString, QString>> &values, const QString &uuid = QString())
{
    static TemplateCatalog catalog;
    if (catalog.count() == 0)
        CardLoader(catalog, builtinCatalogPath()).load();
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

// What must survive a trip out and back: uuid, type, title, notes, trash state and each filled field.
QStringList describe(CardDb &store)
{
    QStringList cards;
    store.forEachCard([&cards](const StoredCard &row) {
        QStringList parts{row.uuid, row.card->templateType(), row.card->title(), row.card->notes(),
                          row.trashed ? "trashed" : "live"};
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

// Runs a program to its end on the given input and gives what it printed.
QByteArray output(const QString &program, const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return process.readAllStandardOutput();
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
    // Our KeePass XML read back by our own importer gives the same cards, trashed ones in the trash;
    // reading it again adds nothing.
    void keePassRoundTrip()
    {
        auto store = sampleWallet();
        const QString xml = exported(CardExport::KeePassXml, *store);
        QCOMPARE(int(QFile::permissions(xml) & 0x0777), 0x0600);
        auto copy = CardDb::openOrCreate(newPath(), "pw");
        KeePassLoader loader(copy.get(), xml);
        QVERIFY2(loader.importFile(), qPrintable(loader.errorString()));
        QCOMPARE(loader.summary().text(),
                 QString("imported 3, skipped 0 duplicates, 1 into the trash, extra fields kept 2"));
        QCOMPARE(describe(*copy), describe(*store));

        KeePassLoader again(store.get(), xml);
        QVERIFY(again.importFile());
        QCOMPARE(again.summary().text(),
                 QString("imported 0, skipped 3 duplicates, 0 into the trash, extra fields kept 0"));
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
        const QJsonArray rows = QJsonDocument::fromJson(output(python, {"-c", script, csv})).array();
        const QStringList expected[] = {
            {"Title", "Username", "Password", "URL", "Notes", "Type"},
            {"Bank, \"main\" & <co>", "ana", "p\"w,<&>", "https://bank.example",
             "line one\nline two\r\nthree\nSecret question: dog's name\nMember no: 4711\n"
             "One-Time Code: otpauth://totp/Bank?secret=JBSWY3DPEHPK3PXP",
             "login.default"},
            {QString::fromUtf8("Visa \U0001F4B3"), "", "", "",
             "Cardholder: Ana\nNumber: 4111 1111\nCVC: 123\nPIN: 9876", "creditcard.default"},
        };
        QCOMPARE(rows.size(), 3);
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(rows.at(i).toVariant().toStringList(), expected[i]);
    }

    // The streamed JSON has the bytes QJsonDocument gives for the same document.
    void jsonAsQJsonDocument()
    {
        auto store = walletWith({});
        auto card = cardOf("login.default", QString("quote \" back \\ tab \t bell \x07 ") + QChar(0xd800) + "end",
                           QString::fromUtf8("naïve \U0001F511\nline"), {{"Username", "\x01\x1f/"}});
        store->addCard(*card);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QString error;
        QVERIFY(CardExport::write(CardExport::Json, *store, out, &error));

        const StoredCard row = std::move(must(store->allCards()).front());
        QJsonArray fields;
        for (const Field *field : row.card->fields()) {
            fields.append(QJsonObject{{"uid", field->uid()},
                                      {"updateTime", double(field->updateTime().toSecsSinceEpoch())},
                                      {"label", field->label()},
                                      {"value", field->value()},
                                      {"type", field->type()},
                                      {"sensitive", field->sensitive()}});
        }
        const QJsonObject object{{"id", row.id},
                                 {"uuid", row.card->uuid()},
                                 {"updateTime", double(row.card->updateTime().toSecsSinceEpoch())},
                                 {"templateType", row.card->templateType()},
                                 {"iconId", row.card->iconId()},
                                 {"title", row.card->title()},
                                 {"notes", row.card->notes()},
                                 {"trashed", row.trashed},
                                 {"fields", fields}};
        QCOMPARE(out.data(), QJsonDocument(QJsonObject{{"cards", QJsonArray{object}}}).toJson());

        QBuffer empty;
        empty.open(QIODevice::WriteOnly);
        QVERIFY(CardExport::write(CardExport::Json, *walletWith({}), empty, &error));
        QCOMPARE(empty.data(), QJsonDocument(QJsonObject{{"cards", QJsonArray()}}).toJson());
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
        output(cli, {"import", "-p", xml, kdbx}, "pw\npw\n");
        const QString entries = QString::fromUtf8(output(cli, {"ls", "-R", "-f", kdbx}, "pw\n"));
        QVERIFY2(entries.contains("Bank, \"main\" & <co>"), qPrintable(entries));
        QVERIFY(entries.contains("Recycle Bin/Old note"));
    }
};

QTEST_GUILESS_MAIN(TestCardExport)
#include "TestCardExport.moc"
