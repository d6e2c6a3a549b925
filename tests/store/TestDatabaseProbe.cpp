#include "common/SqlPeek.h"
#include "common/TestFiles.h"
#include "store/CardDb.h"

#include <QDir>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(DatabaseStatus)

namespace {

// How a test file is made from a fresh wallet (or from nothing).
enum class Damage {
    None,
    Version3,
    Version7,
    Version1,
    Version0,
    VersionText,
    Signature,
    SignatureAndVersion3,
    NotSqlite,
    EmptySqlite,
    NoIdentityRow,
    Missing,
    Folder,
    ShortInfo
};

} // namespace
Q_DECLARE_METATYPE(Damage)

class TestDatabaseProbe : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    QString make(Damage damage)
    {
        const QString path = m_dir.filePath(QStringLiteral("probe%1.tessera").arg(++m_serial));
        switch (damage) {
        case Damage::Missing:
            return path;
        case Damage::Folder:
            QDir().mkpath(path);
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
        if (!CardDb::open(path, "pw"))
            qFatal("cannot create a wallet");
        const SqlPeek peek(path);
        const QMap<Damage, QString> statements{
            {Damage::Version3, "UPDATE Identity SET Version = 3"},
            {Damage::Version7, "UPDATE Identity SET Version = 7"},
            {Damage::Version1, "UPDATE Identity SET Version = 1"},
            {Damage::Version0, "UPDATE Identity SET Version = 0"},
            {Damage::VersionText, "UPDATE Identity SET Version = 'two'"},
            {Damage::Signature, "UPDATE Identity SET Signature = 'TesseraDB'"},
            {Damage::SignatureAndVersion3, "UPDATE Identity SET Signature = 'Tessera', Version = 3"},
            {Damage::NoIdentityRow, "DELETE FROM Identity"},
            {Damage::ShortInfo, "UPDATE Identity SET Info = substr(Info, 1, 40)"},
        };
        if (statements.contains(damage))
            peek.exec(statements.value(damage));
        return path;
    }

private slots:
    void status_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<DatabaseStatus>("status");
        QTest::addColumn<int>("version");
        QTest::newRow("wallet") << Damage::None << StatusOk << 2;
        QTest::newRow("version 3") << Damage::Version3 << StatusNewer << 3;
        QTest::newRow("version 7") << Damage::Version7 << StatusNewer << 7;
        QTest::newRow("version 1") << Damage::Version1 << StatusUnsupported << 1;
        QTest::newRow("version 0") << Damage::Version0 << StatusUnsupported << 0;
        QTest::newRow("version not a number") << Damage::VersionText << StatusUnsupported << 0;
        QTest::newRow("signature") << Damage::Signature << StatusInvalid << 2;
        QTest::newRow("signature beats version") << Damage::SignatureAndVersion3 << StatusInvalid << 3;
        QTest::newRow("not sqlite") << Damage::NotSqlite << StatusInvalid << -1;
        QTest::newRow("sqlite without tables") << Damage::EmptySqlite << StatusInvalid << -1;
        QTest::newRow("no identity row") << Damage::NoIdentityRow << StatusInvalid << -1;
        QTest::newRow("missing file") << Damage::Missing << StatusInvalid << -1;
        QTest::newRow("folder") << Damage::Folder << StatusInvalid << -1;
    }

    void status()
    {
        QFETCH(Damage, damage);
        QFETCH(DatabaseStatus, status);
        QFETCH(int, version);
        const QString path = make(damage);
        const QByteArray before = fileBytes(path);
        QCOMPARE(CardDb::checkDatabase(path), status);
        QCOMPARE(CardDb::databaseVersion(path), version);
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(QFile::exists(path), damage != Damage::Missing);
        QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    }

    void lockedFile()
    {
        const QString path = make(Damage::None);
        SqlPeek holder(path);
        QVERIFY(holder.exec("BEGIN EXCLUSIVE"));
        QCOMPARE(CardDb::checkDatabase(path), StatusLocked);
        QVERIFY(!CardDb::open(path, "pw"));
        QVERIFY(holder.exec("ROLLBACK"));
        QCOMPARE(CardDb::checkDatabase(path), StatusOk);
        QVERIFY(CardDb::open(path, "pw"));
    }

    void openRefusesBadFiles_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("password");
        QTest::newRow("version 1") << Damage::Version1 << "pw";
        QTest::newRow("version 3") << Damage::Version3 << "pw";
        QTest::newRow("version not a number") << Damage::VersionText << "pw";
        QTest::newRow("not sqlite") << Damage::NotSqlite << "pw";
        QTest::newRow("wrong password") << Damage::None << "wrong";
        QTest::newRow("empty password") << Damage::None << "";
        QTest::newRow("short info") << Damage::ShortInfo << "pw";
        QTest::newRow("folder") << Damage::Folder << "pw";
    }

    void openRefusesBadFiles()
    {
        QFETCH(Damage, damage);
        QFETCH(QString, password);
        const QString path = make(damage);
        const QByteArray before = fileBytes(path);
        QVERIFY(!CardDb::open(path, password));
        QCOMPARE(fileBytes(path), before);
    }

    void walletWithoutIdentityGainsOne()
    {
        const QString path = make(Damage::NoIdentityRow);
        auto store = CardDb::open(path, "new");
        QVERIFY(store);
        QCOMPARE(CardDb::checkDatabase(path), StatusOk);
    }

    void openCreatesMissingFile()
    {
        const QString path = make(Damage::Missing);
        QVERIFY(CardDb::open(path, "pw"));
        QCOMPARE(CardDb::checkDatabase(path), StatusOk);
    }

    void readOnlyFileOpensButIsNeverWritten()
    {
        const QString path = make(Damage::None);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        const QByteArray before = fileBytes(path);
        auto store = CardDb::open(path, "pw");
        QVERIFY(store);
        QCOMPARE(store->cardCount(), 0);
        Card card("u", QDateTime::currentDateTime(), "note.default", 22, "Note", "");
        QVERIFY(!store->addCard(card));
        QVERIFY(!store->changePassword("pw", "other"));
        store.reset();
        QCOMPARE(fileBytes(path), before);
        QVERIFY(!QFile::exists(path + ".copy"));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseProbe)
#include "TestDatabaseProbe.moc"
