#include "common/SqlPeek.h"
#include "common/SyncedCards.h"
#include "common/TestCards.h"
#include "common/TestFiles.h"
#include "store/CardDb.h"
#include "store/WalletBackups.h"
#include "sync/ConflictCopies.h"
#include "sync/FileSync.h"
#include "sync/WalletMerge.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void trash(const QString &path, const QString &uuid, int secondsLater)
{
    QVERIFY(SqlPeek(path).exec("UPDATE Cards SET Trashed = 1, UpdateTime = ? WHERE UUID = ?",
                               {t0.addSecs(secondsLater).toSecsSinceEpoch(), uuid}));
}

QStringList rowIdsAndBlobs(const QString &path)
{
    return SqlPeek(path)
        .value("SELECT group_concat(ID || ' ' || UUID || ' ' || hex(Data), ',') FROM (SELECT * FROM Cards ORDER BY ID)")
        .toString()
        .split(',');
}

} // namespace

class TestFileSync : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;
    QString m_folder, m_wallet, m_shared;

    // Syncs a device's wallet with the shared copy as the window does.
    bool sync(const QString &wallet, const QString &password, const QString &shared, FileSync::Report *report = nullptr,
              WalletError *error = nullptr)
    {
        auto store = CardDb::open(wallet, password);
        if (!QFileInfo::exists(shared) && !store->saveCopy(shared))
            return false;
        auto copy = CardDb::open(shared, "a");
        FileSync::Report ignored;
        return store && copy && FileSync::run(*store, *copy, report ? report : &ignored, error);
    }

