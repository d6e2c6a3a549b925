#include "common/SqlPeek.h"
#include "common/TestCards.h"
#include "common/TestFiles.h"
#include "store/CardDb.h"
#include "store/FileOps.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList cardTexts(CardDb &store)
{
    QStringList texts;
    for (const CardListEntry &entry : must(store.cardList(CardDb::AllCards)))
        texts << QString::fromUtf8(store.card(entry.id)->toData());
    return texts;
}

// The named columns of every row as SQL literals, NULLs and blobs included.
QString rows(const QString &path, const QString &table, const QStringList &columns)
{
    const QString quoted = "quote(" + columns.join(")||','||quote(") + ")";
    return SqlPeek(path).value(QString("SELECT group_concat(%1, ';') FROM %2").arg(quoted, table)).toString();
}

} // namespace

class TestRekey : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    QString walletWithCards(std::unique_ptr<CardDb> *store)
    {
        const QString path = m_dir.filePath(QStringLiteral("rekey%1.tessera").arg(++m_serial));
        *store = CardDb::openOrCreate(path, "old");
        for (const QString &title : QStringList{"Alpha", "Bravo", "Charlie"})
            (*store)->addCard(*makeCard(title + "-uuid", title, {title.toLower(), "pw-" + title}, t0, "n"));
        (*store)->trashCard((*store)->cardIdForUuid("Bravo-uuid"));
        return path;
    }

