#include "app/SingleInstance.h"
#include "common/MainWindowFixture.h"
#include "common/TestCards.h"
#include "common/TestFiles.h"
#include "model/SecretText.h"
#include "model/TextUtils.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "ui/ClipboardGuard.h"
#include "ui/DetailView.h"
#include "ui/EditDialog.h"
#include "ui/IdleLock.h"
#include "ui/ScreenLockListener.h"
#include "ui/SearchEdit.h"
#include "ui/UnlockView.h"

#include <QtTest>
#include <QtWidgets>

#include <QSemaphore>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace {

// How many copies of needle lie in the heap and the anonymous writable memory of this process, other
// than needle's own buffer.
int copiesInMemory(const QByteArray &needle)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> regions = maps.readAll().split('\n');
    const int memory = ::open("/proc/self/mem", O_RDONLY);
    const qint64 chunk = 1 << 20;
    // Read into a buffer that is wiped after each look, so that it never shows a copy of its own.
    std::vector<char> buffer(chunk + needle.size());
    int copies = 0;
    for (const QByteArray &region : regions) {
        const QList<QByteArray> columns = region.simplified().split(' ');
        const bool anonymous = columns.size() == 5 || (columns.size() == 6 && columns[5] == "[heap]");
        if (columns.size() < 5 || !columns[1].startsWith("rw") || !anonymous)
            continue;
        const QList<QByteArray> range = columns[0].split('-');
        const quint64 begin = range[0].toULongLong(nullptr, 16);
        const quint64 end = range[1].toULongLong(nullptr, 16);
        if (end - begin > (quint64(1) << 30)) // a sanitizer's shadow memory, not a heap
            continue;
        const quint64 ownBegin = quint64(quintptr(buffer.data()));
        const quint64 ownEnd = ownBegin + buffer.size();
        for (quint64 at = begin; at < end;) {
            // The buffer itself is left out: reading it into itself would copy what it holds.
            if (at >= ownBegin && at < ownEnd) {
                at = ownEnd;
                continue;
            }
            quint64 length = std::min<quint64>(chunk, end - at);
            if (at < ownBegin)
                length = std::min(length, ownBegin - at);
            const quint64 reach = std::min<quint64>(length + needle.size() - 1, end - at);
            const ssize_t got
                = ::pread(memory, buffer.data(), std::min(reach, at < ownBegin ? ownBegin - at : reach), off_t(at));
            for (ssize_t i = 0; got > 0;) {
                const char *match = static_cast<const char *>(
                    memmem(buffer.data() + i, size_t(got - i), needle.constData(), size_t(needle.size())));
                if (!match)
                    break;
                i = match - buffer.data();
                if (at + quint64(i) != quint64(quintptr(needle.constData())) && quint64(i) < length)
                    ++copies;
                ++i;
            }
            std::memset(buffer.data(), 0, buffer.size());
            at += length;
        }
    }
    ::close(memory);
    return copies;
}

} // namespace

// Locking, its triggers, and what a lock leaves behind: nothing decrypted, nothing on the clipboard.
class TestLocking : public QObject, public MainWindowFixture
{
    Q_OBJECT

private:
    UnlockView *unlockView() { return m_window->findChild<UnlockView *>(); }
    QLineEdit *unlockPassword() { return m_window->findChild<QLineEdit *>("unlockPassword"); }
    SearchEdit *searchEdit() { return m_window->findChild<SearchEdit *>("searchEdit"); }

