#include "WebDavServer.h"
#include "cli/PseudoTerminal.h"
#include "common/ProcessRun.h"
#include "common/SqlPeek.h"
#include "common/TestCards.h"
#include "common/TestFiles.h"
#include "store/CardDb.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Runs tessera-cli in a pipe, each password one line of its standard input, as a script gives them.
ProcessRun runCli(const QStringList &arguments, const QStringList &passwords = {},
                  const QString &outputFile = QString())
{
    return runProcess(QStringLiteral(TESSERA_CLI), arguments, passwords, outputFile);
}

// Every card of a wallet as one comparable line, in uuid order.
QStringList contents(CardDb &store)
{
    QStringList lines;
    for (const StoredCard &row : must(store.allCards())) {
        QStringList parts{row.uuid, row.card->title(), row.card->notes(), row.trashed ? "trashed" : "live"};
        for (const Field *field : row.card->fields())
            parts << field->value();
        lines << parts.join('|');
    }
    lines.sort();
    return lines;
}

QString syncUuid(const QString &path)
{
    return SqlPeek(path).value("SELECT Sync_UUID FROM Identity").toString();
}

// Copies the first leaf page of the cards over the second, as a misplaced write would; gives the
// number of cards the second held.
int repeatLeafPage(const QString &path)
{
    const QString leaf("SELECT %1 FROM dbstat WHERE name = 'Cards' AND pagetype = 'leaf' ORDER BY pageno LIMIT 1 "
                       "OFFSET %2");
    const SqlPeek peek(path);
    const int first = peek.value(leaf.arg("pageno").arg(0)).toInt();
    const int second = peek.value(leaf.arg("pageno").arg(1)).toInt();
    QFile file(path);
    if (second == 0 || !file.open(QIODevice::ReadWrite) || !file.seek(qint64(first - 1) * 4096))
        return -1;
    const QByteArray page = file.read(4096);
    file.seek(qint64(second - 1) * 4096);
    file.write(page);
    return peek.value(leaf.arg("ncell").arg(1)).toInt();
}

// How the wallet file of an error case is made. KeyFile: version 3, requiring the key file testKey.
enum class Fixture { Wallet, Newer, Unsupported, Invalid, Locked, Missing, ReadOnly, KeyFile };

const QByteArray testKey(64, 'k');

} // namespace
Q_DECLARE_METATYPE(Fixture)

