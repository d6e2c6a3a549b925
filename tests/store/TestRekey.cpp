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
