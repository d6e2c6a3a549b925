#include "common/GuiTestUtils.h"
#include "common/SqlPeek.h"
#include "common/TestCards.h"
#include "common/TestFiles.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "store/WalletBackups.h"
#include "ui/FileSyncController.h"
#include "ui/FileWatch.h"
#include "ui/RestoreBackupDialog.h"

#include <QTreeWidget>

#include <QWidget>

#include <cstdio>

namespace {

// Replaces path with a new file renamed over it, as syncing tools do.
void replaceByRename(const QString &path, const QByteArray &bytes)
{
    QVERIFY(writeFile(path + ".part", bytes));
    QVERIFY(std::rename(qPrintable(path + ".part"), qPrintable(path)) == 0);
}

int liveCards(WalletSession &session)
{
    return must(session.cardList()).size();
}

} // namespace

class TestFileSyncController : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    // English, for its plural forms.
    void initTestCase()
    {
        isolateSettings(m_dir);
        installEnglish();
    }

    void watchSeesReplacedFiles()
    {
        const QString path = m_dir.filePath("watched.txt");
        QVERIFY(writeFile(path, "one"));
        FileWatch watch;
        watch.setFiles({path});
        QSignalSpy changed(&watch, &FileWatch::changed);
        for (const QByteArray &bytes : {QByteArray("two"), QByteArray("three!")}) {
            replaceByRename(path, bytes);
            QVERIFY(changed.wait(5000));
            QCOMPARE(changed.takeLast().at(0).toString(), path);
        }
    }

    // The copy has a card of its own: choosing it merges, says so, and later changes to the copy on
    // disk and to the wallet by another program reach the window. A merge that brings nothing in leaves
    // the list alone; restoring the backup kept before the first merge empties it.
    void syncsWithTheChosenFile()
    {
        const QString wallet = m_dir.filePath("window.tessera");
        const QString shared = m_dir.filePath("window-shared.tessera");
        QVERIFY(CardDb::create(wallet, "pw")->saveCopy(shared));
        QVERIFY(CardDb::open(shared, "pw")->addCard(*makeCard("s1", "From the copy", {"ann"})));
        QWidget window;
        WalletSession session;
        FileSyncController controller(session, &window);
        controller.setDelay(0);
        QSignalSpy messages(&controller, &FileSyncController::statusMessage);
        QSignalSpy reloads(&session, &WalletSession::cardsChanged);
        QVERIFY(session.unlock(wallet, "pw"));
        controller.setSyncFile(shared);
        QCOMPARE(messages.takeLast().at(0).toString(), QString("Synced: 1 card received, 0 cards sent"));
        QCOMPARE(reloads.count(), 1);
        QCOMPARE(liveCards(session), 1);
        controller.syncNow();
        QCOMPARE(messages.takeLast().at(0).toString(), QString("Synced: 0 cards received, 0 cards sent"));
        QCOMPARE(reloads.count(), 1);

        const QString incoming = shared + ".incoming";
        QVERIFY(CardDb::open(shared, "pw")->saveCopy(incoming));
        QVERIFY(CardDb::open(incoming, "pw")->addCard(*makeCard("s2", "Later in the copy", {"ann"})));
        QVERIFY(std::rename(qPrintable(incoming), qPrintable(shared)) == 0);
        QVERIFY(QTest::qWaitFor([&] { return liveCards(session) == 2; }, 5000));

        reloads.clear();
        QVERIFY(CardDb::open(wallet, "pw")->addCard(*makeCard("w1", "From tessera-cli", {"ann"})));
        QVERIFY(reloads.wait(5000));
        QVERIFY(QTest::qWaitFor([&] { return CardDb::open(shared, "pw")->cardCount() == 3; }, 5000));

        reloads.clear();
        controller.restoreBackup(WalletBackups::list(wallet).last().path);
        QCOMPARE(messages.takeLast().at(0).toString().left(20), QString("Restored the backup "));
        QCOMPARE(reloads.count(), 1);
        QCOMPARE(liveCards(session), 0);
    }

    // A conflict copy is merged as soon as it appears beside the copy, with no other change to set it off.
    void conflictCopyMergedWhenItAppears()
    {
        const QString wallet = m_dir.filePath("conflicts.tessera");
        const QString shared = m_dir.filePath("conflicts-shared.tessera");
        QVERIFY(CardDb::create(wallet, "pw")->saveCopy(shared));
        QWidget window;
        WalletSession session;
        FileSyncController controller(session, &window);
        controller.setDelay(0);
        QSignalSpy messages(&controller, &FileSyncController::statusMessage);
        QVERIFY(session.unlock(wallet, "pw"));
        controller.setSyncFile(shared);
        const QString conflict = m_dir.filePath("conflicts-shared.sync-conflict-20261207-093000-ABCDEF7.tessera");
        QVERIFY(CardDb::open(shared, "pw")->saveCopy(conflict + ".part"));
        QVERIFY(CardDb::open(conflict + ".part", "pw")->addCard(*makeCard("c1", "From the other device", {"ann"})));
        QVERIFY(std::rename(qPrintable(conflict + ".part"), qPrintable(conflict)) == 0);
        QTRY_COMPARE_WITH_TIMEOUT(liveCards(session), 1, 5000);
        QCOMPARE(messages.last().at(0).toString(),
                 QString("Synced: 1 card received, 1 card sent, 1 conflict copy merged"));
        QVERIFY(!QFile::exists(conflict));
    }

    // Each backup shows its short date and time in full, and its card count.
    void backupsListedInFull()
    {
        const QDateTime time(QDate(2026, 12, 24), QTime(23, 59, 58), Qt::UTC);
        RestoreBackupDialog dialog({{"/b/newer.tessera", time, 12}, {"/b/older.tessera", time.addDays(-300), -1}});
        dialog.show();
        auto *list = dialog.findChild<QTreeWidget *>();
        const QLocale locale;
        const QDateTime local = time.toLocalTime();
        QCOMPARE(list->topLevelItem(0)->text(0),
                 locale.toString(local.date(), QLocale::ShortFormat) + " "
                     + locale.toString(local.time(), QLocale::ShortFormat));
        QCOMPARE(list->topLevelItem(0)->text(1), QString("12"));
        QCOMPARE(list->topLevelItem(1)->text(1), QString("unreadable"));
        QVERIFY(list->columnWidth(0) > list->fontMetrics().horizontalAdvance(list->topLevelItem(0)->text(0)));
    }

    void copyWithAnotherPasswordIsAskedOnce()
    {
        const QString wallet = m_dir.filePath("asking.tessera");
        const QString shared = m_dir.filePath("asking-shared.tessera");
        QVERIFY(CardDb::create(wallet, "pw"));
        CardDb::create(shared, "other")->addCard(*makeCard("s", "Theirs", {"ann"}));
        QWidget window;
        WalletSession session;
        FileSyncController controller(session, &window);
        int asked = 0;
        controller.setPasswordQuestion([&asked](const QString &) {
            return FileSyncController::CopyCredentials{++asked == 1 ? "other" : "", {}};
        });
        QSignalSpy messages(&controller, &FileSyncController::statusMessage);
        QVERIFY(session.unlock(wallet, "pw"));
        controller.setSyncFile(shared);
        controller.syncNow();
        QCOMPARE(asked, 1);
        QCOMPARE(messages.takeLast().at(0).toString(), QString("Synced: 0 cards received, 0 cards sent"));
        QCOMPARE(liveCards(session), 1);
    }
};

QTEST_MAIN(TestFileSyncController)
#include "TestFileSyncController.moc"
