#include "common/SqlPeek.h"
#include "common/TestFiles.h"
#include "store/CardDb.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// How a test file is made from a wallet of 300 cards (or from nothing).
enum class Damage {
    None,
    Newer,
    Older,
    VersionText,
    Signature,
    NotSqlite,
    EmptySqlite,
    NoIdentityRow,
    ShortInfo,
    WrongHash,
    CardsTableGone,
    Truncated,
    Missing,
    Folder,
    Fifo,
};

constexpr int cardCount = 300;

std::unique_ptr<Card> numberedCard(int i)
{
    const QString uuid = QStringLiteral("00000000-0000-4000-8000-%1").arg(i, 12, 10, QLatin1Char('0'));
    auto card = std::make_unique<Card>(uuid, QDateTime::fromSecsSinceEpoch(1330000000 + i, Qt::UTC), "login.default",
                                       21, QStringLiteral("Card %1").arg(i), QString());
    card->addField(0, card->updateTime(), "Password", QStringLiteral("secret %1").arg(i).repeated(8), 1, true);
    return card;
}

} // namespace
Q_DECLARE_METATYPE(Damage)

// Damaged, interrupted and contended wallets: each fault gets a named error and loses nothing.
class TestWalletFaults : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    QString wallet(int cards = cardCount)
    {
        const QString path = m_dir.filePath(QStringLiteral("w%1.tessera").arg(++m_serial));
        auto store = CardDb::create(path, "pw");
        CardDbTransaction transaction(*store);
        for (int i = 1; i <= cards; ++i)
            store->addCard(*numberedCard(i));
        if (!transaction.commit())
            qFatal("cannot write the test wallet");
        return path;
    }

    QString make(Damage damage)
    {
        const QString path = m_dir.filePath(QStringLiteral("d%1.tessera").arg(++m_serial));
        switch (damage) {
        case Damage::Missing:
            return path;
        case Damage::Folder:
            QDir().mkpath(path);
            return path;
        case Damage::Fifo:
            ::mkfifo(QFile::encodeName(path).constData(), 0600);
            return path;
        case Damage::NotSqlite:
            writeFile(path, QByteArray("This is a shopping list, not a wallet.\n").repeated(200));
            return path;
        case Damage::EmptySqlite:
            SqlPeek(path).exec("CREATE TABLE Other (x INTEGER)");
            return path;
        default:
            break;
        }
        QFile::rename(wallet(), path);
        if (damage == Damage::Truncated) {
            QFile file(path);
            file.resize(file.size() / 2);
            return path;
        }
        const QMap<Damage, QString> statements{
            {Damage::Newer, "UPDATE Identity SET Version = 3"},
            {Damage::Older, "UPDATE Identity SET Version = 1"},
            {Damage::VersionText, "UPDATE Identity SET Version = 'two'"},
            {Damage::Signature, "UPDATE Identity SET Signature = 'Other'"},
            {Damage::NoIdentityRow, "DELETE FROM Identity"},
            {Damage::ShortInfo, "UPDATE Identity SET Info = substr(Info, 1, 40)"},
            {Damage::WrongHash, "UPDATE Identity SET Hash = zeroblob(32)"},
            {Damage::CardsTableGone, "DROP TABLE Cards"},
        };
        if (statements.contains(damage))
            SqlPeek(path).exec(statements.value(damage));
        return path;
    }

    // Zeroes a leaf page of the cards in the middle of the table, as a failing disk would.
    static void zeroPage(const QString &path)
    {
        const int page = SqlPeek(path)
                             .value("SELECT pageno FROM dbstat WHERE name = 'Cards' AND pagetype = 'leaf' "
                                    "ORDER BY pageno LIMIT 1 OFFSET 3")
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
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<int>("probed");
        QTest::addColumn<int>("opened");
        // clang-format off
        QTest::newRow("wallet") << Damage::None << int(WalletError::None) << int(WalletError::None);
        QTest::newRow("newer") << Damage::Newer << int(WalletError::NewerFormat) << int(WalletError::NewerFormat);
        QTest::newRow("older") << Damage::Older << int(WalletError::OlderFormat) << int(WalletError::OlderFormat);
        QTest::newRow("version text") << Damage::VersionText << int(WalletError::Damaged) << int(WalletError::Damaged);
        QTest::newRow("signature") << Damage::Signature << int(WalletError::NotAWallet) << int(WalletError::NotAWallet);
        QTest::newRow("not sqlite") << Damage::NotSqlite << int(WalletError::NotAWallet) << int(WalletError::NotAWallet);
        QTest::newRow("other sqlite") << Damage::EmptySqlite << int(WalletError::NotAWallet) << int(WalletError::NotAWallet);
        QTest::newRow("no identity row") << Damage::NoIdentityRow << int(WalletError::Damaged) << int(WalletError::Damaged);
        QTest::newRow("short info") << Damage::ShortInfo << int(WalletError::Damaged) << int(WalletError::Damaged);
        QTest::newRow("wrong hash") << Damage::WrongHash << int(WalletError::None) << int(WalletError::Damaged);
        QTest::newRow("cards table gone") << Damage::CardsTableGone << int(WalletError::Damaged) << int(WalletError::Damaged);
        QTest::newRow("truncated") << Damage::Truncated << int(WalletError::Damaged) << int(WalletError::Damaged);
        QTest::newRow("missing") << Damage::Missing << int(WalletError::Missing) << int(WalletError::Missing);
        QTest::newRow("folder") << Damage::Folder << int(WalletError::NotAFile) << int(WalletError::NotAFile);
        QTest::newRow("fifo") << Damage::Fifo << int(WalletError::NotAFile) << int(WalletError::NotAFile);
        // clang-format on
    }

    void openingNamesWhatIsWrong()
    {
        QFETCH(Damage, damage);
        QFETCH(int, probed);
        QFETCH(int, opened);
        const QString path = make(damage);
        const QByteArray before = QFileInfo(path).isFile() ? fileBytes(path) : QByteArray();
        QCOMPARE(int(CardDb::probe(path, CardDb::EveryPage).kind()),
                 damage == Damage::Truncated ? int(WalletError::Damaged) : probed);
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

    // Another program's write transaction keeps this one's writes out, after a bounded wait.
    void busyWalletRefusesWrites()
    {
        const QString path = wallet(3);
        auto store = CardDb::open(path, "pw");
        SqlPeek other(path);
        QVERIFY(other.exec("BEGIN IMMEDIATE"));
        const QByteArray before = fileBytes(path);
        QVERIFY(!store->changePassword("pw", "new"));
        QCOMPARE(store->lastError().kind(), WalletError::Busy);
        QVERIFY(other.exec("ROLLBACK"));
        QCOMPARE(fileBytes(path), before);
        QVERIFY(store->changePassword("pw", "new"));
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