    void unlockThroughTheView(const QString &password)
    {
        QTest::keyClicks(unlockPassword(), password);
        QTest::keyClick(unlockPassword(), Qt::Key_Return);
        // The key derivation runs on a worker; meanwhile the view says so and takes no input.
        QVERIFY(!unlockPassword()->isEnabled());
        QVERIFY(unlockView()->findChild<QLabel *>("unlocking")->isVisible());
        QTRY_VERIFY(unlockPassword()->isEnabled() || session().isUnlocked());
    }

private slots:
    void init()
    {
        openNewWallet();
        for (const QString title : {"Bank", "Mail", "Shop"})
            storeCard(*makeCard(newUuid(), title, {"-", "secret of " + title}, t0, "notes of " + title));
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    // Lock forgets every decrypted card and shows the unlock view; unlocking returns to the card.
    void lockAndUnlockKeepTheSelection()
    {
        selectTitle("Mail");
        QTRY_COMPARE(detailView()->cardTitle(), QString("Mail"));
        QTest::keyClicks(searchEdit(), "ma");
        QTest::keyClick(searchEdit(), Qt::Key_L, Qt::ControlModifier);

        QCOMPARE(session().state(), WalletSession::Locked);
        QVERIFY(!m_window->findChild<QSplitter *>("splitter")->isVisible());
        QVERIFY(unlockView()->isVisible());
        QCOMPARE(QApplication::focusWidget(), unlockPassword());
        QCOMPARE(searchEdit()->text(), QString());
        QVERIFY(!detailView()->hasCard());
        QVERIFY(m_window->windowTitle().contains("Locked"));

        unlockThroughTheView("wrong");
        QCOMPARE(session().state(), WalletSession::Locked);
        QCOMPARE(unlockView()->findChild<QLabel *>("unlockError")->text(), QString("Wrong password. Try again!"));
        unlockThroughTheView("pw");
        QCOMPARE(session().state(), WalletSession::Unlocked);
        QVERIFY(!unlockView()->isVisible());
        QTRY_COMPARE(detailView()->cardTitle(), QString("Mail"));
    }

    // A lock with an editor open cancels it: nothing half-typed is stored.
    void lockCancelsAnOpenEditor()
    {
        selectTitle("Bank");
        m_window->findChild<QAction *>("actionEditCard")->trigger();
        auto *editor = waitForTopLevel<EditDialog>();
        QVERIFY(editor);
        editor->findChild<QLineEdit *>("nameEdit")->setText("Half typed");
        QPointer<EditDialog> watch(editor);
        session().lock();
        QTRY_VERIFY(watch.isNull() || !watch->isVisible());
        QVERIFY(session().unlock("pw"));
        QStringList titles;
        for (const CardListEntry &entry : must(session().cardList()))
            titles << entry.title;
        QVERIFY(!titles.contains("Half typed"));
    }

    // A lock wipes the card shown, its copy on the clipboard and the search text: neither its password
    // nor its user name is left in memory as UTF-8 or UTF-16.
    void lockLeavesNoSecretInMemory()
    {
        const QByteArray password = QUuid::createUuid().toByteArray(QUuid::Id128);
        QString wide = QString::fromLatin1(password);
        const QByteArray wideBytes(reinterpret_cast<const char *>(wide.utf16()), wide.size() * 2);
        {
            Card card(newUuid(), QDateTime::currentDateTimeUtc(), "login.default", 21, "Vault", QString());
            card.addField(1, QDateTime::currentDateTimeUtc(), "Password", wide, 1, true);
            SecretText::wipe(wide);
            int id = -1;
            QVERIFY(session().addCard(card, &id));
        }
        selectTitle("Vault");
        QTRY_COMPARE(detailView()->cardTitle(), QString("Vault"));
        for (QToolButton *button : detailView()->findChildren<QToolButton *>()) {
            if (!button->isCheckable())
                button->click();
        }
        // Compared without making a copy of the test's own.
        QVERIFY(QApplication::clipboard()->text() == QLatin1String(password));
        session().lock();
        QTest::qWait(200);
        const int narrow = copiesInMemory(password);
        QCOMPARE(copiesInMemory(wideBytes), 0);
        QCOMPARE(narrow, 0);
    }

    // A job on a worker thread keeps the store until it is done: a lock waits for it.
    void lockWaitsForARunningJob()
    {
        QSemaphore started;
        QFuture<bool> job = session().runInBackground([&started](CardDb &store) {
            started.release();
            QThread::msleep(300);
            return store.cardCount() == 3;
        });
        started.acquire();
        session().lock();
        QVERIFY(job.isFinished());
        QVERIFY(job.result());
    }

    void lockTriggers_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("idle period") << "idle";
        QTest::newRow("screen saver") << "screensaver";
        QTest::newRow("sleep") << "sleep";
        QTest::newRow("session lock") << "session";
    }

    void lockTriggers()
    {
        QFETCH(QString, trigger);
        if (trigger == "idle") {
            // Generous against a loaded machine: each input comes well inside the period.
            m_window->idleLock().setPeriod(1500);
            // Input restarts the idle period.
            for (int i = 0; i < 4; ++i) {
                QTest::qWait(300);
                QTest::mouseMove(listView()->viewport(), QPoint(5 + i, 5));
                QTest::keyClick(listView(), Qt::Key_Down);
                QCOMPARE(session().state(), WalletSession::Unlocked);
            }
            QTRY_COMPARE_WITH_TIMEOUT(session().state(), WalletSession::Locked, 10000);
            return;
        }
        ScreenLockListener &listener = m_window->screenLockListener();
        if (trigger == "screensaver") {
            listener.screenSaverChanged(false);
            QCOMPARE(session().state(), WalletSession::Unlocked);
            listener.screenSaverChanged(true);
        } else if (trigger == "sleep") {
            listener.prepareForSleep(true);
        } else {
            listener.sessionLocked();
        }
        QCOMPARE(session().state(), WalletSession::Locked);
    }

