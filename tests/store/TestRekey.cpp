#include "common/SqlPeek.h"
#include "common/TestFiles.h"
#include "store/CardDb.h"
#include "store/FileOps.h"

#include <QDir>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

namespace {

std::unique_ptr<Card> makeCard(const QString &uuid, const QString &title)
{
    const QDateTime time = QDateTime::fromSecsSinceEpoch(1330000000);
    auto card = std::make_unique<Card>(uuid, time, QStringLiteral("password.default"), 36, title, QStringLiteral("n"));
    card->addField(0, time, QStringLiteral("Login"), title.toLower(), 11, false);
    card->addField(1, time, QStringLiteral("Password"), QStringLiteral("pw-") + title, 1, true);
    return card;
}

QStringList cardTexts(CardDb &store)
{
    QStringList texts;
    for (const CardListEntry &entry : store.cardList(CardDb::AllCards))
        texts << QString::fromUtf8(store.card(entry.id)->toData());
    return texts;
}

QVariantList columns(const QString &path, const QString &sql)
{
    SqlPeek peek(path);
    QSqlQuery query(peek.db());
    QVariantList values;
    query.exec(sql);
    while (query.next()) {
        for (int i = 0; i < query.record().count(); ++i)
            values << query.value(i);
    }
    return values;
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
        *store = CardDb::open(path, "old");
        for (const QString &title : QStringList{"Alpha", "Bravo", "Charlie"})
            (*store)->addCard(*makeCard(title + "-uuid", title));
        (*store)->trashCard((*store)->cardIdForUuid("Bravo-uuid"));
        return path;
    }

private slots:
    void changesKeyAndKeepsEverythingElse()
    {
        std::unique_ptr<CardDb> store;
        const QString path = walletWithCards(&store);
        const QStringList texts = cardTexts(*store);
        const QString clear = "SELECT ID, Title, Type, IconID, UpdateTime, UUID, Trashed FROM Cards";
        const QVariantList clearBefore = columns(path, clear);
        const QVariantList identityBefore
            = columns(path, "SELECT ID, Version, Signature, Sync_UUID, Info FROM Identity");
        const QVariantList dataBefore = columns(path, "SELECT Data FROM Cards");

        auto rekeyed = store->changePassword("old", "new ☃");
        QVERIFY(rekeyed);
        QVERIFY(!store->isOpen());
        QCOMPARE(cardTexts(*rekeyed), texts);
        QCOMPARE(columns(path, clear), clearBefore);
        QCOMPARE(columns(path, "SELECT ID, Version, Signature, Sync_UUID, Info FROM Identity"), identityBefore);
        QVERIFY(columns(path, "SELECT Data FROM Cards") != dataBefore);
        QVERIFY(!QFile::exists(FileOps::stagingPath(path)));
        QCOMPARE(rekeyed->cardCount(), 2);

        rekeyed.reset();
        store.reset();
        QTest::ignoreMessage(QtDebugMsg, "Invalid Passowrd");
        QVERIFY(!CardDb::open(path, "old"));
        auto reopened = CardDb::open(path, "new ☃");
        QVERIFY(reopened);
        QCOMPARE(cardTexts(*reopened), texts);
    }

    void samePasswordKeepsEveryBlob()
    {
        std::unique_ptr<CardDb> store;
        const QString path = walletWithCards(&store);
        const QVariantList before = columns(path, "SELECT Data FROM Cards UNION ALL SELECT Hash FROM Identity");
        QVERIFY(store->changePassword("old", "old"));
        QCOMPARE(columns(path, "SELECT Data FROM Cards UNION ALL SELECT Hash FROM Identity"), before);
    }

    void wrongOldPasswordChangesNothing()
    {
        std::unique_ptr<CardDb> store;
        const QString path = walletWithCards(&store);
        const QByteArray before = fileBytes(path);
        QTest::ignoreMessage(QtDebugMsg, "Invalid Passowrd");
        QVERIFY(!store->changePassword("wrong", "new"));
        QCOMPARE(fileBytes(path), before);
        QVERIFY(!QFile::exists(FileOps::stagingPath(path)));
        QVERIFY(store->isOpen());
        QCOMPARE(store->cardCount(), 2);
    }

    void staleCopyIsReplaced()
    {
        std::unique_ptr<CardDb> store;
        const QString path = walletWithCards(&store);
        QVERIFY(writeFile(FileOps::stagingPath(path), "left over from a crash"));
        auto rekeyed = store->changePassword("old", "new");
        QVERIFY(rekeyed);
        QCOMPARE(rekeyed->cardCount(), 2);
        QVERIFY(!QFile::exists(FileOps::stagingPath(path)));
    }

    void copyThatCannotBeMadeChangesNothing()
    {
        std::unique_ptr<CardDb> store;
        const QString path = walletWithCards(&store);
        QVERIFY(QDir().mkpath(FileOps::stagingPath(path) + "/blocker"));
        const QByteArray before = fileBytes(path);
        QVERIFY(!store->changePassword("old", "new"));
        QCOMPARE(fileBytes(path), before);
        QVERIFY(store->isOpen());
        QCOMPARE(store->cardCount(), 2);
    }

    void replaceAtomically()
    {
        const QString target = m_dir.filePath("target");
        const QString staged = m_dir.filePath("staged");
        QVERIFY(writeFile(target, "old"));
        QVERIFY(writeFile(staged, "new"));
        QVERIFY(FileOps::replaceAtomically(staged, target));
        QCOMPARE(fileBytes(target), QByteArray("new"));
        QVERIFY(!QFile::exists(staged));

        const QString folder = m_dir.filePath("folder");
        QVERIFY(QDir().mkpath(folder + "/inside"));
        QVERIFY(writeFile(staged, "newer"));
        QString error;
        QVERIFY(!FileOps::replaceAtomically(staged, folder, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(fileBytes(staged), QByteArray("newer"));
        QVERIFY(!FileOps::replaceAtomically(m_dir.filePath("absent"), target));
        QCOMPARE(fileBytes(target), QByteArray("new"));
    }
};

QTEST_GUILESS_MAIN(TestRekey)
#include "TestRekey.moc"
