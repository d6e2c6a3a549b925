#include "BenchUtils.h"

#include "export/CardExport.h"
#include "import/Importer.h"
#include "store/CardDb.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <malloc.h>

namespace {

QByteArray number(int index)
{
    return QByteArray::number(index);
}

QByteArray creationTime(int index)
{
    return QDateTime::fromSecsSinceEpoch(1400000000 + index, Qt::UTC).toString(Qt::ISODate).toLatin1();
}

QByteArray keePassXExport(int entries)
{
    QByteArray xml
        = "<!DOCTYPE KEEPASSX_DATABASE>\n<database>\n <group>\n  <title>Internet</title>\n  <icon>1</icon>\n";
    for (int i = 0; i < entries; ++i) {
        const QByteArray n = number(i);
        xml += "  <entry>\n   <title>Account " + n + "</title>\n   <username>user" + n
            + "@example.com</username>\n   <password>correct-horse-" + n + "</password>\n   <url>https://site" + n
            + ".example/login</url>\n   <comment>Notes of entry " + n
            + "<br/>second line</comment>\n"
              "   <icon>1</icon>\n   <creation>"
            + creationTime(i)
            + "</creation>\n"
              "   <lastaccess>2020-01-01T00:00:00</lastaccess>\n   <lastmod>2020-01-01T00:00:00</lastmod>\n"
              "   <expire>Never</expire>\n  </entry>\n";
    }
    return xml + " </group>\n</database>\n";
}

QByteArray keePassEntry(const QByteArray &n, const QByteArray &created, const QByteArray &modified,
                        const QByteArray &password, const QByteArray &history)
{
    // Each entry has a UUID of its own, which its history shares, as in a real export.
    const QByteArray uuid = n.rightJustified(16, '0').toBase64();
    return "\t\t\t<Entry>\n\t\t\t\t<UUID>" + uuid
        + "</UUID>\n\t\t\t\t<IconID>0</IconID>\n\t\t\t\t<Times>\n"
          "\t\t\t\t\t<CreationTime>"
        + created + "</CreationTime>\n\t\t\t\t\t<LastModificationTime>" + modified
        + "</LastModificationTime>\n\t\t\t\t\t<Expires>False</Expires>\n\t\t\t\t</Times>\n"
          "\t\t\t\t<String>\n\t\t\t\t\t<Key>Notes</Key>\n\t\t\t\t\t<Value>Notes of entry "
        + n
        + "\nsecond line</Value>\n\t\t\t\t</String>\n"
          "\t\t\t\t<String>\n\t\t\t\t\t<Key>Password</Key>\n\t\t\t\t\t<Value ProtectInMemory=\"True\">"
        + password
        + "</Value>\n\t\t\t\t</String>\n"
          "\t\t\t\t<String>\n\t\t\t\t\t<Key>Title</Key>\n\t\t\t\t\t<Value>Account "
        + n
        + "</Value>\n\t\t\t\t</String>\n"
          "\t\t\t\t<String>\n\t\t\t\t\t<Key>URL</Key>\n\t\t\t\t\t<Value>https://site"
        + n
        + ".example/login</Value>\n\t\t\t\t</String>\n"
          "\t\t\t\t<String>\n\t\t\t\t\t<Key>UserName</Key>\n\t\t\t\t\t<Value>user"
        + n
        + "@example.com</Value>\n\t\t\t\t</String>\n"
          "\t\t\t\t<AutoType>\n\t\t\t\t\t<Enabled>True</Enabled>\n\t\t\t\t</AutoType>\n"
        + (history.isEmpty() ? QByteArray("\t\t\t\t<History />\n")
                             : "\t\t\t\t<History>\n" + history + "\t\t\t\t</History>\n")
        + "\t\t\t</Entry>\n";
}

// With history, every entry carries one earlier version, as most entries of a used database do.
QByteArray keePassExport(int entries, bool withHistory)
{
    QByteArray xml
        = "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\n<KeePassFile>\n\t<Meta>\n"
          "\t\t<Generator>KeePass</Generator>\n\t</Meta>\n\t<Root>\n\t\t<Group>\n\t\t\t<Name>Internet</Name>\n";
    for (int i = 0; i < entries; ++i) {
        const QByteArray n = number(i);
        const QByteArray created = creationTime(i);
        const QByteArray history
            = withHistory ? keePassEntry(n, created, created, "old-horse-" + n, QByteArray()) : QByteArray();
        xml += keePassEntry(n, created, "2020-01-01T00:00:00Z", "correct-horse-" + n, history);
    }
    return xml + "\t\t</Group>\n\t\t<DeletedObjects />\n\t</Root>\n</KeePassFile>\n";
}

QByteArray passwordSafeExport(int entries)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<?xml-stylesheet type=\"text/xsl\" href=\"pwsafe.xsl\"?>\n\n<passwordsafe\n"
                     "delimiter=\"\xc2\xbb\"\nDatabase=\"bench.psafe3\">\n";
    for (int i = 0; i < entries; ++i) {
        const QByteArray n = number(i);
        xml += "\t<entry id=\"" + n
            + "\" normal=\"true\">\n\t\t<group><![CDATA[Internet]]></group>\n"
              "\t\t<title><![CDATA[Account "
            + n + "]]></title>\n\t\t<username><![CDATA[user" + n
            + "@example.com]]></username>\n\t\t<password><![CDATA[correct-horse-" + n
            + "]]></password>\n\t\t<url><![CDATA[https://site" + n
            + ".example/login]]></url>\n"
              "\t\t<notes><![CDATA[Notes of entry "
            + n
            + "\xc2\xbbsecond line]]></notes>\n"
              "\t\t<ctimex>2020-01-01T00:00:00</ctimex>\n\t</entry>\n";
    }
    return xml + "</passwordsafe>\n";
}

