#include "common/MainWindowFixture.h"
#include "common/TestCards.h"
#include "model/Clock.h"
#include "model/TextUtils.h"
#include "session/SessionSearchIndex.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "ui/CardFilterProxy.h"
#include "ui/CardListPane.h"
#include "ui/CardListView.h"
#include "ui/CountdownRing.h"
#include "ui/DetailView.h"
#include "ui/FieldLabel.h"
#include "ui/OneTimeCodeView.h"
#include "ui/SearchEdit.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QClipboard>
#include <QFrame>
#include <QHeaderView>
#include <QLayout>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace {

// Stands in for the system clock while it lives; the test moves it by hand.
class FixedClock : public Clock
{
public:
    explicit FixedClock(qint64 msecs)
        : msecs(msecs)
    {
        Clock::install(this);
    }
    ~FixedClock() override { Clock::install(nullptr); }

    qint64 msecsSinceEpoch() const override { return msecs; }

    qint64 msecs;
};

} // namespace

class TestCardPanes : public QObject, public MainWindowFixture
{
    Q_OBJECT

private:
    CardListPane *cardListPane() { return m_window->findChild<CardListPane *>("cardListPane"); }
    SearchEdit *searchEdit() { return m_window->findChild<SearchEdit *>("searchEdit"); }

    int addCard(const QString &title, const QList<TestField> &fields = {}, const QString &notes = QString(),
                int icon = 21)
    {
        auto card = makeCard(newUuid(), title, {}, QDateTime::currentDateTimeUtc(), notes);
        card->setIconId(icon);
        addFields(*card, fields);
        return storeCard(*card);
    }

    QString currentTitle() { return listView()->currentIndex().data().toString(); }

    void clickHeader(int column)
    {
        QHeaderView *header = listView()->header();
        QTRY_VERIFY(header->height() > 0);
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }

    // What the list shows from top to bottom in one column.
    QStringList listedColumn(int column)
    {
        QStringList shown;
        for (int row = 0; row < listView()->model()->rowCount(); ++row)
            shown << listView()->model()->index(row, column).data().toString();
        return shown;
    }

    void openWallet(const QStringList &titles)
    {
        openNewWallet();
        for (const QString &title : titles)
            addCard(title);
        // The search index is built off the interface thread.
        QTRY_VERIFY(cardListPane()->findChild<SessionSearchIndex *>()->isReady());
    }

    FieldLabel *valueLabel(const QString &value)
    {
        for (FieldLabel *label : detailView()->findChildren<FieldLabel *>()) {
            if (label->value() == value)
                return label;
        }
        return nullptr;
    }

    // The show/hide and copy buttons of a value's row.
    static std::pair<QToolButton *, QToolButton *> eyeAndCopy(QWidget *row)
    {
        std::pair<QToolButton *, QToolButton *> buttons{nullptr, nullptr};
        for (QToolButton *button : row->findChildren<QToolButton *>())
            (button->toolTip() == "Show/Hide" ? buttons.first : buttons.second) = button;
        return buttons;
    }

private slots:
    void init() { openWindow(); }

    void cleanup() { m_window.reset(); }

    void sortsByTitle_data()
    {
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("sorted");
        // clang-format off
        QTest::newRow("case plays no part") << QStringList{"beta", "Alpha", "gamma", "alpha", "Beta"} << "alpha,alpha,beta,beta,gamma";
        QTest::newRow("numbers by value") << QStringList{"Item 10", "Item 2", "item 1"} << "item 1,item 2,item 10";
        QTest::newRow("accents beside plain letters") << QStringList{"Zoe", "Émile", "Adam", "Emile"} << "adam,emile,émile,zoe";
        // clang-format on
    }

    void sortsByTitle()
    {
        QFETCH(QStringList, titles);
        QFETCH(QString, sorted);
        openWallet(titles);
        QCOMPARE(listedTitles().join(',').toLower(), sorted);
    }