    // A copy is marked for clipboard managers and cleared after the timeout, on lock and on quit, but
    // never when the user copied something else since.
    void clipboardIsCleared_data()
    {
        QTest::addColumn<QString>("when");
        QTest::addColumn<bool>("replacedMeanwhile");
        QTest::newRow("after the timeout") << "timeout" << false;
        QTest::newRow("timeout, user copied since") << "timeout" << true;
        QTest::newRow("on lock") << "lock" << false;
        QTest::newRow("on quit") << "quit" << false;
    }

    void clipboardIsCleared()
    {
        QFETCH(QString, when);
        QFETCH(bool, replacedMeanwhile);
        ClipboardGuard &guard = m_window->clipboard();
        guard.setTimeout(when == "timeout" ? 300 : 60000);
        selectTitle("Shop");
        QTRY_COMPARE(detailView()->cardTitle(), QString("Shop"));
        QSignalSpy status(&guard, &ClipboardGuard::status);
        QToolButton *copy = nullptr;
        for (QToolButton *button : detailView()->findChildren<QToolButton *>()) {
            if (!button->isCheckable())
                copy = button;
        }
        QVERIFY(copy);
        copy->click();
        const QMimeData *data = QApplication::clipboard()->mimeData();
        QCOMPARE(data->text(), QString("secret of Shop"));
        QCOMPARE(data->data("x-kde-passwordManagerHint"), QByteArray("secret"));
        QVERIFY(status.first().first().toString().contains("clears in"));
        if (replacedMeanwhile)
            QApplication::clipboard()->setText("my own text");

        if (when == "lock")
            session().lock();
        else if (when == "quit")
            m_window.reset();
        const QString expected = replacedMeanwhile ? "my own text" : QString();
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::clipboard()->text(), expected, 10000);
    }

    // A second start hands over to the first, which comes forward with the wallet it was given; where
    // the folder for the guard is not private (another user could take the names first), each runs
    // and says why.
    void secondInstanceHandsOver_data()
    {
        QTest::addColumn<QString>("runtimeFolder");
        QTest::addColumn<QString>("fallbackFolder");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("handsOver");
        QTest::newRow("private runtime folder") << "runtime"
                                                << "" << 0700 << true;
        QTest::newRow("runtime folder others can enter") << "runtime"
                                                         << "" << 0777 << false;
        QTest::newRow("no runtime folder: one of its own") << ""
                                                           << "" << 0 << true;
        QTest::newRow("no runtime folder, its own taken") << ""
                                                          << "tessera-%1" << 0777 << false;
    }

    void secondInstanceHandsOver()
    {
        QFETCH(QString, runtimeFolder);
        QFETCH(QString, fallbackFolder);
        QFETCH(int, mode);
        QFETCH(bool, handsOver);
        QTemporaryDir temp;
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        const QString taken
            = runtimeFolder.isEmpty() && !fallbackFolder.isEmpty() ? fallbackFolder.arg(::getuid()) : runtimeFolder;
        if (!taken.isEmpty()) {
            QVERIFY(QDir(temp.path()).mkdir(taken));
            QVERIFY(::chmod(QFile::encodeName(temp.filePath(taken)).constData(), mode_t(mode)) == 0);
        }
        if (runtimeFolder.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(temp.filePath(runtimeFolder)));

        SingleInstance first("tessera-test");
        QVERIFY(first.claim());
        QSignalSpy raised(&first, &SingleInstance::activationRequested);
        SingleInstance second("tessera-test");
        const QString wallet = QStringLiteral("/home/me/Mein Tresor ä.tessera");
        QCOMPARE(second.claim(wallet), !handsOver);
        QCOMPARE(second.problem().isEmpty(), handsOver);
        if (handsOver) {
            QTRY_COMPARE(raised.count(), 1);
            QCOMPARE(raised.first().first().toString(), wallet);
        }
        qunsetenv("TMPDIR");
    }
};

QTEST_MAIN(TestLocking)
#include "TestLocking.moc"