// A Chrome export as the browser writes it.
QByteArray chromeExport(int entries)
{
    QByteArray csv = "name,url,username,password,note\r\n";
    for (int i = 0; i < entries; ++i) {
        const QByteArray n = number(i);
        csv += "site" + n + ".example,https://site" + n + ".example/login,user" + n + "@example.com,correct-horse-" + n
            + ",\"Notes of entry " + n + "\nsecond line\"\r\n";
    }
    return csv;
}

QByteArray quoted(const QByteArray &text)
{
    return '"' + text + '"';
}

QByteArray bitwardenFolderId(int index)
{
    return "f0000000-0000-4000-8000-" + number(index).rightJustified(12, '0');
}

// The members of one item that its type adds, at the item's indentation.
QByteArray bitwardenItemKind(int i, const QByteArray &n)
{
    switch (i % 10) {
    case 6:
    case 7:
        return "      \"type\": 2,\n      \"secureNote\": {\n        \"type\": 0\n      },\n";
    case 8:
        return "      \"type\": 3,\n      \"card\": {\n        \"cardholderName\": \"Holder " + n
            + "\",\n        \"brand\": \"Visa\",\n        \"number\": \"4111" + n.rightJustified(12, '0')
            + "\",\n        \"expMonth\": \"7\",\n        \"expYear\": \"2030\",\n        \"code\": \"123\"\n      "
              "},\n";
    case 9:
        return "      \"type\": 4,\n      \"identity\": {\n        \"title\": \"Ms\",\n        \"firstName\": "
               "\"Ana\",\n"
               "        \"middleName\": null,\n        \"lastName\": \"Person "
            + n
            + "\",\n        \"address1\": \"1 Main Street\",\n        \"address2\": null,\n"
              "        \"address3\": null,\n        \"city\": \"Springfield\",\n        \"state\": null,\n"
              "        \"postalCode\": \"12345\",\n        \"country\": \"US\",\n        \"company\": null,\n"
              "        \"email\": \"user"
            + n
            + "@example.com\",\n        \"phone\": \"555-0100\",\n        \"ssn\": null,\n"
              "        \"username\": null,\n        \"passportNumber\": null,\n        \"licenseNumber\": null\n      "
              "},\n";
    }
    // A login: every one with an address, every second with a second address, every third with a one-time code.
    QByteArray uris = "          {\n            \"match\": null,\n            \"uri\": \"https://site" + n
        + ".example/login\"\n          }";
    if (i % 2 == 0)
        uris += ",\n          {\n            \"match\": null,\n            \"uri\": \"https://m.site" + n
            + ".example\"\n          }";
    return "      \"type\": 1,\n      \"login\": {\n        \"uris\": [\n" + uris
        + "\n        ],\n        \"username\": \"user" + n + "@example.com\",\n        \"password\": \"correct-horse-"
        + n + "\",\n        \"totp\": "
        + (i % 3 == 0 ? QByteArray("\"otpauth://totp/Site:user?secret=JBSWY3DPEHPK3PXP\"") : QByteArray("null"))
        + "\n      },\n";
}

QByteArray bitwardenItem(int i)
{
    const QByteArray n = number(i);
    // Every fifth item with custom fields, one of them hidden.
    const QByteArray fields = i % 5 != 0
        ? QByteArray()
        : "      \"fields\": [\n        {\n          \"name\": \"PIN\",\n          \"value\": \"" + n
            + "\",\n          \"type\": 1,\n          \"linkedId\": null\n        },\n        {\n"
              "          \"name\": \"Department\",\n          \"value\": \"Sales\",\n          \"type\": 0,\n"
              "          \"linkedId\": null\n        }\n      ],\n";
    return "    {\n      \"passwordHistory\": null,\n      \"revisionDate\": \"" + creationTime(i)
        + ".000Z\",\n      \"creationDate\": \"2020-01-01T00:00:00.000Z\",\n      \"deletedDate\": null,\n"
          "      \"id\": \"b0000000-0000-4000-8000-"
        + n.rightJustified(12, '0') + "\",\n      \"organizationId\": null,\n      \"folderId\": "
        + (i % 4 == 0 ? QByteArray("null") : quoted(bitwardenFolderId(i % 40))) + ",\n      \"reprompt\": 0,\n"
        + "      \"name\": \"Account " + n + "\",\n      \"notes\": \"Notes of item " + n
        + "\\nsecond line\",\n      \"favorite\": " + (i % 7 == 0 ? "true" : "false") + ",\n" + bitwardenItemKind(i, n)
        + fields + "      \"collectionIds\": null\n    }";
}