class TestCli : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    QString newPath(const QString &name = QStringLiteral("wallet"))
    {
        return m_dir.filePath(QStringLiteral("%1-%2.tessera").arg(name).arg(++m_serial));
    }

    // A wallet made with the store, holding the given cards, some of them in the trash: version 2, or
    // version 3 at its cheapest when it is to require a key file.
    QString walletWith(const QString &password, const std::vector<std::unique_ptr<Card>> &cards,
                       const QStringList &trashedUuids = {}, const QByteArray &keyFile = {})
    {
        const QString path = newPath();
        auto store = keyFile.isEmpty() ? CardDb::openOrCreate(path, password)
                                       : CardDb::create(path, {password, keyFile}, cheapHardened);
        for (const auto &card : cards)
            store->addCard(*card);
        for (const QString &uuid : trashedUuids)
            store->trashCard(store->cardIdForUuid(uuid));
        return path;
    }

    QString walletWithTitles(const QStringList &titles)
    {
        std::vector<std::unique_ptr<Card>> cards;
        for (const QString &title : titles)
            cards.push_back(makeCard(uuidNumber(int(cards.size()) + 1), title, {"ana", "pw-" + title, "", ""}));
        return walletWith("pw", cards);
    }

    // Rows: 1 Bank, 2 Bank, 3 Mail, 4 Old (trashed).
    QString errorWallet(Fixture fixture)
    {
        if (fixture == Fixture::Missing)
            return newPath();
        if (fixture == Fixture::Invalid) {
            const QString path = newPath();
            writeFile(path, "These are my passwords, not a wallet.\n");
            return path;
        }
        std::vector<std::unique_ptr<Card>> cards;
        cards.push_back(makeCard(uuidNumber(1), "Bank", {"ana", "one", "", ""}));
        cards.push_back(makeCard(uuidNumber(2), "Bank", {"ana", "two", "", ""}));
        cards.push_back(makeCard(uuidNumber(3), "Mail", {"ana", "three", "", ""}));
        cards.push_back(makeCard(uuidNumber(4), "Old", {"ana", "old", "", ""}));
        const QString path = walletWith("pw", cards, {uuidNumber(4)}, fixture == Fixture::KeyFile ? testKey : "");
        if (fixture == Fixture::Newer)
            SqlPeek(path).exec("UPDATE Identity SET Version = 4");
        if (fixture == Fixture::Unsupported)
            SqlPeek(path).exec("UPDATE Identity SET Version = 1");
        if (fixture == Fixture::ReadOnly)
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        return path;
    }

    // What the bash completion offers for the last of words, typed after tessera-cli.
    static QStringList complete(const QStringList &words)
    {
        QProcess bash;
        bash.start("bash",
                   QStringList{"-c",
                               "source \"$0\" && _init_completion() { words=(\"${COMP_WORDS[@]}\"); "
                               "cword=$COMP_CWORD; cur=${words[cword]}; prev=${words[cword-1]}; }; "
                               "COMP_WORDS=(\"$@\") COMP_CWORD=$(($# - 1)); _tessera_cli \"$1\"; "
                               "printf '%s\\n' \"${COMPREPLY[@]}\"",
                               TESSERA_COMPLETION, TESSERA_CLI}
                       + words);
        bash.waitForFinished();
        return QString::fromUtf8(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QFileInfo(QStringLiteral(TESSERA_CLI)).isExecutable());
        // A Password Safe export cut off after its second entry.
        const QByteArray whole = fileBytes(testData("import/passwordsafe-export.xml"));
        QVERIFY(writeFile(m_dir.filePath("damaged.xml"),
                          whole.left(whole.indexOf("</entry>", whole.indexOf("</entry>") + 1) + 40)));
    }

    // info reads what create made, asking no password. A key file named but missing is made.
    void createThenInfo_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("info");
        const QString hardened("format\t3\nkdf\targon2id\niterations\t%1\nmemory-mib\t%2\nkey-file\t%3\ncards\t0\n");
        // clang-format off
        QTest::newRow("hardened, cheapest") << QStringList{"--kdf-memory", "8", "--kdf-iterations", "1"} << hardened.arg(1).arg(8).arg("none");
        QTest::newRow("hardened, as given") << QStringList{"--kdf-iterations", "2", "--kdf-memory", "9"} << hardened.arg(2).arg(9).arg("none");
        QTest::newRow("new key file") << QStringList{"--key-file", "K", "--kdf-memory", "8", "--kdf-iterations", "1"} << hardened.arg(1).arg(8).arg("required");
        QTest::newRow("compatible") << QStringList{"--compatible"} << "format\t2\nkdf\tpbkdf2-sha256\niterations\t2048\nkey-file\tnone\ncards\t0\n";
        // clang-format on
    }

    void createThenInfo()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, info);
        const QString path = newPath();
        const QString keyFile = path + ".key";
        options.replaceInStrings(QRegularExpression("^K$"), keyFile);
        const ProcessRun created = runCli(QStringList{"create", path} + options, {"secret ☃", "secret ☃"});
        QCOMPARE(created.exitCode, 0);
        const ProcessRun described = runCli({"info", path});
        QCOMPARE(described.out, info);
        QCOMPARE(described.exitCode, 0);
        const QByteArray key = fileBytes(keyFile);
        const QString notice(
            ": a new key file; keep a copy of it apart from the wallet, which does not open without it\n");
        QCOMPARE(created.err, key.isEmpty() ? QString() : "tessera-cli: " + keyFile + notice);
        auto store = CardDb::open(path, {"secret ☃", key});
        QVERIFY(store);
        QCOMPARE(store->cardCount(), 0);
    }

    // Settings out of bounds are refused before any password is asked; a key file is made only once the
    // wallet is about to be written.
    void createRefuses_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("passwords");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QStringList cheap{"--kdf-memory", "8", "--kdf-iterations", "1", "--key-file", "K"};
        const QString memory("create: --kdf-memory takes a number from 8 to 4096 (");
        const QString passes("create: --kdf-iterations takes a number from 1 to 64 (");
        // clang-format off
        QTest::newRow("passwords differ") << cheap << QStringList{"one", "two"} << false << 1 << "P: the two new passwords differ\n";
        QTest::newRow("not repeated") << cheap << QStringList{"one"} << false << 1 << "P: the new password was not repeated\n";
        QTest::newRow("existing file") << cheap << QStringList{"pw", "pw"} << true << 1 << "P: file exists; a new wallet needs a new name\n";
        QTest::newRow("too little memory") << QStringList{"--kdf-memory", "7"} << QStringList() << false << 2 << memory;
        QTest::newRow("too much memory") << QStringList{"--kdf-memory", "4097"} << QStringList() << false << 2 << memory;
        QTest::newRow("no passes") << QStringList{"--kdf-iterations", "0"} << QStringList() << false << 2 << passes;
        QTest::newRow("too many passes") << QStringList{"--kdf-iterations", "65"} << QStringList() << false << 2 << passes;
        QTest::newRow("settings for version 2") << QStringList{"--compatible", "--kdf-iterations", "1"} << QStringList() << false << 2 << "create: --kdf-memory and --kdf-iterations are for the hardened format (";
        QTest::newRow("key file for version 2") << QStringList{"--compatible", "--key-file", "K"} << QStringList() << false << 2 << "create: a wallet of the compatible format cannot require a key file (";
        // clang-format on
    }

    void createRefuses()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, passwords);
        QFETCH(bool, exists);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QString path = exists ? walletWithTitles({"Mine"}) : newPath();
        const QByteArray before = fileBytes(path);
        const ProcessRun run
            = runCli(QStringList{"create", path} + options.replaceInStrings(QRegularExpression("^K$"), path + ".key"),
                     passwords);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.startsWith("tessera-cli: " + message.replace("P:", path + ":")), qPrintable(run.err));
        QCOMPARE(QFile::exists(path), exists);
        QCOMPARE(fileBytes(path), before);
        QVERIFY(!QFile::exists(path + ".key"));
    }

    void checkReportsStatus_data()
    {
        QTest::addColumn<Fixture>("fixture");
        QTest::addColumn<QString>("status");
        // clang-format off
        QTest::newRow("ok") << Fixture::Wallet << "ok";
        QTest::newRow("newer") << Fixture::Newer << "newer";
        QTest::newRow("older") << Fixture::Unsupported << "unsupported";
        QTest::newRow("not a wallet") << Fixture::Invalid << "invalid";
        QTest::newRow("missing") << Fixture::Missing << "invalid";
        QTest::newRow("locked") << Fixture::Locked << "locked";
        // clang-format on
    }

    void checkReportsStatus()
    {
        QFETCH(Fixture, fixture);
        QFETCH(QString, status);
        const QString path = errorWallet(fixture);
        std::unique_ptr<SqlPeek> holder;
        if (fixture == Fixture::Locked) {
            holder = std::make_unique<SqlPeek>(path);
            QVERIFY(holder->exec("BEGIN EXCLUSIVE"));
        }
        const ProcessRun run = runCli({"check", path});
        QCOMPARE(run.out, status + "\n");
        QCOMPARE(run.exitCode, fixture == Fixture::Wallet ? 0 : 1);
        QCOMPARE(run.err.isEmpty(), fixture == Fixture::Wallet);
        QCOMPARE(QFile::exists(path), fixture != Fixture::Missing);
    }

    void listSortsLikeTheCardList()
    {
        std::vector<std::unique_ptr<Card>> cards;
        for (const char *title : {"Zeta", "Amazon", "eBay", "amazon", "Yahoo!", "bank", "Old"})
            cards.push_back(makeCard(uuidNumber(int(cards.size()) + 1), title, {"ana", "pw", "", ""}));
        const QString path = walletWith("pw", cards, {uuidNumber(7)});
        const ProcessRun listed = runCli({"ls", path}, {"pw"});
        QCOMPARE(listed.exitCode, 0);
        // Case plays no part; equal titles keep the order of their rows; trashed cards are left out.
        QCOMPARE(listed.out,
                 QString("2\tAmazon\tlogin.default\n"
                         "4\tamazon\tlogin.default\n"
                         "6\tbank\tlogin.default\n"
                         "3\teBay\tlogin.default\n"
                         "5\tYahoo!\tlogin.default\n"
                         "1\tZeta\tlogin.default\n"));

        QCOMPARE(runCli({"rm", path, "bank"}, {"pw"}).exitCode, 0);
        // Search prints the lines of ls for the live cards that match.
        QCOMPARE(runCli({"search", path, "AMAZ", "login"}, {"pw"}).out,
                 QString("2\tAmazon\tlogin.default\n4\tamazon\tlogin.default\n"));
        QCOMPARE(runCli({"search", path, "bank"}, {"pw"}).out, QString());
        QCOMPARE(runCli({"ls", path, "--trashed"}, {"pw"}).out,
                 QString("2\tAmazon\tlogin.default\tlive\n"
                         "4\tamazon\tlogin.default\tlive\n"
                         "6\tbank\tlogin.default\ttrashed\n"
                         "3\teBay\tlogin.default\tlive\n"
                         "7\tOld\tlogin.default\ttrashed\n"
                         "5\tYahoo!\tlogin.default\tlive\n"
                         "1\tZeta\tlogin.default\tlive\n"));
        QCOMPARE(SqlPeek(path).value("SELECT group_concat(ID) FROM Cards WHERE Trashed = 1").toString(),
                 QString("6,7"));
    }

    void addFillsTheTemplate()
    {
        const QString path = walletWithTitles({});
        const qint64 start = QDateTime::currentSecsSinceEpoch();
        const ProcessRun run = runCli({"add", path, "login.default", " My\tbank ", "Username=ana",
                                       "password= se\tcr=et ", "--notes", "  line one\nline two\n"},
                                      {"pw"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        auto store = CardDb::openOrCreate(path, "pw");
        bool trashed = true;
        const auto card = store->cardByUuid(run.out.trimmed(), &trashed);
        QVERIFY(card);
        QVERIFY(!trashed);
        QCOMPARE(card->title(), QString("My    bank"));
        QCOMPARE(card->templateType(), QString("login.default"));
        QCOMPARE(card->iconId(), 21);
        QCOMPARE(card->notes(), QString("line one\nline two"));
        QStringList values;
        for (const Field *field : card->fields()) {
            values << field->label() + "=" + field->value();
            QVERIFY(field->updateTime().toSecsSinceEpoch() >= start);
        }
        QCOMPARE(values, QStringList({"Username=ana", "Password=se    cr=et", "E-Mail=", "Url="}));

        // A uuid that cannot be written adds no card, so that a retry does not add it twice.
        QCOMPARE(runCli({"add", path, "login.default", "Lost"}, {"pw"}, "/dev/full").exitCode, 1);
        QCOMPARE(store->cardCount(), 1);
    }

    void showMasksSecrets_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("password");
        // clang-format off
        QTest::newRow("by title") << QStringList{"Mail"} << "********";
        QTest::newRow("by id, secrets shown") << QStringList{"2", "--show-secrets"} << "s3cret";
        QTest::newRow("by uuid") << QStringList{uuidNumber(2)} << "********";
        // clang-format on
    }

    void showMasksSecrets()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, password);
        std::vector<std::unique_ptr<Card>> cards;
        cards.push_back(makeCard(uuidNumber(1), "Bank", {"ana", "other", "", ""}));
        cards.push_back(makeCard(uuidNumber(2), "Mail", {"ana@example.org", "s3cret", "", ""}));
        cards.back()->setNotes("two\nlines");
        cards.back()->fields().at(3)->setValue("mail.example.org");
        const QString path = walletWith("pw", cards);
        const ProcessRun run = runCli(QStringList{"show", path} + arguments, {"pw"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out,
                 QString("title: Mail\n"
                         "type: login.default\n"
                         "icon: 21\n"
                         "uuid: 00000000-0000-4000-8000-000000000002\n"
                         "notes: two\n"
                         "  lines\n"
                         "\n"
                         "Username: ana@example.org\n"
                         "Password: %1\n"
                         "E-Mail:\n"
                         "Url: mail.example.org\n")
                     .arg(password));
    }

    // RFC 6238 Appendix B: SHA-1, 8 digits, at 59 seconds; the field is found by its value.
    void totpPrintsTheCode()
    {
        std::vector<std::unique_ptr<Card>> cards;
        cards.push_back(makeCard(uuidNumber(1), "Bank", {"ana", "pw", "", ""}));
        cards.back()->fields().at(2)->setValue(
            "otpauth://totp/Bank:ana?secret=GEZDGNBVGY3TQOJQGEZDGNBVGY3TQOJQ&digits=8");
        const ProcessRun run = runCli({"totp", walletWith("pw", cards), "Bank", "--time", "59"}, {"pw"});
        QCOMPARE(run.out, QString("94287082\n"));
        QCOMPARE(run.err, QString("valid for 1 more second\n"));
        QCOMPARE(run.exitCode, 0);
    }

    void editStampsOnlyWhatChanged()
    {
        const QString path = walletWithTitles({"Bank", "Mail"});
        const qint64 start = QDateTime::currentSecsSinceEpoch();
        const ProcessRun run = runCli({"edit", path, "Mail", "Password=fresh", "Username=ana", "--icon", "7", "--title",
                                       "\tPost ", "--notes", "PIN at home"},
                                      {"pw"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);

        auto store = CardDb::openOrCreate(path, "pw");
        const auto card = store->card(2);
        QCOMPARE(card->iconId(), 7);
        QCOMPARE(card->title(), QString("Post"));
        QCOMPARE(card->notes(), QString("PIN at home"));
        QVERIFY(card->updateTime().toSecsSinceEpoch() >= start);
        const QList<Field *> fields = card->fields();
        QCOMPARE(fields.at(1)->value(), QString("fresh"));
        QVERIFY(fields.at(1)->updateTime().toSecsSinceEpoch() >= start);
        // The user name was given but did not change: it keeps its time, as the other fields do.
        for (int i : {0, 2, 3})
            QCOMPARE(fields.at(i)->updateTime(), t0);
        QCOMPARE(store->card(1)->updateTime(), t0);
    }

    void generateAndHealth()
    {
        const QStringList phrases
            = runCli({"generate", "--words", "4", "--separator", "+", "--count", "3"}).out.split('\n');
        QCOMPARE(phrases.size(), 4);
        QCOMPARE(phrases.first().count('+'), 3);
        QVERIFY(QRegularExpression("^[A-Za-z0-9]{9}\n$")
                    .match(runCli({"generate", "--length", "9", "--no-symbols"}).out)
                    .hasMatch());
        QCOMPARE(runCli({"generate", "--words", "4", "--length", "9"}).exitCode, 2);

        std::vector<std::unique_ptr<Card>> cards;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        cards.push_back(makeCard(uuidNumber(1), "Strong", {"ana", "vX7#qL9!mR2$wT5&", "", ""}, now));
        cards.push_back(makeCard(uuidNumber(2), "Mail", {"ana", "letmein", "", ""}, now));
        cards.push_back(makeCard(uuidNumber(3), "Shop", {"ana", "letmein", "", ""}));
        const ProcessRun health = runCli({"health", walletWith("pw", cards)}, {"pw"});
        QCOMPARE(health.out, QString("weak\t2\tMail\nweak\t3\tShop\nreused\t2\tMail\nreused\t3\tShop\nold\t3\tShop\n"));
    }

    // A backup that cannot be written fails; a damaged wallet is refused, or rescued in part when asked,
    // each card once.
    void exportFailsLoudlyAndRescues_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("named");
        // clang-format off
        QTest::newRow("cut blob") << "UPDATE Cards SET Data = substr(Data, 1, 15) WHERE ID = 2" << "#2 \"Card 2\"";
        QTest::newRow("repeated page") << QString() << "damaged wallet: ";
        // clang-format on
    }

    void exportFailsLoudlyAndRescues()
    {
        QFETCH(QString, damage);
        QFETCH(QString, named);
        QStringList titles;
        for (int i = 1; i <= 40; ++i)
            titles << QString("Card %1").arg(i);
        const QString path = walletWithTitles(titles);
        const ProcessRun full = runCli({"export", path}, {"pw"}, "/dev/full");
        QCOMPARE(full.exitCode, 1);
        QVERIFY(full.err.contains("cannot write the output"));

        const int lost = damage.isEmpty() ? repeatLeafPage(path) : int(SqlPeek(path).exec(damage));
        QVERIFY(lost > 0);
        const QByteArray before = fileBytes(path);
        // The export streams: standard output stops short, never with a whole document; a file is not made.
        const ProcessRun refused = runCli({"export", path}, {"pw"});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(!refused.out.endsWith("}\n"));
        QVERIFY2(refused.err.contains(named), qPrintable(refused.err));
        const QString file = m_dir.filePath("refused.xml");
        QCOMPARE(runCli({"export", path, "--format", "keepass", "--output", file}, {"pw"}).exitCode, 1);
        QVERIFY(!QFile::exists(file));
        QCOMPARE(runCli({"passwd", path}, {"pw", "new", "new"}).exitCode, 1);
        QCOMPARE(fileBytes(path), before);
        const ProcessRun rescued = runCli({"export", path, "--salvage"}, {"pw"});
        QCOMPARE(rescued.exitCode, 3);
        QCOMPARE(rescued.out.count("\"uuid\""), titles.size() - lost);
        QVERIFY2(rescued.err.contains(named), qPrintable(rescued.err));
        QCOMPARE(rescued.err.count("is left out"), lost);
    }

    // A pipe or a device is written into, never replaced by a file.
    void exportIntoStreams_data()
    {
        QTest::addColumn<bool>("fifo");
        // clang-format off
        QTest::newRow("named pipe") << true;
        QTest::newRow("standard output by name") << false;
        // clang-format on
    }

    void exportIntoStreams()
    {
        QFETCH(bool, fifo);
        const QString path = walletWithTitles({"Bank"});
        const QString output = fifo ? m_dir.filePath("fifo") : QString("/dev/stdout");
        int reader = -1;
        if (fifo) {
            QCOMPARE(::mkfifo(QFile::encodeName(output).constData(), 0600), 0);
            reader = ::open(QFile::encodeName(output).constData(), O_RDONLY | O_NONBLOCK);
        }
        const ProcessRun run = runCli({"export", path, "--output", output}, {"pw"});
        QCOMPARE(run.exitCode, 0);
        QByteArray written = run.out.toUtf8();
        if (fifo) {
            char buffer[4096];
            for (ssize_t count; (count = ::read(reader, buffer, sizeof buffer)) > 0;)
                written.append(buffer, int(count));
            ::close(reader);
            QVERIFY(QFileInfo::exists(output) && !QFileInfo(output).isFile());
        }
        QCOMPARE(QJsonDocument::fromJson(written).object().value("cards").toArray().size(), 1);
    }

    // Cards another process adds while the wallet is re-keyed and merged are all still there.
    // A wallet and its copy on a WebDAV server: the server's password is asked after the wallet's (no keyring
    // here), the first round makes the copy, the next brings back what another device changed there.
    void syncWithServer()
    {
        WebDavServer server;
        QVERIFY(server.start());
        const QString path = walletWithTitles({"Bank", "Mail"});
        const QString url = server.url("wallet.tessera").toString();
        const QStringList sync{"sync", path, url, "--user", WebDavServer::user};
        const ProcessRun first = runCli(sync, {"pw", WebDavServer::password});
        QCOMPARE(first.out, QString("received 0, sent 2\n"));
        QCOMPARE(first.exitCode, 0);
        QVERIFY(CardDb::open(server.filePath("wallet.tessera"), "pw")->addCard(*makeCard("n", "New", {"bob"})));
        server.ageFiles();
        QCOMPARE(runCli(sync, {"pw", WebDavServer::password}).out, QString("received 1, sent 0\n"));

        const ProcessRun refused = runCli(sync, {"pw", "wrong"});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.endsWith("tessera-cli: sync failed: the server refused: wrong user name or password; "
                                      "check the app password\n"),
                 qPrintable(refused.err));
        QCOMPARE(runCli({"merge", path, url}).exitCode, 2);
    }

    void concurrentAddsSurviveRewrites()
    {
        const QString path = walletWithTitles({"Bank"});
        const QString stop = m_dir.filePath("stop-adding");
        // Adds until the re-key and the merge are over, and twice more.
        QProcess adder;
        adder.start("bash",
                    {"-c",
                     "for i in $(seq 1 200); do for pw in pw pw2; do printf '%s\\n' \"$pw\" | "
                     "\"$0\" add \"$1\" login.default \"Added $i\" 2>/dev/null && break; done; "
                     "[ -e \"$2\" ] && [ $((j += 1)) -gt 2 ] && break; done",
                     TESSERA_CLI, path, stop});
        QVERIFY(adder.waitForStarted());
        QTRY_VERIFY(QFile(path).size() > 0 && must(CardDb::open(path, "pw")->allUuids()).size() > 1);
        QCOMPARE(runCli({"passwd", path}, {"pw", "pw2", "pw2"}).exitCode, 0);
        QCOMPARE(runCli({"merge", path, newPath()}, {"pw2", "other", "other"}).exitCode, 0);
        QVERIFY(writeFile(stop, ""));
        QVERIFY(adder.waitForFinished(120000));
        const QStringList acknowledged
            = QString::fromUtf8(adder.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QVERIFY(!acknowledged.isEmpty());
        const QStringList uuids = must(CardDb::open(path, "pw2")->allUuids());
        for (const QString &uuid : acknowledged)
            QVERIFY2(uuids.contains(uuid), qPrintable(uuid));
    }

    void passwdChangesThePassword()
    {
        const QString path = walletWithTitles({"Bank", "Mail"});
        const ProcessRun run = runCli({"passwd", path}, {"pw", "new ☃", "new ☃"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!CardDb::openOrCreate(path, "pw"));
        QCOMPARE(CardDb::open(path, "new ☃")->card(2)->fields().at(1)->value(), QString("pw-Mail"));
    }

    // Converting both ways, and adding and dropping a key file, keep every card and its trash state;
    // passwd keeps the key settings.
    void formatAndKeyFileChangesKeepTheCards()
    {
        std::vector<std::unique_ptr<Card>> cards;
        cards.push_back(makeCard(uuidNumber(1), "Bank", {"ana", "pw-Bank", "", ""}));
        cards.push_back(makeCard(uuidNumber(2), "Mail", {"ana", "pw-Mail", "", ""}));
        const QString path = walletWith("pw", cards, {uuidNumber(1)});
        const QString key = path + ".key";
        const QStringList list{"ls", path, "--trashed"};
        const QStringList mail{"show", path, "Mail", "--show-secrets"};
        const QString listed = runCli(list, {"pw"}).out;
        const QString shown = runCli(mail, {"pw"}).out;
        QCOMPARE(listed, QString("1\tBank\tlogin.default\ttrashed\n2\tMail\tlogin.default\tlive\n"));
        QVERIFY(shown.contains("\nPassword: pw-Mail\n"));

        const ProcessRun hardened
            = runCli({"convert", path, "--hardened", "--kdf-memory", "8", "--kdf-iterations", "1"}, {"pw"});
        QCOMPARE(hardened.out,
                 "converted " + path + " to the hardened format (version 3): argon2id, iterations 1, memory 8 MiB\n");
        QCOMPARE(runCli(list, {"pw"}).out, listed);
        QCOMPARE(runCli({"passwd", path, "--new-key-file", key}, {"pw", "pw2", "pw2"}).exitCode, 0);
        QCOMPARE(runCli({"info", path}).out,
                 QString("format\t3\nkdf\targon2id\niterations\t1\nmemory-mib\t8\nkey-file\trequired\ncards\t1\n"));
        QCOMPARE(runCli(mail, {"pw2"}).exitCode, 1);
        QCOMPARE(runCli(mail + QStringList{"--key-file", key}, {"pw2"}).out, shown);

        QCOMPARE(runCli({"passwd", path, "--key-file", key, "--no-key-file"}, {"pw2", "pw3", "pw3"}).exitCode, 0);
        const ProcessRun compatible = runCli({"convert", path, "--compatible"}, {"pw3"});
        QCOMPARE(compatible.out,
                 "converted " + path + " to the compatible format (version 2): pbkdf2-sha256, iterations 2048\n");
        QCOMPARE(runCli({"info", path}).out.left(9), QString("format\t2\n"));
        QCOMPARE(runCli(list, {"pw3"}).out, listed);
        QCOMPARE(runCli(mail, {"pw3"}).out, shown);
    }

    // restore and purge name trashed cards by title too; a live card is neither restored nor purged.
    void trashCommands()
    {
        std::vector<std::unique_ptr<Card>> cards;
        for (const char *title : {"Bank", "Mail", "Shop"})
            cards.push_back(makeCard(uuidNumber(int(cards.size()) + 1), title, {"ana", "pw", "", ""}));
        const QString path = walletWith("pw", cards, {uuidNumber(1), uuidNumber(2), uuidNumber(3)});
        QCOMPARE(runCli({"restore", path, "Bank"}, {"pw"}).exitCode, 0);
        const ProcessRun live = runCli({"purge", path, "Bank"}, {"pw"});
        QCOMPARE(live.exitCode, 1);
        QVERIFY(live.err.contains("no such card: Bank"));
        QCOMPARE(runCli({"purge", path, "Mail"}, {"pw"}).exitCode, 0);
        QCOMPARE(SqlPeek(path).value("SELECT group_concat(ID) FROM Cards WHERE Trashed = 1").toString(), QString("3"));
        QCOMPARE(runCli({"purge", path}, {"pw"}).exitCode, 0);
        QCOMPARE(must(CardDb::open(path, "pw")->allUuids()).size(), 1);
        QCOMPARE(SqlPeek(path).value("SELECT COUNT(*) FROM Purged").toInt(), 2);
    }

    // Standard output gets the import's summary; the second identical Password Safe entry is a duplicate.
    // The format comes from the older form's word, from --format, or from the file's content.
    void importEachFormat_data()
    {
        QTest::addColumn<QStringList>("format");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("live");
        // clang-format off
        QTest::newRow("KeePassX") << QStringList{"keepassx"} << "keepassx-export.xml" << "imported 8, skipped 0 duplicates, 0 into the trash, extra fields kept 1, rows not understood 0" << 8;
        QTest::newRow("KeePass") << QStringList{"keepass"} << "keepass2-export.xml" << "imported 6, skipped 0 duplicates, 1 into the trash, extra fields kept 2, rows not understood 0" << 5;
        QTest::newRow("Password Safe") << QStringList{"psafe"} << "passwordsafe-export.xml" << "imported 5, skipped 1 duplicates, 0 into the trash, extra fields kept 0, rows not understood 0" << 5;
        QTest::newRow("KeePass detected") << QStringList() << "keepass2-export.xml" << "imported 6, skipped 0 duplicates, 1 into the trash, extra fields kept 2, rows not understood 0" << 5;
        QTest::newRow("Chrome detected") << QStringList() << "chrome.csv" << "imported 3, skipped 0 duplicates, 0 into the trash, extra fields kept 0, rows not understood 0" << 3;
        QTest::newRow("Chrome named") << QStringList{"--format", "chrome-csv"} << "chrome.csv" << "imported 3, skipped 0 duplicates, 0 into the trash, extra fields kept 0, rows not understood 0" << 3;
        // clang-format on
    }

    void importEachFormat()
    {
        QFETCH(QStringList, format);
        QFETCH(QString, file);
        QFETCH(QString, summary);
        QFETCH(int, live);
        const QString path = walletWithTitles({"Mine"});
        const QString exportPath = testData("import/" + file);
        const QStringList arguments = format.value(0).startsWith("--")
            ? QStringList{"import", path, exportPath} + format
            : QStringList{"import", path} + format + QStringList{exportPath};
        const ProcessRun run = runCli(arguments, {"pw"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, summary + "\n");
        QCOMPARE(CardDb::open(path, "pw")->cardCount(), live + 1);
    }

    void exportHoldsEveryMember()
    {
        std::vector<std::unique_ptr<Card>> cards;
        cards.push_back(makeCard(uuidNumber(1), "Gone", {"old", "older", "", ""}));
        auto bank = std::make_unique<Card>("0f0e0d0c-0b0a-4908-8706-050403020100", t0, "finance.bankaccount", 45,
                                           "Bänk ☃", "two\nlines");
        bank->addField(0, t0.addSecs(100), "Owner", "Ana \"A\" López", 0, false);
        bank->addField(3, t0.addSecs(200), "", "", 8, false);
        bank->addField(9, t0.addSecs(-1330000000), "PIN", "0042", 2, true);
        cards.push_back(std::move(bank));
        const QString path = walletWith("pw", cards, {uuidNumber(1)});

        const ProcessRun run = runCli({"export", path}, {"pw"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err,
                 QString("tessera-cli: warning: the output holds every secret of %1 in the clear\n").arg(path));
        const QJsonObject document = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(document.keys(), QStringList{"cards"});
        const QJsonArray exported = document.value("cards").toArray();
        QCOMPARE(exported.size(), 2);

        // Written out by hand from the card above.
        const QByteArray expected
            = "{\"id\": 2, \"uuid\": \"0f0e0d0c-0b0a-4908-8706-050403020100\", \"updateTime\": 1330000000,"
              " \"templateType\": \"finance.bankaccount\", \"iconId\": 45, \"title\": \"B\u00e4nk \u2603\","
              " \"notes\": \"two\\nlines\", \"trashed\": false, \"fields\": ["
              "{\"uid\": 0, \"updateTime\": 1330000100, \"label\": \"Owner\", \"value\": \"Ana \\\"A\\\" L\u00f3pez\","
              " \"type\": 0, \"sensitive\": false},"
              "{\"uid\": 3, \"updateTime\": 1330000200, \"label\": \"\", \"value\": \"\", \"type\": 8, \"sensitive\": "
              "false},"
              "{\"uid\": 9, \"updateTime\": 0, \"label\": \"PIN\", \"value\": \"0042\", \"type\": 2, \"sensitive\": "
              "true}]}";
        QCOMPARE(QJsonDocument(exported.at(1).toObject()).toJson(QJsonDocument::Compact),
                 QJsonDocument::fromJson(expected).toJson(QJsonDocument::Compact));
        QCOMPARE(exported.at(0).toObject().value("trashed").toBool(), true);
    }

    // A conflict copy beside the other copy is merged and moved; the wallet was backed up before it
    // changed and the backup is listed.
    void syncTakesInConflictCopies()
    {
        // Backups are found by the wallet's file name: one of its own.
        const QString wallet = m_dir.filePath(QFileInfo(m_dir.path()).fileName() + ".tessera");
        QVERIFY(QFile::rename(walletWithTitles({"Bank"}), wallet));
        const QString other = walletWith("theirs", {});
        const QString conflict = QFileInfo(other).completeBaseName() + ".sync-conflict-20240501-093000-ABCDEF7."
            + QFileInfo(other).suffix();
        const QString conflictPath = QFileInfo(other).dir().filePath(conflict);
        QVERIFY(CardDb::open(other, "theirs")->saveCopy(conflictPath));
        QVERIFY(CardDb::open(conflictPath, "theirs")->addCard(*makeCard(uuidNumber(9), "Mail", {"ana", "x", "", ""})));

        const ProcessRun run = runCli({"sync", wallet, other}, {"pw", "theirs"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, QString("received 1, sent 2, conflict copies merged 1\n"));
        QVERIFY(!QFile::exists(conflictPath));
        const ProcessRun listed = runCli({"backups", wallet});
        QVERIFY2(listed.out.count(QLatin1Char(10)) == 1, qPrintable(listed.out));
        QVERIFY2(listed.out.contains("\t1\t"), qPrintable(listed.out));
    }

    // The same card edited on both sides, a card only on each side: both files end up with the same
    // cards, the newer side winning field by field, each file keeping its password (and OTHER its key
    // file) and identity. A first merge makes OTHER under a new password, with an identity of its own.
    void mergeEditedOnBothSides()
    {
        std::vector<std::unique_ptr<Card>> mine;
        mine.push_back(makeCard(uuidNumber(1), "Mail", {"ana-new", "old", "", ""}, t0.addDays(1)));
        mine.push_back(makeCard(uuidNumber(2), "Only mine", {"me", "mine", "", ""}));
        std::vector<std::unique_ptr<Card>> theirs;
        theirs.push_back(makeCard(uuidNumber(3), "Only theirs, trashed", {"them", "theirs", "", ""}));
        theirs.push_back(makeCard(uuidNumber(1), "Mail", {"ana", "new-pw", "", ""}));
        theirs.back()->fields().at(1)->setUpdateTime(t0.addDays(2));
        const QString wallet = walletWith("mine", mine);
        const QString other = walletWith("theirs", theirs, {uuidNumber(3)}, testKey);
        const QString walletIdentity = syncUuid(wallet);

        QCOMPARE(runCli({"merge", wallet, other}, {"mine", "theirs"}).err,
                 "tessera-cli: " + other + ": wrong password or key file\n");
        const QString key = other + ".key";
        QVERIFY(writeFile(key, testKey));
        const ProcessRun run = runCli({"merge", wallet, other, "--other-key-file", key}, {"mine", "theirs"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(syncUuid(wallet), walletIdentity);
        const QStringList merged{
            uuidNumber(1) + "|Mail||live|ana-new|new-pw||",
            uuidNumber(2) + "|Only mine||live|me|mine||",
            uuidNumber(3) + "|Only theirs, trashed||trashed|them|theirs||",
        };
        QCOMPARE(contents(*CardDb::open(wallet, "mine")), merged);
        QCOMPARE(contents(*CardDb::open(other, {"theirs", testKey})), merged);

        const QString fresh = newPath("shared");
        QCOMPARE(runCli({"merge", wallet, fresh}, {"mine", "shared", "shared"}).exitCode, 0);
        QCOMPARE(contents(*CardDb::open(fresh, "shared")), merged);
        QVERIFY(syncUuid(fresh) != walletIdentity);
        QCOMPARE(QDir(m_dir.path()).entryList({"*.copy"}), QStringList());
    }

    void failedMergeChangesNeitherFile_data()
    {
        QTest::addColumn<bool>("otherExists");
        QTest::addColumn<QStringList>("passwords");
        QTest::addColumn<QString>("reason");
        // clang-format off
        QTest::newRow("wrong password of WALLET") << true << QStringList{"nope"} << "WALLET: wrong password";
        QTest::newRow("wrong password of OTHER") << true << QStringList{"mine", "mine"} << "OTHER: wrong password";
        QTest::newRow("new passwords differ") << false << QStringList{"mine", "a", "b"} << "OTHER: the two new passwords differ";
        // clang-format on
    }

    void failedMergeChangesNeitherFile()
    {
        QFETCH(bool, otherExists);
        QFETCH(QStringList, passwords);
        QFETCH(QString, reason);
        std::vector<std::unique_ptr<Card>> mine;
        mine.push_back(makeCard(uuidNumber(1), "Mail", {"ana", "pw", "", ""}));
        const QString wallet = walletWith("mine", mine);
        std::vector<std::unique_ptr<Card>> theirs;
        theirs.push_back(makeCard(uuidNumber(2), "Bank", {"ana", "pw", "", ""}));
        const QString other = otherExists ? walletWith("theirs", theirs) : newPath();
        const QByteArray walletBefore = fileBytes(wallet);
        const QByteArray otherBefore = fileBytes(other);

        const ProcessRun run = runCli({"merge", wallet, other}, passwords);
        QCOMPARE(run.exitCode, 1);
        reason.replace("WALLET", wallet).replace("OTHER", other);
        QCOMPARE(run.err, "tessera-cli: " + reason + "\n");
        QCOMPARE(fileBytes(wallet), walletBefore);
        QCOMPARE(fileBytes(other), otherBefore);
        QCOMPARE(QFile::exists(other), otherExists);
        QCOMPARE(QDir(m_dir.path()).entryList({"*.copy"}), QStringList());
    }

    // Refusals and notices: nothing on standard output and the wallet as it was.
    void errors_data()
    {
        QTest::addColumn<Fixture>("fixture");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("passwords");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");

        const QStringList pw{"pw"};
        const QString damaged = m_dir.filePath("damaged.xml");
        const auto row = [](const char *name) -> QTestData & { return QTest::newRow(name); };
        // clang-format off
        row("wrong password") << Fixture::Wallet << QStringList{"ls", "W"} << QStringList{"nope"} << 1 << "W: wrong password";
        row("no password") << Fixture::Wallet << QStringList{"show", "W", "Mail"} << QStringList() << 1 << "W: no password given";
        row("ambiguous title") << Fixture::Wallet << QStringList{"show", "W", "Bank"} << pw << 1 << "W: \"Bank\" names 2 cards, ids 1, 2; give the id or uuid of one";
        row("no such card") << Fixture::Wallet << QStringList{"rm", "W", "Nothing"} << pw << 1 << "W: no such card: Nothing";
        row("no such id") << Fixture::Wallet << QStringList{"show", "W", "17"} << pw << 1 << "W: no such card: 17";
        row("a title names no trashed card") << Fixture::Wallet << QStringList{"show", "W", "Old"} << pw << 1 << "W: no such card: Old";
        row("trashed card") << Fixture::Wallet << QStringList{"edit", "W", "4", "Username=x"} << pw << 1 << "W: card 4 is in the trash";
        row("no one-time code") << Fixture::Wallet << QStringList{"totp", "W", "Mail"} << pw << 1 << "W: card 3 has no one-time code";
        row("unknown label") << Fixture::Wallet << QStringList{"edit", "W", "Mail", "Pin=1"} << pw << 1 << "W: no field \"Pin\" on this card; its fields are: Username, Password, E-Mail, Url";
        row("unknown template") << Fixture::Wallet << QStringList{"add", "W", "login.nope", "T"} << pw << 1 << "no template \"login.nope\"; `tessera-cli templates` lists them";
        row("old password wrong") << Fixture::Wallet << QStringList{"passwd", "W"} << QStringList{"nope", "n", "n"} << 1 << "W: wrong password";
        row("new password empty") << Fixture::Wallet << QStringList{"passwd", "W"} << QStringList{"pw", "", ""} << 1 << "W: the new password is empty";
        row("import file missing") << Fixture::Wallet << QStringList{"import", "W", "keepass", "W.xml"} << pw << 1 << "W.xml: no such file";
        row("damaged import") << Fixture::Wallet << QStringList{"import", "W", "psafe", damaged} << pw << 1 << damaged + ": not a readable psafe export: line 59, column 15: Premature end of document.";
        row("nothing changed") << Fixture::Wallet << QStringList{"edit", "W", "Mail", "Password= three ", "--title", "Mail", "--icon", "21"} << pw << 0 << "W: nothing changed";
        row("locked") << Fixture::Locked << QStringList{"add", "W", "login.default", "T"} << pw << 1 << "W: the wallet is in use by another program";
        row("missing") << Fixture::Missing << QStringList{"ls", "W"} << pw << 1 << "W: no such file";
        row("missing, merged") << Fixture::Missing << QStringList{"merge", "W", "W.other"} << pw << 1 << "W: no such file";
        row("read-only") << Fixture::ReadOnly << QStringList{"rm", "W", "Mail"} << pw << 1 << "W: file is read-only";
        row("unknown command") << Fixture::Wallet << QStringList{"frob", "W"} << pw << 2 << "unknown command \"frob\"; `tessera-cli --help` lists the commands";
        row("missing argument") << Fixture::Wallet << QStringList{"show", "W"} << pw << 2 << "show: missing arguments (usage: tessera-cli show WALLET CARD [--show-secrets] [--key-file FILE])";
        row("too many arguments") << Fixture::Wallet << QStringList{"rm", "W", "Mail", "Bank"} << pw << 2 << "rm: too many arguments (usage: tessera-cli rm WALLET CARD [--key-file FILE])";
        row("unknown option") << Fixture::Wallet << QStringList{"ls", "W", "--all"} << pw << 2 << "ls: Unknown option 'all' (usage: tessera-cli ls WALLET [--trashed] [--key-file FILE])";
        row("not LABEL=VALUE") << Fixture::Wallet << QStringList{"add", "W", "login.default", "T", "Username"} << pw << 2 << "add: \"Username\" is not of the form LABEL=VALUE (usage: tessera-cli add WALLET " "TEMPLATE TITLE [LABEL=VALUE ...] [--notes TEXT] [--key-file FILE])";
        row("icon out of range") << Fixture::Wallet << QStringList{"edit", "W", "Mail", "--icon", "70"} << pw << 2 << "edit: --icon takes a number from 0 to 69 (usage: tessera-cli edit WALLET CARD " "[LABEL=VALUE ...] [--title T] [--notes TEXT] [--icon N] [--key-file FILE])";
        row("unknown format") << Fixture::Wallet << QStringList{"import", "W", "csv", "W"} << pw << 2 << "import: unknown format \"csv\" (usage: tessera-cli import WALLET " "[keepassx|keepass|psafe] FILE [--format NAME] [--key-file FILE])";
        row("format not told") << Fixture::Wallet << QStringList{"import", "W", "W"} << pw << 1 << "W: the format cannot be told from the content; name it with --format";
        row("control characters in a name") << Fixture::Missing << QStringList{"ls", "W\x1b[2J"} << pw << 1 << "W\\x1b[2J: no such file";
        row("separator too long") << Fixture::Wallet << QStringList{"generate", "--words", "5", "--separator", QString(17, '+')} << pw << 2 << "generate: --separator takes at most 16 characters (usage: tessera-cli generate [--length N] [--no-symbols] [--no-lookalikes] [--words N] [--separator S] [--count N])";
        row("no key file") << Fixture::KeyFile << QStringList{"ls", "W"} << pw << 1 << "W: wrong password or key file";
        row("wrong key file") << Fixture::KeyFile << QStringList{"ls", "W", "--key-file", damaged} << pw << 1 << "W: wrong password or key file";
        row("missing key file") << Fixture::KeyFile << QStringList{"rm", "W", "Mail", "--key-file", damaged + ".key"} << pw << 1 << "W: wrong password or key file: no key file " + damaged + ".key";
        row("convert to its own format") << Fixture::Wallet << QStringList{"convert", "W", "--compatible"} << pw << 1 << "W: already in the compatible format (version 2); nothing changed";
        row("convert to nothing") << Fixture::Wallet << QStringList{"convert", "W"} << pw << 2 << "convert: give one of --hardened and --compatible (usage: tessera-cli convert WALLET [--hardened] [--compatible] [--kdf-memory MIB] [--kdf-iterations N] [--key-file FILE])";
        row("key file added and dropped") << Fixture::Wallet << QStringList{"passwd", "W", "--no-key-file", "--new-key-file", "W.key"} << pw << 2 << "passwd: --new-key-file and --no-key-file exclude each other (usage: tessera-cli passwd WALLET [--new-key-file FILE] [--no-key-file] [--key-file FILE])";
        row("merge with itself") << Fixture::Wallet << QStringList{"merge", "W", "W"} << pw << 2 << "merge: WALLET and OTHER are the same file (usage: tessera-cli merge WALLET OTHER [--other-key-file FILE] [--key-file FILE])";
        // clang-format on
    }

    void errors()
    {
        QFETCH(Fixture, fixture);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, passwords);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QString path = errorWallet(fixture);
        arguments.replaceInStrings(QRegularExpression("^W"), path);
        message.replace(QRegularExpression("^W"), path);
        const QByteArray before = fileBytes(path);
        std::unique_ptr<SqlPeek> holder;
        if (fixture == Fixture::Locked) {
            holder = std::make_unique<SqlPeek>(path);
            QVERIFY(holder->exec("BEGIN EXCLUSIVE"));
        }

        const ProcessRun run = runCli(arguments, passwords);
        QCOMPARE(run.err, "tessera-cli: " + message + "\n");
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, QString());
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(QFile::exists(path), fixture != Fixture::Missing);
        QCOMPARE(QDir(m_dir.path()).entryList({"*.copy", "*.other"}), QStringList());
    }

    // The password is the first line of the input and read once; each line runs as it would alone, the
    // first that fails ending the batch with its exit code. Rows 1 Bank, 2 Mail.
    void batchRunsLinesOnOneUnlock_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("trashed");
        const QString mail("title: Mail\ntype: login.default\nicon: 21\nuuid: 00000000-0000-4000-8000-000000000002\n"
                           "notes: x\\y z\n\nUsername: ana \"A\"\nPassword: it's\nE-Mail:\nUrl:\n");
        const QString list("1\tBank\tlogin.default\n2\tMail\tlogin.default\n");
        const QString stopped("tessera-cli: W: line %1 failed; the batch stops there\n");
        // clang-format off
        QTest::newRow("quoting") << QStringList{"# the user name", "", "  edit Mail \"Username=ana \\\"A\\\"\" 'Password=it'\\''s' --notes \"x\\y\"\\ z", "show 2 --show-secrets", "rm Bank"} << 0 << mail << QString() << "1";
        QTest::newRow("a failure stops") << QStringList{"rm Bank", "show Nothing", "rm Mail"} << 1 << QString() << "tessera-cli: W: no such card: Nothing\n" + stopped.arg(2) << "1";
        QTest::newRow("not in a batch") << QStringList{"ls", "passwd"} << 2 << list << "tessera-cli: passwd cannot run in a batch\n" + stopped.arg(2) << "";
        QTest::newRow("unclosed quote") << QStringList{"show 'Mail"} << 2 << QString() << "tessera-cli: W: line 1: a quote ' is not closed\n" + stopped.arg(1) << "";
        // clang-format on
    }

    void batchRunsLinesOnOneUnlock()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QString, trashed);
        const QString path = walletWithTitles({"Bank", "Mail"});
        const ProcessRun run = runCli({"batch", path}, QStringList{"pw"} + lines);
        QCOMPARE(run.err, err.replace("W:", path + ":"));
        QCOMPARE(run.out, out);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(SqlPeek(path).value("SELECT group_concat(ID) FROM Cards WHERE Trashed = 1").toString(), trashed);
    }

    // The overview, the man page and the completion offer the same commands, each with the options its
    // help lists; without a command, the overview comes as an error.
    void helpManPageAndCompletionAgree()
    {
        const ProcessRun overview = runCli({"--help"});
        QCOMPARE(overview.exitCode, 0);
        const ProcessRun none = runCli({});
        QCOMPARE(none.exitCode, 2);
        QCOMPARE(none.err, overview.out);
        const auto matches = [](const QString &text, const QString &pattern) {
            QStringList found;
            for (auto it = QRegularExpression(pattern).globalMatch(text); it.hasNext();)
                found << it.next().captured(1);
            return found;
        };
        const QStringList commands = matches(overview.out, "\n  (\\S+)");
        QCOMPARE(commands.size(), 24);
        QCOMPARE(complete({""}), commands + QStringList({"--help", "--version"}));
        const QString manPage = fileBytes(TESSERA_MAN_PAGE);
        for (const QString &command : commands) {
            const QStringList options = matches(runCli({command, "--help"}).out, "\n  (?:-h, )?(--[a-z-]+)");
            QCOMPARE(complete({command, "--"}), options);
            const int start = manPage.indexOf(".TP\n.BI " + QString(command).replace('-', "\\-") + " \"");
            const QString entry = manPage.mid(start, manPage.indexOf(".TP\n.BI ", start + 1) - start);
            QVERIFY2(start >= 0, qPrintable(command));
            for (QString option : options)
                QVERIFY2(option == "--help" || entry.contains(option.replace('-', "\\-")),
                         qPrintable(command + option));
        }
        // Arguments are completed by their place, past options and their values.
        QCOMPARE(complete({"import", "W", ""}), QStringList({"keepassx", "keepass", "psafe"}));
        QVERIFY(complete({"add", "W", "--notes", "N", ""}).contains("login.default"));
    }

    void templatesListsTheCatalogue()
    {
        const ProcessRun run = runCli({"templates"});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        // Separators are not fields one can fill in.
        QVERIFY(lines.contains("login.default\tLogin\t4"));
        QVERIFY(lines.contains("finance.bankaccount\tBank Account\t20"));
        QVERIFY(std::is_sorted(lines.begin(), lines.end()));
    }

    // Typed on a terminal, the password is not echoed; the echo comes back afterwards, and also when
    // Ctrl-C ends the program while it waits for the password.
    void terminalInput_data()
    {
        QTest::addColumn<bool>("interrupted");
        // clang-format off
        QTest::newRow("typed") << false;
        QTest::newRow("interrupted") << true;
        // clang-format on
    }

    void terminalInput()
    {
        QFETCH(bool, interrupted);
        const QString path = walletWithTitles({"Bank"});
        PseudoTerminal terminal;
        QVERIFY(terminal.isOpen());
        QVERIFY(terminal.echoes());
        QProcess process;
        process.setStandardInputFile(terminal.slavePath());
        process.start(QStringLiteral(TESSERA_CLI), {"ls", path});
        QTRY_VERIFY(!terminal.echoes());

        if (interrupted)
            ::kill(pid_t(process.processId()), SIGINT);
        else
            QVERIFY(terminal.type("pw\n"));
        QVERIFY(process.waitForFinished());
        QVERIFY(terminal.echoes());
        // The Enter key was not echoed, so the program ends the prompt's line itself.
        QCOMPARE(process.readAllStandardError(), "Password for " + path.toUtf8() + ": \n");
        QCOMPARE(terminal.shown(), QByteArray());
        if (interrupted) {
            QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        } else {
            QCOMPARE(process.exitCode(), 0);
            QCOMPARE(process.readAllStandardOutput(), QByteArray("1\tBank\tlogin.default\n"));
        }
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "TestCli.moc"