private slots:
    // A backups folder of this test's own.
    void initTestCase() { qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath("data"))); }

    // Each test starts in a new folder where the wallet "dev" (password "a") holding two cards has been synced
    // once with "shared".
    void init()
    {
        m_folder = m_dir.filePath(QString::number(++m_serial));
        m_wallet = m_folder + "/dev.tessera";
        m_shared = m_folder + "/shared.tessera";
        QDir().mkpath(m_folder);
        auto store = CardDb::create(m_wallet, "a");
        QVERIFY(store->addCard(*makeCard("x", "Mail", {"ann", "old"}))
                && store->addCard(*makeCard("y", "Bank", {"bob", "pin"})));
        store.reset();
        QVERIFY(sync(m_wallet, "a", m_shared));
        QDir(WalletBackups::folder()).removeRecursively();
    }

    // Two devices start from one wallet and change the same card before syncing in either order.
    void twoDevicesConverge_data()
    {
        QTest::addColumn<QString>("onA");
        QTest::addColumn<QString>("onB");
        QTest::addColumn<bool>("bFirst");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("different fields") << "user=ann2@10" << "password=new@20" << false << "x|live|ann2|new";
        QTest::newRow("different fields, B first") << "user=ann2@10" << "password=new@20" << true << "x|live|ann2|new";
        QTest::newRow("different fields, same second") << "user=ann2@10" << "password=new@10" << false << "x|live|ann2|new";
        QTest::newRow("same field, same second") << "password=aaa@10" << "password=bbb@10" << false << "x|live|ann|bbb";
        QTest::newRow("same field, B later") << "password=a@10" << "password=b@20" << false << "x|live|ann|b";
        QTest::newRow("same field, A later, B first") << "password=a@30" << "password=b@20" << true << "x|live|ann|a";
        QTest::newRow("trash, later edit wins") << "trash@10" << "password=b@20" << false << "x|live|ann|b";
        QTest::newRow("later trash wins over edit") << "trash@30" << "password=b@20" << true << "x|trashed|ann|b";
        // clang-format on
    }

    void twoDevicesConverge()
    {
        QFETCH(QString, onA);
        QFETCH(QString, onB);
        QFETCH(bool, bFirst);
        QFETCH(QString, expected);
        const QString &a = m_wallet, &shared = m_shared;
        const QString b = m_folder + "/b.tessera";
        QVERIFY(CardDb::open(a, "a")->saveCopy(b));
        for (const auto &[path, change] : {std::pair{a, onA}, {b, onB}}) {
            const int seconds = change.section('@', 1).toInt();
            if (change.startsWith("trash")) {
                trash(path, "x", seconds);
                continue;
            }
            auto store = CardDb::open(path, "a");
            const QString value = change.section('=', 1).section('@', 0, 0);
            edit(*store, "x", change.startsWith("user") ? 0 : 1, value, seconds);
        }
        const QStringList order = bFirst ? QStringList{b, a, b} : QStringList{a, b, a};
        for (const QString &device : order)
            QVERIFY(sync(device, "a", shared));
        QCOMPARE(contents(a, "a").first(), expected);
        QCOMPARE(contents(b, "a"), contents(a, "a"));
        QCOMPARE(contents(shared, "a"), contents(a, "a"));
    }

    void onlyChangedRowsAreWritten()
    {
        const QString &wallet = m_wallet, &shared = m_shared;
        edit(*CardDb::open(shared, "a"), "y", 1, "changed", 50);
        const QStringList before = rowIdsAndBlobs(wallet);
        FileSync::Report report;
        QVERIFY(sync(wallet, "a", shared, &report));
        QCOMPARE(report.received, 1);
        QCOMPARE(report.sent, 0);
        const QStringList after = rowIdsAndBlobs(wallet);
        QCOMPARE(after.first(), before.first());
        QVERIFY(after.at(1) != before.at(1));
        QVERIFY(after.at(1).startsWith("2 y "));
        QCOMPARE(WalletBackups::list(wallet).size(), 1);
    }

    void conflictCopyNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isCopy");
        // clang-format off
        QTest::newRow("Nextcloud copy") << "shared (conflicted copy 2024-05-01 093000).tessera" << true;
        QTest::newRow("the file itself") << "shared.tessera" << false;
        QTest::newRow("another file's copy") << "other.sync-conflict-20240501-093000-ABCDEF7.tessera" << false;
        QTest::newRow("another extension") << "shared_conflict-20240501-093000.bak" << false;
        // clang-format on
    }

    void conflictCopyNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, isCopy);
        QCOMPARE(ConflictCopies::isConflictCopyOf(name, "shared.tessera"), isCopy);
    }

    // Each tool's conflict copy holds a card of its own, and any number of copies merge one at a time. A copy
    // under another password, a damaged one (whose readable cards merge all the same), a link (here to the
    // wallet) and a folder stay put, each with its reason. A failed sync leaves every file as it was.
    void conflictCopiesAreMergedAndMoved()
    {
        const QString &folder = m_folder, &wallet = m_wallet, &shared = m_shared;
        const QStringList names{"shared.sync-conflict-20240501-093000-ABCDEF7.tessera",
                                "shared (Ann's conflicted copy 2024-05-01).tessera",
                                "shared_conflict-20240501-093000.tessera"};
        for (int i = 0; i < names.size(); ++i) {
            const QString path = folder + "/" + names.at(i);
            QVERIFY(CardDb::open(shared, "a")->saveCopy(path));
            QVERIFY(CardDb::open(path, "a")->addCard(
                *makeCard(QString("c%1").arg(i), QString("Copy %1").arg(i), {"u", "p"})));
        }
        const QString stranger = folder + "/shared (conflicted copy 2024-05-02).tessera";
        CardDb::create(stranger, "another password")->addCard(*makeCard("s", "Stranger", {"u", "p"}));
        const QString damaged = folder + "/shared_conflict-20240503-000000.tessera";
        QVERIFY(CardDb::open(shared, "a")->saveCopy(damaged));
        QVERIFY(CardDb::open(damaged, "a")->addCard(*makeCard("d1", "Readable", {"u", "p"})));
        QVERIFY(CardDb::open(damaged, "a")->addCard(*makeCard("d2", "Broken", {"u", "p"})));
        QVERIFY(SqlPeek(damaged).exec("UPDATE Cards SET Data = substr(Data, 1, 16) WHERE UUID = 'd2'"));
        const QString link = folder + "/shared_conflict-20240504-000000.tessera";
        const QString subfolder = folder + "/shared_conflict-20240505-000000.tessera";
        QVERIFY(QFile::link(wallet, link) && QDir().mkpath(subfolder));
        for (int i = 0; i < 40; ++i)
            QVERIFY(CardDb::open(shared, "a")
                        ->saveCopy(folder + QString("/shared_conflict-20240601-0000%1.tessera").arg(i)));

        // While another program holds the shared copy, nothing changes.
        const QByteArray walletBefore = fileBytes(wallet);
        const QByteArray sharedBefore = fileBytes(shared);
        {
            SqlPeek holder(shared);
            QVERIFY(holder.exec("BEGIN IMMEDIATE"));
            WalletError error;
            QVERIFY(!sync(wallet, "a", shared, nullptr, &error));
            QCOMPARE(error.kind(), WalletError::Busy);
            holder.exec("ROLLBACK");
        }
        QCOMPARE(fileBytes(wallet), walletBefore);
        QCOMPARE(fileBytes(shared), sharedBefore);
        for (const QString &name : names)
            QVERIFY(QFileInfo::exists(folder + "/" + name));

        FileSync::Report report;
        struct rlimit files;
        ::getrlimit(RLIMIT_NOFILE, &files);
        const rlim_t allowed = files.rlim_cur;
        files.rlim_cur = rlim_t(QDir("/proc/self/fd").count() + 30);
        ::setrlimit(RLIMIT_NOFILE, &files);
        const bool synced = sync(wallet, "a", shared, &report);
        files.rlim_cur = allowed;
        ::setrlimit(RLIMIT_NOFILE, &files);
        QVERIFY(synced);
        QCOMPARE(report.received, 4);
        QCOMPARE(report.sent, 4);
        QCOMPARE(report.conflictCopiesMerged, 43);
        QStringList left;
        for (const FileSync::Report::LeftCopy &copy : qAsConst(report.conflictCopiesLeft))
            left << copy.path + ": " + copy.reason.message();
        QCOMPARE(left,
                 (QStringList{stranger + ": wrong password: it does not open with the password of " + shared,
                              damaged + ": damaged wallet: these cards cannot be read: #4 \"Broken\"",
                              link + ": not a regular file: a symbolic link", subfolder + ": not a regular file"}));
        QCOMPARE(contents(wallet, "a").size(), 6);
        QCOMPARE(contents(shared, "a"), contents(wallet, "a"));
        for (const QString &name : names) {
            QVERIFY(!QFileInfo::exists(folder + "/" + name));
            QVERIFY(QFileInfo::exists(WalletBackups::folder() + "/" + name));
        }
        QVERIFY(QFileInfo::exists(stranger));
    }

    // Backups are private whatever the umask, and five per wallet: a namesake elsewhere keeps its own. A restore
    // is an edit made now, which the next sync carries to the copy; one that fails removes no backup, and the
    // backup restored is never rotated away.
    void backupsRotateAndRestore()
    {
        const QString &wallet = m_wallet, &shared = m_shared;
        const QString namesake = m_folder + "/elsewhere/dev.tessera";
        QVERIFY(QDir().mkpath(m_folder + "/elsewhere"));
        QVERIFY(!WalletBackups::keep(*CardDb::create(namesake, "b")).isError());
        auto store = CardDb::open(wallet, "a");
        const mode_t mask = ::umask(0);
        for (int i = 0; i < 7; ++i) {
            QVERIFY(store->addCard(*makeCard(QString("n%1").arg(i), "New", {"u", "p"})));
            QVERIFY(!WalletBackups::keep(*store).isError());
        }
        ::umask(mask);
        const QVector<WalletBackup> backups = WalletBackups::list(wallet);
        QCOMPARE(backups.size(), WalletBackups::kept);
        QCOMPARE(WalletBackups::list(namesake).size(), 1);
        // Newest first: the newest holds the two first cards and all seven new ones.
        QCOMPARE(backups.first().cardCount, 9);
        QCOMPARE(backups.last().cardCount, 5);
        QVERIFY(QFileInfo(backups.first().path).fileName().startsWith("dev.backup-"));
        for (const WalletBackup &backup : backups)
            QCOMPARE(QFile::permissions(backup.path) & 0x0FFF, QFile::ReadUser | QFile::WriteUser);

        edit(*store, "x", 1, "changed", 100);
        QVERIFY(sync(wallet, "a", shared));
        auto oldest = CardDb::openWithKey(backups.last().path, store->key());
        QVERIFY(
            SqlPeek(wallet).exec("CREATE TRIGGER full BEFORE UPDATE ON Cards BEGIN SELECT RAISE(FAIL, 'full'); END"));
        QCOMPARE(WalletBackups::restore(*store, *oldest).kind(), WalletError::WriteFailed);
        QCOMPARE(WalletBackups::list(wallet).size(), WalletBackups::kept);
        QCOMPARE(WalletBackups::list(wallet).last().path, backups.last().path);
        QVERIFY(SqlPeek(wallet).exec("DROP TRIGGER full"));
        QVERIFY(!WalletBackups::restore(*store, *oldest).isError());
        QVERIFY(sync(wallet, "a", shared));
        QCOMPARE(contents(wallet, "a").join(' '),
                 QString("n0|live|u|p n1|live|u|p n2|live|u|p n3|trashed|u|p n4|trashed|u|p "
                         "n5|trashed|u|p n6|trashed|u|p x|live|ann|old y|live|bob|pin"));
        QCOMPARE(contents(shared, "a"), contents(wallet, "a"));
        const QVector<WalletBackup> after = WalletBackups::list(wallet);
        QCOMPARE(after.size(), WalletBackups::kept);
        QCOMPARE(after.first().cardCount, 9);
        QCOMPARE(after.last().path, backups.last().path);
    }

    // A backup is the wallet's file byte for byte, kept even inside the transaction of the rewrite that
    // follows. Backups are listed from an index in their folder, which the folder overrules: a backup the
    // index lacks or that changed is read anew, one that is gone is dropped, and an index that is missing or
    // unreadable is made again.
    void backupIndexFollowsTheFolder_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QList<int>>("cardCounts");
        QTest::newRow("index in step") << "none" << QList<int>{7, 2};
        QTest::newRow("index missing") << "missing" << QList<int>{3, 2};
        QTest::newRow("index unreadable") << "garbage" << QList<int>{3, 2};
        QTest::newRow("backup not listed") << "unlisted" << QList<int>{3, 7, 2};
        QTest::newRow("listed backup gone") << "gone" << QList<int>{7};
        QTest::newRow("backup changed") << "changed" << QList<int>{0, 2};
    }

    void backupIndexFollowsTheFolder()
    {
        QFETCH(QString, change);
        QFETCH(QList<int>, cardCounts);
        auto store = CardDb::open(m_wallet, "a");
        {
            CardDbTransaction rewrite(*store);
            QVERIFY(!WalletBackups::keep(*store).isError());
            QVERIFY(store->addCard(*makeCard("z", "New", {"u", "p"})));
            QVERIFY(rewrite.commit());
        }
        QVERIFY(!WalletBackups::keep(*store).isError());
        const QVector<WalletBackup> kept = WalletBackups::list(m_wallet);
        QCOMPARE(kept.size(), 2);
        const QString newer = kept.first().path, older = kept.last().path;
        QCOMPARE(fileBytes(newer), fileBytes(m_wallet));
        QCOMPARE(CardDb::open(older, "a")->cardCount(), 2);
        const QString index = WalletBackups::folder() + "/backups.index";
        QCOMPARE(QFile::permissions(index) & 0x0FFF, QFile::ReadUser | QFile::WriteUser);

        // The index is believed while the files are as it lists them: the newer backup's count is made up.
        QVERIFY(writeFile(index, fileBytes(index).replace("\t3\t", "\t7\t")));
        if (change == "missing")
            QVERIFY(QFile::remove(index));
        if (change == "garbage")
            QVERIFY(writeFile(index, "tessera backups index 1\nnot a line of it\n"));
        if (change == "unlisted")
            QVERIFY(QFile::copy(newer, WalletBackups::folder() + "/dev.backup-20990101-000000-000.tessera"));
        if (change == "gone")
            QVERIFY(QFile::remove(older));
        if (change == "changed") {
            QVERIFY(SqlPeek(newer).exec("UPDATE Cards SET Trashed = 1"));
            QFile file(newer);
            QVERIFY(
                file.open(QIODevice::ReadWrite)
                && file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(60), QFileDevice::FileModificationTime));
        }
        QList<int> counts;
        for (const WalletBackup &backup : WalletBackups::list(m_wallet))
            counts << backup.cardCount;
        QCOMPARE(counts, cardCounts);
        QCOMPARE(fileBytes(index).count('\n'), 1 + cardCounts.size());
    }

    // A backup that cannot be kept or read is named as such, never blamed on the wallet, which stays as it was.
    void backupProblemsNameTheBackup_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::newRow("folder is a file") << "file";
        QTest::newRow("folder is another user's link") << "link";
        QTest::newRow("damaged backup") << "damaged";
    }

    void backupProblemsNameTheBackup()
    {
        QFETCH(QString, problem);
        if (problem == "link" && ::getuid() != 0)
            QSKIP("only the administrator can give a link to another user");
        auto store = CardDb::open(m_wallet, "a");
        QVERIFY(!WalletBackups::keep(*store).isError());
        const QString folder = WalletBackups::folder(), backup = WalletBackups::list(m_wallet).first().path;
        if (problem == "damaged") {
            QVERIFY(SqlPeek(backup).exec("UPDATE Cards SET Data = substr(Data, 1, 16)"));
        } else {
            QVERIFY(QDir(folder).removeRecursively());
            QVERIFY(problem == "file"
                        ? writeFile(folder, "x")
                        : QFile::link(m_folder, folder) && ::lchown(qPrintable(folder), 65534, 65534) == 0);
        }
        const QByteArray before = fileBytes(m_wallet);
        const WalletError error = problem == "damaged"
            ? WalletBackups::restore(*store, *CardDb::openWithKey(backup, store->key()))
            : WalletBackups::keep(*store);
        QFile::remove(folder);
        QCOMPARE(error.kind(), problem == "damaged" ? WalletError::BackupUnreadable : WalletError::BackupNotWritten);
        QVERIFY2(error.message().contains(problem == "damaged" ? backup : folder), qPrintable(error.message()));
        QCOMPARE(fileBytes(m_wallet), before);
    }
};

QTEST_GUILESS_MAIN(TestFileSync)
#include "TestFileSync.moc"