private slots:
    void changesKeyAndKeepsEverythingElse()
    {
        std::unique_ptr<CardDb> store;
        const QString path = walletWithCards(&store);
        const QStringList texts = cardTexts(*store);
        const QStringList clear{"ID", "Title", "Type", "IconID", "UpdateTime", "UUID", "Trashed"};
        const QStringList identity{"ID", "Version", "Signature", "Sync_UUID", "Info"};
        const QString clearBefore = rows(path, "Cards", clear);
        const QString identityBefore = rows(path, "Identity", identity);
        const QString dataBefore = rows(path, "Cards", {"Data"});

        QVERIFY(store->changePassword("old", "new ☃"));
        QVERIFY(store->isOpen());
        QCOMPARE(cardTexts(*store), texts);
        QCOMPARE(rows(path, "Cards", clear), clearBefore);
        QCOMPARE(rows(path, "Identity", identity), identityBefore);
        QVERIFY(rows(path, "Cards", {"Data"}) != dataBefore);
        QCOMPARE(store->cardCount(), 2);

        store.reset();
        WalletError error;
        QVERIFY(!CardDb::open(path, "old", &error));
        QCOMPARE(error.kind(), WalletError::WrongPassword);
        auto reopened = CardDb::open(path, "new ☃");
        QVERIFY(reopened);
        QCOMPARE(cardTexts(*reopened), texts);
    }

    void samePasswordKeepsEveryBlob()
    {
        std::unique_ptr<CardDb> store;
        const QString path = walletWithCards(&store);
        const QString before = rows(path, "Cards", {"Data"}) + rows(path, "Identity", {"Hash"});
        QVERIFY(store->changePassword("old", "old"));
        QCOMPARE(rows(path, "Cards", {"Data"}) + rows(path, "Identity", {"Hash"}), before);
    }

    // A conversion rewrites only the key and the sealed columns: uuids, times, trash states, the sync
    // identity and the purge records stay, and the way back restores every column of version 2.
    void convertsBothWays()
    {
        std::unique_ptr<CardDb> store;
        const QString path = walletWithCards(&store);
        QVERIFY(store->addCard(*makeCard("Delta-uuid", "Delta", {"d"})));
        QVERIFY(store->trashCard(store->cardIdForUuid("Delta-uuid")) && store->purgeTrashed());
        QVERIFY(store->trashCard(store->cardIdForUuid("Charlie-uuid")));
        const QStringList texts = cardTexts(*store);
        const QStringList clear{"ID", "Title", "Type", "IconID", "UpdateTime", "UUID", "Trashed"};
        const QString clearBefore = rows(path, "Cards", clear);
        const QString keptBefore = rows(path, "Cards", {"ID", "UpdateTime", "UUID", "Trashed"})
            + rows(path, "Identity", {"Sync_UUID"}) + rows(path, "Purged", {"UUID", "Time"});

        QVERIFY(store->convert(cheapHardened, {"old", {}}));
        QCOMPARE(rows(path, "Cards", {"Title", "Type", "IconID"}), QString("'','',0;'','',0"));
        QCOMPARE(rows(path, "Identity", {"Version"}), QString("3"));
        QCOMPARE(rows(path, "Cards", {"ID", "UpdateTime", "UUID", "Trashed"}) + rows(path, "Identity", {"Sync_UUID"})
                     + rows(path, "Purged", {"UUID", "Time"}),
                 keptBefore);
        QCOMPARE(cardTexts(*CardDb::open(path, "old")), texts);

        QVERIFY(!store->convert({NewWalletOptions::Compatible, {}}, {"new", {}}));
        QVERIFY(store->convert({NewWalletOptions::Compatible, {}}, {"old", {}}));
        store.reset();
        QCOMPARE(rows(path, "Identity", {"Version"}), QString("2"));
        QCOMPARE(cardTexts(*CardDb::open(path, "old")), texts);
        QCOMPARE(rows(path, "Cards", clear), clearBefore);
    }

    // Version 3 makes a new master key with every change of credentials: the old key opens nothing
    // written since, neither in the file nor moved into an old copy of it. Key files come and go with it.
    void newCredentialsRotateTheMasterKey_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("keyFile");
        QTest::addColumn<QString>("tryPassword");
        QTest::addColumn<QByteArray>("tryKeyFile");
        QTest::addColumn<QString>("error");
        // clang-format off
        QTest::newRow("password") << "new" << QByteArray() << "new" << QByteArray() << "";
        QTest::newRow("wrong password") << "new" << QByteArray() << "old" << QByteArray() << "wrong password";
        QTest::newRow("right key file") << "new" << QByteArray("key") << "new" << QByteArray("key") << "";
        QTest::newRow("wrong key file") << "new" << QByteArray("key") << "new" << QByteArray("kez") << "wrong password or key file";
        QTest::newRow("missing key file") << "new" << QByteArray("key") << "new" << QByteArray() << "wrong password or key file";
        QTest::newRow("empty password with a key file") << "" << QByteArray("key") << "" << QByteArray("key") << "";
        QTest::newRow("empty password without it") << "" << QByteArray("key") << "" << QByteArray() << "wrong password or key file";
        // clang-format on
    }

    void newCredentialsRotateTheMasterKey()
    {
        QFETCH(QString, password);
        QFETCH(QByteArray, keyFile);
        QFETCH(QString, tryPassword);
        QFETCH(QByteArray, tryKeyFile);
        QFETCH(QString, error);
        const QString path = m_dir.filePath(QStringLiteral("rotate%1.tessera").arg(++m_serial));
        auto store = CardDb::create(path, {"old", {}}, cheapHardened);
        QVERIFY(store->addCard(*makeCard("Alpha-uuid", "Alpha", {"a"})));
        const QString oldCopy = path + ".old";
        QVERIFY(store->saveCopy(oldCopy));
        const QByteArray oldKey = store->key();
        QVERIFY(store->changeCredentials({"old", {}}, {password, keyFile}));
        QVERIFY(store->addCard(*makeCard("Bravo-uuid", "Bravo", {"b"})));
        QVERIFY(!CardDb::openWithKey(path, oldKey));
        {
            SqlPeek peek(oldCopy);
            const QVariant moved = SqlPeek(path).value("SELECT Data FROM Cards WHERE UUID = 'Bravo-uuid'");
            QVERIFY(peek.exec("UPDATE Cards SET Data = ? WHERE UUID = 'Alpha-uuid'", {moved}));
        }
        QVERIFY(!CardDb::open(oldCopy, "old")->card(1));

        WalletError opened;
        auto reopened = CardDb::open(path, {tryPassword, tryKeyFile}, &opened);
        // A new key file is its owner's only, and one that cannot be read fails as a wrong key would.
        if (QTest::currentDataTag() == QLatin1String("right key file")) {
            const QString keyPath = m_dir.filePath("new.key");
            QByteArray bytes;
            QVERIFY(!KeyFile::create(keyPath).isError() && KeyFile::create(keyPath).isError());
            QVERIFY(!KeyFile::read(keyPath, &bytes).isError());
            QCOMPARE(QString::number(bytes.size()) + " " + QString::number(mode(keyPath), 8), QString("64 600"));
            QCOMPARE(KeyFile::read(path + ".none", &bytes).kind(), WalletError::WrongPassword);
        }
        QCOMPARE(opened.message(), error);
        QCOMPARE(reopened ? cardTexts(*reopened).size() : 0, error.isEmpty() ? 2 : 0);
    }

    // A wallet that another program re-keyed takes no more writes under the old key.
    void otherProgramsRekeyStopsWrites()
    {
        std::unique_ptr<CardDb> store;
        const QString path = walletWithCards(&store);
        auto other = CardDb::open(path, "old");
        QVERIFY(other->changePassword("old", "new"));
        Card card("late-uuid", QDateTime::currentDateTimeUtc(), "note.default", 22, "Late", "");
        QVERIFY(!store->addCard(card));
        QCOMPARE(store->lastError().kind(), WalletError::PasswordChanged);
        QCOMPARE(other->cardCount(), 2);
    }

    // The staged file itself becomes the target (no copy), through a link to the link's target, and
    // with the permissions of the file it replaces, unless it is to be its owner's only.
    void replaceAtomically()
    {
        const QString real = m_dir.filePath("real");
        const QString link = m_dir.filePath("link");
        QVERIFY(writeFile(real, "old"));
        QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QVERIFY(QFile::link(real, link));
        const QString staged = FileOps::createStagedFile(link);
        QCOMPARE(QFileInfo(staged).absolutePath(), QFileInfo(real).absolutePath());
        QCOMPARE(mode(staged), 0600u);
        QVERIFY(writeFile(staged, "new"));
        const ino_t stagedInode = inode(staged);
        QVERIFY(FileOps::replaceAtomically(staged, link));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(fileBytes(real), QByteArray("new"));
        QCOMPARE(inode(real), stagedInode);
        QCOMPARE(mode(real), 0640u);
        QVERIFY(!QFile::exists(staged));
        const QString secrets = FileOps::createStagedFile(link);
        QVERIFY(FileOps::replaceAtomically(secrets, link, nullptr, FileOps::Permissions::OwnerOnly));
        QCOMPARE(mode(real), 0600u);

        const QString folder = m_dir.filePath("folder");
        QVERIFY(QDir().mkpath(folder + "/inside"));
        QVERIFY(writeFile(staged, "newer"));
        QString error;
        QVERIFY(!FileOps::replaceAtomically(staged, folder, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(fileBytes(staged), QByteArray("newer"));
    }

    // A staged file goes with a signal that ends its process, or, when the process was killed
    // outright, with the next staging in its folder; files not provably left by a dead process of
    // this user stay.
    void stagedFilesDoNotOutliveTheirProcess_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("terminated") << SIGTERM;
        QTest::newRow("killed") << SIGKILL;
    }

    void stagedFilesDoNotOutliveTheirProcess()
    {
        QFETCH(int, signal);
        QTemporaryDir dir;
        const QString target = dir.filePath("export.json");
        const QStringList others{".export.json.staged-1-abcdef", ".export.json.staged-Ab12Cd", "export.json.staged-9"};
        for (const QString &name : others)
            QVERIFY(writeFile(dir.filePath(name), "other"));
        const pid_t child = ::fork();
        if (child == 0) {
            // As in a program that handles no signal; the test framework catches SIGTERM.
            std::signal(SIGTERM, SIG_DFL);
            FileOps::createStagedFile(target);
            ::raise(signal);
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == signal);
        const auto staged = [&dir] { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); };
        QCOMPARE(staged().size(), others.size() + (signal == SIGKILL ? 1 : 0));
        const QString mine = FileOps::createStagedFile(target);
        QVERIFY(QFileInfo(mine).fileName().startsWith(QString(".export.json.staged-%1-").arg(::getpid())));
        FileOps::discardStagedFile(mine);
        QCOMPARE(staged(), others);
    }

private:
    static struct stat status(const QString &path)
    {
        struct stat status = {};
        ::stat(QFile::encodeName(path).constData(), &status);
        return status;
    }
    static ino_t inode(const QString &path) { return status(path).st_ino; }
    static uint mode(const QString &path) { return status(path).st_mode & 0777; }
};

QTEST_GUILESS_MAIN(TestRekey)
#include "TestRekey.moc"