    // A click on a column's header sorts by it, a second click the other way round; text sorts as titles
    // do (numbers by value, case and accents aside), cards that tie stay in title order.
    void sortsByAnyColumn_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("sorted");
        // clang-format off
        QTest::newRow("title, descending") << int(CardFilterProxy::Title) << 1 << "Delta,Charlie,Bravo,Alpha";
        QTest::newRow("user name, ties by title") << int(CardFilterProxy::UserName) << 1 << "Charlie,Alpha,Delta,Bravo";
        QTest::newRow("user name, descending") << int(CardFilterProxy::UserName) << 2 << "Bravo,Alpha,Delta,Charlie";
        QTest::newRow("address") << int(CardFilterProxy::Url) << 1 << "Charlie,Alpha,Bravo,Delta";
        QTest::newRow("newest first") << int(CardFilterProxy::Modified) << 1 << "Bravo,Alpha,Delta,Charlie";
        QTest::newRow("oldest first") << int(CardFilterProxy::Modified) << 2 << "Charlie,Delta,Alpha,Bravo";
        // clang-format on
    }

    void sortsByAnyColumn()
    {
        QFETCH(int, column);
        QFETCH(int, clicks);
        QFETCH(QString, sorted);
        openNewWallet();
        const QStringList users{"user9", "User10", "", "user9"};
        const QStringList urls{"https://b.example", "https://c.example", "", "https://Émile.example"};
        const QStringList titles{"Alpha", "Bravo", "Charlie", "Delta"};
        const int days[]{3, 4, 1, 2};
        for (int i = 0; i < titles.size(); ++i)
            storeCard(*makeCard(newUuid(), titles.at(i), {users.at(i), "-", "-", urls.at(i)}, t0.addDays(days[i])));
        QTRY_VERIFY(cardListPane()->findChild<SessionSearchIndex *>()->isReady());
        listView()->setColumnShown(CardFilterProxy::Modified, true);
        QCOMPARE(listedColumn(CardFilterProxy::UserName), users);
        QCOMPARE(listedColumn(CardFilterProxy::Url).last(), QString("https://Émile.example"));
        QCOMPARE(listedColumn(CardFilterProxy::Modified).first(),
                 QLocale().toString(t0.addDays(3).toLocalTime(), QLocale::ShortFormat));
        for (int i = 0; i < clicks; ++i)
            clickHeader(column);
        QCOMPARE(listedTitles().join(','), sorted);
        // A card added while sorted goes where sorting all of them puts it.
        int id = -1;
        QVERIFY(session().addCard(*makeCard(newUuid(), "Echo", {"user9", "-", "-", "https://b.example"}, t0.addDays(3)),
                                  &id));
        const QStringList added = listedTitles();
        cardListPane()->reload();
        QCOMPARE(listedTitles(), added);
    }

    // The header's context menu shows and hides the columns beside the title; the window remembers them
    // and the sort.
    void columnsAreRemembered()
    {
        openNewWallet();
        QHeaderView *header = listView()->header();
        QVERIFY(!header->isSectionHidden(CardFilterProxy::UserName));
        QVERIFY(header->isSectionHidden(CardFilterProxy::Modified));
        QStringList offered;
        QTimer::singleShot(0, this, [&offered] {
            auto *menu = findTopLevel<QMenu>();
            for (QAction *action : menu->actions())
                offered << action->text() + (action->isChecked() ? " shown" : "");
            menu->actions().at(0)->trigger();
            menu->close();
        });
        emit header->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(offered, (QStringList{"User Name shown", "URL shown", "Modified"}));
        QVERIFY(header->isSectionHidden(CardFilterProxy::UserName));
        clickHeader(CardFilterProxy::Url);
        clickHeader(CardFilterProxy::Url);
        m_window->close();

        openWindow();
        QVERIFY(session().unlock(m_path, m_password));
        header = listView()->header();
        QVERIFY(header->isSectionHidden(CardFilterProxy::UserName));
        QVERIFY(!header->isSectionHidden(CardFilterProxy::Url));
        QCOMPARE(header->sortIndicatorSection(), int(CardFilterProxy::Url));
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    // At the smallest size users keep, nothing hides off to the side: long titles are elided in the
    // list, long values break anywhere and lose their middle beyond three lines (shown whole on hover),
    // and every copy and show button stays in view.
    void smallWindowKeepsEverythingInView()
    {
        const QString longWord = QString(90, 'x');
        const QString longUrl = "https://example.com/" + QString("0123456789").repeated(30);
        openWallet({"A title far too long for the card list to show whole, however wide the list is"});
        const int id = addCard("Server",
                               {{"Password", longWord, FieldType::Password, true},
                                {"Url", longUrl, FieldType::Url, false},
                                {"Notes", QString("word ").repeated(40), FieldType::Text, false}});
        m_window->resize(800, 600);
        cardListPane()->selectCard(id);
        QTRY_COMPARE(detailView()->cardId(), id);
        for (QToolButton *eye : detailView()->findChildren<QToolButton *>()) {
            if (eye->isCheckable())
                eye->click();
        }
        QApplication::processEvents();

        QVERIFY(!listView()->horizontalScrollBar()->isVisible());
        for (int row = 0; row < listView()->model()->rowCount(); ++row)
            QVERIFY(listView()->visualRect(listView()->model()->index(row, 0)).right()
                    <= listView()->viewport()->width());
        auto *pane = detailView()->findChild<QScrollArea *>();
        QVERIFY(!pane->horizontalScrollBar()->isVisible());
        const QList<QToolButton *> buttons = detailView()->findChildren<QToolButton *>();
        QCOMPARE(buttons.size(), 4);
        for (QToolButton *button : buttons) {
            const QRect shown(button->mapTo(pane->viewport(), QPoint()), button->size());
            QVERIFY(button->isVisible());
            QVERIFY(pane->viewport()->rect().contains(shown));
        }
        FieldLabel *url = valueLabel(longUrl);
        QCOMPARE(url->toolTip(), longUrl);
        QVERIFY(url->height() <= 3 * url->fontMetrics().lineSpacing() + 2);
        QVERIFY(url->text().contains(QChar(0x2026)));
        QApplication::clipboard()->clear();
        eyeAndCopy(url->parentWidget()).second->click();
        QCOMPARE(QApplication::clipboard()->text(), longUrl);
    }

    // Ctrl+F and opening a wallet focus the search; Down enters the list; Enter copies the password of
    // the selected card, or of the first one listed; Escape clears the search.
    void searchKeys()
    {
        openWallet({});
        addCard("Mail", {{"Password", "mail-secret", FieldType::Password, true}});
        addCard("Bank", {{"Password", "bank-secret", FieldType::Password, true}});
        addCard("Mailbox", {{"PIN", "1234", FieldType::Pin, true}});
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(QApplication::focusWidget(), searchEdit());

        listView()->setFocus();
        QTest::keyClick(m_window.get(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), searchEdit());
        // Typed while the index of the changed wallet is still being built, the search runs once it is.
        QTest::keyClicks(searchEdit(), "mail");
        QTRY_COMPARE(listedTitles(), (QStringList{"Mail", "Mailbox"}));
        QTest::keyClick(searchEdit(), Qt::Key_Return);
        QCOMPARE(QApplication::clipboard()->text(), QString("mail-secret"));
        QCOMPARE(detailView()->cardTitle(), QString("Mail"));

        QTest::keyClick(searchEdit(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), listView());
        QTest::keyClick(listView(), Qt::Key_Down);
        QTest::keyClick(m_window.get(), Qt::Key_F, Qt::ControlModifier);
        QTest::keyClick(searchEdit(), Qt::Key_Return);
        QCOMPARE(QApplication::clipboard()->text(), QString("1234"));

        QTest::keyClick(searchEdit(), Qt::Key_Escape);
        QCOMPARE(searchEdit()->text(), QString());
        QCOMPARE(listedTitles().size(), 3);
    }

    // Typing filters the list (the matching itself is the search engine's), also through a reload, and
    // says how many cards match, or that none does; the selected card stays selected while it is listed.
    // The clear button shows only while there is text and empties the search.
    void searchAndClear()
    {
        openWallet({"Bank of Mars", "BANKING app", "Mail"});
        QToolButton *clear = nullptr;
        for (QToolButton *button : searchEdit()->findChildren<QToolButton *>()) {
            if (button->toolTip() == "Clear")
                clear = button;
        }
        QVERIFY(clear);
        QVERIFY(!clear->isVisible());
        selectTitle("Mail");
        QTest::keyClicks(searchEdit(), "bank");
        QVERIFY(!listView()->currentIndex().isValid());
        QVERIFY(!detailView()->hasCard());
        auto *count = m_window->findChild<QLabel *>("matchCount");
        auto *none = m_window->findChild<QLabel *>("noMatchPage");
        QVERIFY(count->isVisible());
        QCOMPARE(count->text(), QString("2 cards match"));
        QTest::keyClicks(searchEdit(), " mars x");
        QVERIFY(none->isVisible() && !count->isVisible() && !listView()->isVisible());
        QCOMPARE(none->text(), QString("No card matches \u201cbank mars x\u201d"));
        searchEdit()->setText("bank");
        QVERIFY(listView()->isVisible() && !none->isVisible());
        selectTitle("BANKING app");
        QTest::keyClicks(searchEdit(), " app");
        QVERIFY(clear->isVisible());
        QCOMPARE(listedTitles(), QStringList{"BANKING app"});
        QCOMPARE(currentTitle(), QString("BANKING app"));
        QCOMPARE(detailView()->cardTitle(), QString("BANKING app"));
        searchEdit()->clear();
        QCOMPARE(currentTitle(), QString("BANKING app"));
        QTest::keyClicks(searchEdit(), "bank app");
        cardListPane()->reload();
        QCOMPARE(listedTitles(), QStringList{"BANKING app"});
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(searchEdit()->text(), QString());
        QVERIFY(!clear->isVisible() && !count->isVisible());
        QCOMPARE(listedTitles(), (QStringList{"Bank of Mars", "BANKING app", "Mail"}));
    }

    // A card added through the session is selected and shown; renamed, it moves to its place and stays
    // selected. The panes follow the session without being told.
    void addAndRenameKeepTheSelection()
    {
        openWallet({"Mango", "Peach"});
        QAbstractItemModelTester tester(listView()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto card = makeCard(newUuid(), "Apple", {});
        int id = -1;
        QVERIFY(session().addCard(*card, &id));
        QCOMPARE(listedTitles(), (QStringList{"Apple", "Mango", "Peach"}));
        QCOMPARE(listView()->currentIndex().row(), 0);
        QCOMPARE(detailView()->cardId(), id);
        QCOMPARE(detailView()->cardTitle(), QString("Apple"));
        card->setTitle("Zucchini");
        QVERIFY(session().updateCard(*card));
        QCOMPARE(listedTitles(), (QStringList{"Mango", "Peach", "Zucchini"}));
        QCOMPARE(currentTitle(), QString("Zucchini"));
        QCOMPARE(detailView()->cardTitle(), QString("Zucchini"));
    }

    // A card gone from the wallet, removed or missing, takes the selection elsewhere or clears the pane.
    void removingMovesTheSelection()
    {
        openWallet({"Alpha", "Beta", "Gamma"});
        listView()->setCurrentIndex(listView()->model()->index(1, 0));
        const int beta = detailView()->cardId();
        QVERIFY(session().trashCard(detailView()->cardUuid()));
        QCOMPARE(listedTitles(), (QStringList{"Alpha", "Gamma"}));
        QVERIFY(detailView()->hasCard());
        QVERIFY(detailView()->cardId() != beta);
        QVERIFY(m_window->findChild<QAction *>("actionDeleteCard")->isEnabled());
        detailView()->displayCard(424242);
        QVERIFY(!detailView()->hasCard());
        QVERIFY(!m_window->findChild<QAction *>("actionDeleteCard")->isEnabled());

        openWallet({"Only"});
        listView()->setCurrentIndex(listView()->model()->index(0, 0));
        QVERIFY(session().trashCard(detailView()->cardUuid()));
        QCOMPARE(listedTitles(), QStringList());
        QVERIFY(!detailView()->hasCard());
        QVERIFY(!m_window->findChild<QAction *>("actionEditCard")->isEnabled());
    }

    void framesFollowSeparators()
    {
        openWallet({});
        const int id = addCard("Grouped",
                               {{"A", "", FieldType::Text, false},
                                {"", "", FieldType::Separator, false},
                                {"B", "bee", FieldType::Text, false},
                                {"C", "sea", FieldType::Text, false},
                                {"", "", FieldType::Separator, false},
                                {"D", "", FieldType::Text, false},
                                {"", "", FieldType::Separator, false},
                                {"E", "ee", FieldType::Text, false}},
                               "first line\nsecond line");
        detailView()->displayCard(id);
        auto *frame0 = detailView()->findChild<QFrame *>("frame0");
        auto *frame1 = detailView()->findChild<QFrame *>("frame1");
        QVERIFY(frame0);
        QVERIFY(frame1);
        QVERIFY(!detailView()->findChild<QFrame *>("frame2"));
        QCOMPARE(frame0->findChildren<FieldLabel *>().size(), 2);
        QCOMPARE(frame0->layout()->count(), 3);
        QCOMPARE(frame1->findChildren<FieldLabel *>().size(), 1);
        auto *notes = detailView()->findChild<QFrame *>("noteFrame");
        QVERIFY(notes);
        QCOMPARE(notes->findChild<QLabel *>()->text(), QString("first line\nsecond line"));
        QVERIFY(!valueLabel(""));

        const int empty = addCard("Empty", {{"A", "", FieldType::Text, false}});
        detailView()->displayCard(empty);
        QVERIFY(!detailView()->findChild<QFrame *>("frame0"));
        QVERIFY(!detailView()->findChild<QFrame *>("noteFrame"));
        QCOMPARE(detailView()->cardTitle(), QString("Empty"));
    }

    void secretsAreMasked()
    {
        openWallet({});
        const int id = addCard("Lock", {{"Code", "4711", FieldType::Pin, true}});
        detailView()->displayCard(id);
        FieldLabel *label = valueLabel("4711");
        QVERIFY(label);
        QCOMPARE(label->text(), QString(4, QChar(0x25CF)));
        const auto [eye, copy] = eyeAndCopy(label->parentWidget());
        QVERIFY(eye && copy);
        QApplication::clipboard()->clear();
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QString("4711"));
        QTest::mouseClick(eye, Qt::LeftButton);
        QCOMPARE(label->text(), QString("4711"));
        QTest::mouseClick(eye, Qt::LeftButton);
        QCOMPARE(label->text(), QString(4, QChar(0x25CF)));

        detailView()->displayCard(id);
        QCOMPARE(valueLabel("4711")->text(), QString(4, QChar(0x25CF)));
    }

    // RFC 4226 Appendix D's key: the codes for counters 1 and 2 (seconds 30-59 and 60-89). The code
    // shows right under the password, wherever the card keeps it.
    void oneTimeCodeFollowsTheClock()
    {
        FixedClock clock(59000);
        openWallet({});
        const QString uri = "otpauth://totp/Bank:ana?secret=GEZDGNBVGY3TQOJQGEZDGNBVGY3TQOJQ";
        const QString broken = "otpauth://totp/Bank:ana?secret=0";
        const int id = addCard("Bank",
                               {{"Password", "pw", FieldType::Password, true},
                                {"Branch", "Main Street", FieldType::Text, false},
                                {"", "", FieldType::Separator, false},
                                {"Key", uri, FieldType::Text, true},
                                {"Old", broken, FieldType::Text, true}});
        detailView()->displayCard(id);
        auto *code = detailView()->findChild<OneTimeCodeView *>();
        QVERIFY(code);
        QCOMPARE(detailView()->findChildren<OneTimeCodeView *>().size(), 1);
        QLayout *rows = detailView()->findChild<QFrame *>("frame0")->layout();
        QCOMPARE(rows->indexOf(code->parentWidget()), rows->indexOf(valueLabel("pw")->parentWidget()) + 2);
        QCOMPARE(rows->indexOf(valueLabel("Main Street")->parentWidget()), 4);
        QCOMPARE(valueLabel(broken)->text(), QString(valueLabel(broken)->text().size(), QChar(0x25CF)));
        QCOMPARE(code->label()->text(), QString("287 082"));
        QCOMPARE(code->ring()->secondsLeft(), 1);
        QApplication::clipboard()->clear();
        m_window->findChild<QAction *>("actionCopyOneTimeCode")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QString("287082"));

        clock.msecs = 60000;
        QTRY_COMPARE(code->label()->text(), QString("359 152"));
        QCOMPARE(code->ring()->secondsLeft(), 30);
        const auto [eye, copy] = eyeAndCopy(code->parentWidget());
        QVERIFY(eye && copy);
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QString("359152"));
        QTest::mouseClick(eye, Qt::LeftButton);
        QCOMPARE(code->label()->fittedText(), uri);
    }

    // Links open only web and mail targets; values from imports and synced copies are never taken as markup.
    void links_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("target");
        // clang-format off
        QTest::newRow("bare host") << int(FieldType::Url) << "www.example.com" << "http://www.example.com";
        QTest::newRow("https kept") << int(FieldType::Url) << "https://bank.example/login" << "https://bank.example/login";
        QTest::newRow("capital HTTP prefixed") << int(FieldType::Url) << "HTTP://example.com" << QUrl("http://HTTP://example.com").toString();
        QTest::newRow("script scheme") << int(FieldType::Url) << "javascript:alert(1)" << "";
        QTest::newRow("file scheme") << int(FieldType::Url) << "httpfile:///etc/passwd" << "";
        QTest::newRow("mail") << int(FieldType::Email) << "carol@example.com" << "mailto:carol@example.com";
        QTest::newRow("plain text never links") << int(FieldType::Text) << "www.example.com" << "";
        QTest::newRow("bold text") << int(FieldType::Text) << "<b>bold</b>" << "";
        QTest::newRow("a fake link") << int(FieldType::Text) << "<a href=\"http://evil.example\">bank.example</a>" << "";
        QTest::newRow("url with markup") << int(FieldType::Url) << "bank.example\"><a href=\"http://evil.example\">x" << "";
        QTest::newRow("email with markup") << int(FieldType::Email) << "a@b.example\"><img src=x>" << "mailto:a@b.example%22%3E%3Cimg src=x%3E";
        // clang-format on
    }

    void links()
    {
        QFETCH(int, type);
        QFETCH(QString, value);
        QFETCH(QString, target);
        FieldLabel label(value, type, false);
        QCOMPARE(label.linkTarget().toString(), target);
        if (target.isEmpty()) {
            QCOMPARE(label.textFormat(), Qt::PlainText);
            QCOMPARE(label.text(), value);
        } else {
            QCOMPARE(label.textFormat(), Qt::RichText);
            QCOMPARE(label.text(),
                     QString("<a href=\"%1\">%2</a>")
                         .arg(QString(QUrl(target).toEncoded()).toHtmlEscaped(), value.toHtmlEscaped()));
        }
        QSignalSpy copied(&label, &FieldLabel::copyRequested);
        label.copyToClipboard();
        QCOMPARE(copied.value(0).value(0).toString(), value);
    }
};

QTEST_MAIN(TestCardPanes)
#include "TestCardPanes.moc"