// An unencrypted Bitwarden export as its JSON export writes it: folders first, then items of every kind.
QByteArray bitwardenExport(int items)
{
    QByteArray json = "{\n  \"encrypted\": false,\n  \"folders\": [\n";
    for (int f = 0; f < 40; ++f)
        json += "    {\n      \"id\": \"" + bitwardenFolderId(f) + "\",\n      \"name\": \"Folder " + number(f)
            + (f < 39 ? "\"\n    },\n" : "\"\n    }\n");
    json += "  ],\n  \"items\": [\n";
    for (int i = 0; i < items; ++i)
        json += bitwardenItem(i) + (i + 1 < items ? ",\n" : "\n");
    return json + "  ]\n}\n";
}

// This program's own JSON export of a wallet of bench cards.
QByteArray tesseraExport(const QString &folder, int cards)
{
    const QString path = QDir(folder).filePath(QStringLiteral("json-source-%1.tessera").arg(cards));
    auto store = CardDb::openOrCreate(path, QStringLiteral("bench"));
    addBenchCards(*store, cards);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!CardExport::write(CardExport::Json, *store, buffer, &error))
        qFatal("the bench export failed: %s", qPrintable(error));
    return buffer.data();
}

// Times one import of the export into a fresh wallet; the files are named after the stem.
void timeImport(const QString &folder, const QString &stem, const QString &what, int entries, const QByteArray &xml,
                ImportFormats::Format format)
{
    const QDir dir(folder);
    const QString exportPath = dir.filePath(QStringLiteral("%1-%2.export").arg(stem).arg(entries));
    QFile file(exportPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(xml) != xml.size())
        qFatal("the bench export could not be written");
    file.close();
    auto store = CardDb::openOrCreate(dir.filePath(QStringLiteral("%1-%2.tessera").arg(stem).arg(entries)),
                                      QStringLiteral("bench"));
    if (!store)
        qFatal("the bench wallet could not be created");

    // Freed heap the earlier rows left would hide this import's peak.
    malloc_trim(0);
    resetPeakMemory();
    const double before = memoryMb("VmRSS");
    QElapsedTimer timer;
    timer.start();
    const bool imported = Importer(*store).importFile(exportPath, format);
    report(what, entries, elapsedMs(timer));
    QTextStream(stdout) << QStringLiteral("%1 %2 MB more at its peak\n")
                               .arg(QStringLiteral("  memory of that import"), -57)
                               .arg(memoryMb("VmHWM") - before, 10, 'f', 1);
    if (!imported || store->cardCount() != entries)
        qFatal("the bench import failed");
    // The same file again: every entry is a duplicate of a card the wallet holds now.
    timer.restart();
    Importer again(*store);
    if (!again.importFile(exportPath, format) || again.summary().duplicates != entries)
        qFatal("the second bench import failed");
    report(QStringLiteral("  the same file again, all duplicates"), entries, elapsedMs(timer));
}

} // namespace

void runImportBench(const QString &folder, int entries)
{
    // First, before the XML imports leave freed memory in the heap for it to reuse, so that its peak shows.
    timeImport(folder, QStringLiteral("chrome"), QStringLiteral("import a Chrome CSV export"), entries,
               chromeExport(entries), ImportFormats::ChromeCsv);
    timeImport(folder, QStringLiteral("keepassx"), QStringLiteral("import a KeePassX export"), entries,
               keePassXExport(entries), ImportFormats::KeePassX);
    timeImport(folder, QStringLiteral("keepass"), QStringLiteral("import a KeePass export"), entries,
               keePassExport(entries, false), ImportFormats::KeePass);
    timeImport(folder, QStringLiteral("keepass-history"), QStringLiteral("import a KeePass export with history"),
               entries, keePassExport(entries, true), ImportFormats::KeePass);
    timeImport(folder, QStringLiteral("passwordsafe"), QStringLiteral("import a Password Safe export"), entries,
               passwordSafeExport(entries), ImportFormats::PSafe);
    timeImport(folder, QStringLiteral("bitwarden"), QStringLiteral("import a Bitwarden JSON export"), entries,
               bitwardenExport(entries), ImportFormats::BitwardenJson);
    timeImport(folder, QStringLiteral("tessera"), QStringLiteral("import this program's JSON export"), entries,
               tesseraExport(folder, entries), ImportFormats::TesseraJson);
}
