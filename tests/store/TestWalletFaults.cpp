#include "common/SqlPeek.h"
#include "common/TestCards.h"
#include "common/TestFiles.h"
#include "store/CardDb.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int cardCount = 300;

// Long enough secrets that a few hundred cards span many pages.
std::unique_ptr<Card> numberedCard(int i)
{
    return makeCard(uuidNumber(i), QStringLiteral("Card %1").arg(i),
                    {"-", QStringLiteral("secret %1").arg(i).repeated(8)}, t0.addSecs(i));
}

} // namespace

// Damaged, interrupted and contended wallets: each fault gets a named error and loses nothing.
class TestWalletFaults : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    QString wallet(int cards = cardCount, const NewWalletOptions &options = {NewWalletOptions::Compatible, {}})
    {
        const QString path = m_dir.filePath(QStringLiteral("w%1.tessera").arg(++m_serial));
        auto store = CardDb::create(path, {"pw", {}}, options);
        CardDbTransaction transaction(*store);
        for (int i = 1; i <= cards; ++i)
            store->addCard(*numberedCard(i));
        if (!transaction.commit())
            qFatal("cannot write the test wallet");
        return path;
    }

    // A test file made from a wallet of 300 cards by an SQL statement, or one of the named kinds.
    QString make(const QString &damage)
    {
        const QString path = m_dir.filePath(QStringLiteral("d%1.tessera").arg(++m_serial));
        if (damage == "folder")
            QDir().mkpath(path);
        else if (damage == "fifo")
            ::mkfifo(QFile::encodeName(path).constData(), 0600);
        else if (damage == "not sqlite")
            writeFile(path, QByteArray("This is a shopping list, not a wallet.\n").repeated(200));
        else if (damage == "other sqlite")
            SqlPeek(path).exec("CREATE TABLE Other (x INTEGER)");
        if (damage == "missing" || QFileInfo::exists(path))
            return path;
        QFile::rename(wallet(), path);
        if (damage == "truncated")
            QFile(path).resize(QFileInfo(path).size() / 2);
        else if (!damage.isEmpty())
            SqlPeek(path).exec(damage);
        return path;
    }

    // Zeroes a leaf page of the cards in the middle of the table, as a failing disk would.
    static void zeroPage(const QString &path, int leaf = 3)
    {
        const int page = SqlPeek(path)
                             .value("SELECT pageno FROM dbstat WHERE name = 'Cards' AND pagetype = 'leaf' "
                                    "ORDER BY pageno LIMIT 1 OFFSET ?",
                                    {leaf})
                             .toInt();
        QVERIFY(page > 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek(qint64(page - 1) * 4096);
        file.write(QByteArray(4096, '\0'));
    }

    // Flips one bit in the last cipher block of a card's blob.
    static void flipLastBlock(const QString &path, int id)
    {
        SqlPeek peek(path);
        QByteArray data = peek.value("SELECT Data FROM Cards WHERE ID = ?", {id}).toByteArray();
        data[data.size() - 3] = char(data[data.size() - 3] ^ 0x10);
        peek.exec("UPDATE Cards SET Data = ? WHERE ID = ?", {data, id});
    }

private slots:
    void openingNamesWhatIsWrong_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("probed");
        QTest::addColumn<int>("opened");
        // clang-format off
        QTest::newRow("wallet") << "" << int(WalletError::None) << int(WalletError::None);
        QTest::newRow("newer") << "UPDATE Identity SET Version = 4" << int(WalletError::NewerFormat) << int(WalletError::NewerFormat);
        QTest::newRow("older") << "UPDATE Identity SET Version = 1" << int(WalletError::OlderFormat) << int(WalletError::OlderFormat);
        QTest::newRow("version text") << "UPDATE Identity SET Version = 'two'" << int(WalletError::Damaged) << int(WalletError::Damaged);
        QTest::newRow("signature") << "UPDATE Identity SET Signature = 'Other'" << int(WalletError::NotAWallet) << int(WalletError::NotAWallet);
        QTest::newRow("not sqlite") << "not sqlite" << int(WalletError::NotAWallet) << int(WalletError::NotAWallet);
        QTest::newRow("other sqlite") << "other sqlite" << int(WalletError::NotAWallet) << int(WalletError::NotAWallet);
        QTest::newRow("no identity row") << "DELETE FROM Identity" << int(WalletError::Damaged) << int(WalletError::Damaged);
        QTest::newRow("short info") << "UPDATE Identity SET Info = substr(Info, 1, 40)" << int(WalletError::Damaged) << int(WalletError::Damaged);
        QTest::newRow("wrong hash") << "UPDATE Identity SET Hash = zeroblob(32)" << int(WalletError::None) << int(WalletError::Damaged);
        QTest::newRow("cards table gone") << "DROP TABLE Cards" << int(WalletError::Damaged) << int(WalletError::Damaged);
        QTest::newRow("truncated") << "truncated" << int(WalletError::Damaged) << int(WalletError::Damaged);
        QTest::newRow("missing") << "missing" << int(WalletError::Missing) << int(WalletError::Missing);
        QTest::newRow("folder") << "folder" << int(WalletError::NotAFile) << int(WalletError::NotAFile);
        QTest::newRow("fifo") << "fifo" << int(WalletError::NotAFile) << int(WalletError::NotAFile);
        // clang-format on
    }

    void openingNamesWhatIsWrong()
    {
        QFETCH(QString, damage);
        QFETCH(int, probed);
        QFETCH(int, opened);
        const QString path = make(damage);
        const QByteArray before = QFileInfo(path).isFile() ? fileBytes(path) : QByteArray();
        QCOMPARE(int(CardDb::probe(path, CardDb::EveryPage).kind()),
                 damage == "truncated" ? int(WalletError::Damaged) : probed);
        WalletError error;
        const bool open = bool(CardDb::open(path, "pw", &error));
        QCOMPARE(open, opened == WalletError::None);
        QCOMPARE(int(error.kind()), opened);
        QCOMPARE(QFileInfo(path).isFile() ? fileBytes(path) : QByteArray(), before);
        WalletError wrong;
        if (opened == WalletError::None) {
            QVERIFY(!CardDb::open(path, "wrong", &wrong));
            QCOMPARE(wrong.kind(), WalletError::WrongPassword);
        }
    }

    // Version 3 authenticates each card with its row and the key settings with the master key: what is
    // changed behind the store's back is refused, a card as unreadable (named, the others rescued), an
    // identity as damaged before any key is derived, or else as a wrong password.
    void hardenedWalletRefusesTampering_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("infoOffset");
        QTest::addColumn<QByteArray>("infoBytes");
        QTest::addColumn<int>("opened");
        // clang-format off
        QTest::newRow("flipped bit in a blob") << "flip" << -1 << QByteArray() << int(WalletError::None);
        QTest::newRow("blob moved to another row") << "UPDATE Cards SET Data = (SELECT Data FROM Cards WHERE ID = 3) WHERE ID = 2" << -1 << QByteArray() << int(WalletError::None);
        QTest::newRow("trash flag changed") << "UPDATE Cards SET Trashed = 1 WHERE ID = 2" << -1 << QByteArray() << int(WalletError::None);
        QTest::newRow("time changed") << "UPDATE Cards SET UpdateTime = UpdateTime + 1 WHERE ID = 2" << -1 << QByteArray() << int(WalletError::None);
        QTest::newRow("t = 0") << "" << 8 << QByteArray::fromHex("00000000") << int(WalletError::Damaged);
        QTest::newRow("t = 65") << "" << 8 << QByteArray::fromHex("41000000") << int(WalletError::Damaged);
        QTest::newRow("m = 7 KiB") << "" << 12 << QByteArray::fromHex("07000000") << int(WalletError::Damaged);
        QTest::newRow("m = 4 GiB + 1 KiB") << "" << 12 << QByteArray::fromHex("01004000") << int(WalletError::Damaged);
        QTest::newRow("unknown key derivation") << "" << 4 << QByteArray::fromHex("02") << int(WalletError::Damaged);
        QTest::newRow("unknown flag") << "" << 5 << QByteArray::fromHex("02") << int(WalletError::Damaged);
        QTest::newRow("Info of 105 bytes") << "" << 104 << QByteArray::fromHex("00") << int(WalletError::Damaged);
        QTest::newRow("Hash not of Info") << "UPDATE Identity SET Hash = zeroblob(32)" << -1 << QByteArray() << int(WalletError::Damaged);
        QTest::newRow("altered salt") << "" << 16 << QByteArray("x") << int(WalletError::WrongPassword);
        QTest::newRow("more passes") << "" << 8 << QByteArray::fromHex("02000000") << int(WalletError::WrongPassword);
        // clang-format on
    }

    void hardenedWalletRefusesTampering()
    {
        QFETCH(QString, damage);
        QFETCH(int, infoOffset);
        QFETCH(QByteArray, infoBytes);
        QFETCH(int, opened);
        const QString path = wallet(3, cheapHardened);
        if (damage == "flip")
            flipLastBlock(path, 2);
        else if (!damage.isEmpty())
            QVERIFY(SqlPeek(path).exec(damage));
        if (infoOffset >= 0) {
            SqlPeek peek(path);
            QByteArray info = peek.value("SELECT Info FROM Identity").toByteArray();
            info.replace(infoOffset, infoBytes.size(), infoBytes);
            const QByteArray hash = QCryptographicHash::hash(info, QCryptographicHash::Sha256);
            QVERIFY(peek.exec("UPDATE Identity SET Info = ?, Hash = ?", {info, hash}));
        }
        QCOMPARE(int(CardDb::probe(path).kind()), opened == WalletError::Damaged ? opened : int(WalletError::None));
        WalletError error;
        auto store = CardDb::open(path, "pw", &error);
        QCOMPARE(int(error.kind()), opened);
        if (!store)
            return;
        QVERIFY(!store->card(2) && !store->allCards());
        QCOMPARE(store->lastError().message(), QString("damaged wallet: these cards cannot be read: #2"));
        const CardReadout rescued = store->salvage();
        QCOMPARE(int(rescued.cards.size()), 2);
        QCOMPARE(rescued.unreadable.size(), 1);
        QCOMPARE(rescued.unreadable.first().id, 2);
    }

    // A damaged page or an unreadable blob: reads fail, rewrites refuse and change nothing, and a
    // rescue gets out everything else, naming what it left behind.
    void damagedCardsAreNamedAndRescued_data()
    {
        QTest::addColumn<bool>("zeroedPage");
        // clang-format off
        QTest::newRow("flipped bit in a blob") << false;
        QTest::newRow("zeroed page") << true;
        // clang-format on
    }

    void damagedCardsAreNamedAndRescued()
    {
        QFETCH(bool, zeroedPage);
        const QString path = wallet();
        if (zeroedPage)
            zeroPage(path);
        else
            flipLastBlock(path, 7);
        const QByteArray before = fileBytes(path);
        auto store = CardDb::open(path, "pw");
        QVERIFY(store);
        QVERIFY(!store->allCards());
        QCOMPARE(store->lastError().kind(), WalletError::Damaged);
        if (!zeroedPage)
            QVERIFY(store->lastError().message().contains("#7 \"Card 7\""));
        QVERIFY(!store->changePassword("pw", "new"));
        QCOMPARE(fileBytes(path), before);

        const CardReadout rescued = store->salvage();
        QVERIFY(!rescued.unreadable.isEmpty());
        QCOMPARE(int(rescued.cards.size() + rescued.unreadable.size()) >= cardCount - 20, true);
        QVERIFY(rescued.cards.back().id == cardCount);
        const QString copy = m_dir.filePath("rescued.tessera");
        QVector<UnreadableCard> leftOut;
        QVERIFY(store->saveCopy(copy, &leftOut));
        QCOMPARE(leftOut.size(), rescued.unreadable.size());
        auto saved = CardDb::open(copy, "pw");
        QCOMPARE(int(must(saved->allCards()).size()), int(rescued.cards.size()));
        QFile::remove(copy);
    }

    // A hardened wallet's list is opened on a second thread while it is read: a damaged page far into
    // the table ends the read as damage, and the thread opening what came before stops with it.
    void hardenedListMeetsDamage()
    {
        const QString path = wallet(1500, cheapHardened);
        zeroPage(path, 60);
        auto store = CardDb::open(path, "pw");
        QVERIFY(store);
        QVERIFY(!store->cardList(CardDb::AllCards));
        QCOMPARE(store->lastError().kind(), WalletError::Damaged);
    }

    // A child killed in the middle of a transaction leaves a hot journal; the next open rolls it back
    // and finds every committed card, while a file that cannot be written says why it cannot.
    void interruptedWriteIsRolledBack()
    {
        const QString path = wallet();
        const pid_t child = ::fork();
        if (child == 0) {
            SqlPeek peek(path);
            peek.exec("PRAGMA cache_size = 1");
            peek.exec("BEGIN");
            peek.exec("UPDATE Cards SET Title = 'half-written', Data = zeroblob(600)");
            ::raise(SIGKILL);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        QVERIFY(WIFSIGNALED(status));
        QVERIFY(QFileInfo(path + "-journal").size() > 0);

        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        QCOMPARE(CardDb::probe(path).kind(), WalletError::ReadOnly);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(CardDb::probe(path).kind(), WalletError::None);
        auto store = CardDb::open(path, "pw");
        QCOMPARE(int(must(store->allCards()).size()), cardCount);
    }

    // Another program's write transaction keeps this one's writes out, after a bounded wait. Once it changed
    // the password, this one's reads say so rather than call the cards damaged.
    void busyWalletRefusesWrites()
    {
        const QString path = wallet(3);
        auto store = CardDb::open(path, "pw");
        auto reader = CardDb::open(path, "pw");
        SqlPeek other(path);
        QVERIFY(other.exec("BEGIN IMMEDIATE"));
        const QByteArray before = fileBytes(path);
        QVERIFY(!store->changePassword("pw", "new"));
        QCOMPARE(store->lastError().kind(), WalletError::Busy);
        QVERIFY(other.exec("ROLLBACK"));
        QCOMPARE(fileBytes(path), before);
        QVERIFY(store->changePassword("pw", "new"));
        QVERIFY(!reader->allCards() && !reader->card(1));
        QCOMPARE(reader->lastError().kind(), WalletError::PasswordChanged);
    }

    // A full disk in the middle of a bulk write leaves none of it behind.
    void fullDiskWritesNothing()
    {
        const QString path = wallet(3);
        auto store = CardDb::open(path, "pw");
        const auto sizeBefore = QFileInfo(path).size();
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit old;
        ::getrlimit(RLIMIT_FSIZE, &old);
        struct rlimit limited = old;
        limited.rlim_cur = rlim_t(sizeBefore + 64 * 1024);
        ::setrlimit(RLIMIT_FSIZE, &limited);
        bool written = true;
        {
            CardDbTransaction transaction(*store);
            for (int i = 1000; i < 3000 && written; ++i)
                written = store->addCard(*numberedCard(i));
            written = written && transaction.commit();
        }
        QVERIFY(!written);
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_DFL);
        QCOMPARE(store->lastError().kind(), WalletError::WriteFailed);
        QCOMPARE(store->cardCount(), 3);
    }

    void newWalletsAreTheOwnersOnly()
    {
        const mode_t oldMask = ::umask(0);
        const QString path = m_dir.filePath("private.tessera");
        QVERIFY(CardDb::create(path, "pw"));
        ::umask(oldMask);
        struct stat status;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
        QCOMPARE(status.st_mode & 0777, mode_t(0600));
        QCOMPARE(QDir(m_dir.path()).entryList({"*staged*"}, QDir::Hidden | QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestWalletFaults)
#include "TestWalletFaults.moc"
