#include "common/MainWindowFixture.h"
#include "common/TestCards.h"
#include "model/TextUtils.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "ui/EditDialog.h"
#include "ui/NewWalletDialog.h"
#include "ui/ShortcutsDialog.h"
#include "ui/TemplateChooserDialog.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTreeWidget>

// The window's keyboard, walked key by key as a user presses the keys, and its list of shortcuts.
class TestKeyboard : public QObject, public MainWindowFixture
{
    Q_OBJECT

public slots:
    // Stands in for the desktop's browser.
    void openUrl(const QUrl &url) { m_opened = url; }

private:
    QUrl m_opened;

    QPoint firstRow() { return listView()->visualRect(listView()->model()->index(0, 0)).center(); }

    // What pressing the keys did, as the user would tell it.
    QString effect()
    {
        QApplication::processEvents();
        if (auto *editor = findTopLevel<EditDialog>())
            return "editor: " + editor->windowTitle();
        if (findTopLevel<TemplateChooserDialog>())
            return "template chooser";
        if (findTopLevel<NewWalletDialog>())
            return "new wallet";
        if (auto *box = findTopLevel<QMessageBox>())
            return "asks: " + box->windowTitle();
        if (auto *menu = findTopLevel<QMenu>())
            return "menu: " + menu->actions().value(0)->text();
        if (!m_opened.isEmpty())
            return "opens " + m_opened.toString();
        return "clipboard: " + QApplication::clipboard()->text();
    }

private slots:
    void initTestCase() { QDesktopServices::setUrlHandler("http", this, "openUrl"); }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("http"); }

    void init()
    {
        openNewWallet();
        storeCard(*makeCard(newUuid(), "Mail", {"ana", "s3cret", "-", "mail.example.org"}));
        listView()->setCurrentIndex(listView()->model()->index(0, 0));
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QApplication::clipboard()->clear();
        m_opened.clear();
    }

    void cleanup() { m_window.reset(); }

    void keys_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("effect");
        // clang-format off
        QTest::newRow("new card") << QKeySequence(QKeySequence::New) << "list" << "template chooser";
        QTest::newRow("new wallet") << QKeySequence("Ctrl+Shift+N") << "list" << "new wallet";
        QTest::newRow("Ctrl+E edits") << QKeySequence("Ctrl+E") << "list" << "editor: Edit Card";
        QTest::newRow("Enter edits") << QKeySequence(Qt::Key_Return) << "list" << "editor: Edit Card";
        QTest::newRow("Shift+F10 opens the menu") << QKeySequence("Shift+F10") << "list" << "menu: Edit";
        QTest::newRow("menu key opens the menu") << QKeySequence(Qt::Key_Menu) << "list" << "menu: Edit";
        QTest::newRow("keypad Enter edits") << QKeySequence(Qt::Key_Enter) << "list" << "editor: Edit Card";
        QTest::newRow("duplicate") << QKeySequence("Ctrl+Shift+D") << "list" << "editor: Add Card";
        QTest::newRow("Delete trashes") << QKeySequence(QKeySequence::Delete) << "list" << "asks: Delete Card";
        QTest::newRow("Backspace trashes") << QKeySequence(Qt::Key_Backspace) << "list" << "asks: Delete Card";
        QTest::newRow("user name") << QKeySequence("Ctrl+B") << "list" << "clipboard: ana";
        QTest::newRow("password") << QKeySequence(QKeySequence::Copy) << "list" << "clipboard: s3cret";
        QTest::newRow("Ctrl+C elsewhere copies text") << QKeySequence(QKeySequence::Copy) << "search" << "clipboard: ";
        QTest::newRow("URL") << QKeySequence("Ctrl+U") << "list" << "clipboard: mail.example.org";
        QTest::newRow("open URL") << QKeySequence("Ctrl+Shift+U") << "list" << "opens http://mail.example.org";
        // clang-format on
    }

    void keys()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, focus);
        QFETCH(QString, effect);
        QWidget *target
            = focus == "list" ? static_cast<QWidget *>(listView()) : m_window->findChild<QLineEdit *>("searchEdit");
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        QTest::keySequence(target, keys);
        QTRY_COMPARE(this->effect(), effect);
    }

    void doubleClickEdits()
    {
        // A double click reaches the view as a click followed by the double-click event.
        QTest::mouseClick(listView()->viewport(), Qt::LeftButton, {}, firstRow());
        QTest::mouseDClick(listView()->viewport(), Qt::LeftButton, {}, firstRow());
        QTRY_COMPARE(effect(), QString("editor: Edit Card"));
    }

    // The context menu of a card offers what its keys do, with the keys beside each entry.
    void contextMenuOffersTheSameActions()
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, firstRow(), listView()->viewport()->mapToGlobal(firstRow()));
        QApplication::sendEvent(listView()->viewport(), &event);
        auto *menu = waitForTopLevel<QMenu>();
        QVERIFY(menu);
        QStringList entries;
        for (QAction *action : menu->actions()) {
            if (!action->isSeparator())
                entries << action->text() + " " + action->shortcut().toString();
        }
        QCOMPARE(entries,
                 QStringList({"Edit Ctrl+E", "Duplicate Ctrl+Shift+D", "Delete Del", "Copy User Name Ctrl+B",
                              "Copy Password Ctrl+C", "Copy URL Ctrl+U", "Open URL Ctrl+Shift+U"}));
        menu->close();
    }

    void helpListsTheShortcuts()
    {
        m_window->findChild<QAction *>("actionKeyboardShortcuts")->trigger();
        auto *dialog = waitForTopLevel<ShortcutsDialog>();
        QVERIFY(dialog);
        auto *table = dialog->findChild<QTreeWidget *>("shortcutTable");
        QStringList rows;
        QStringList keys;
        // No two actions share a key where both work.
        for (int row = 0; row < table->topLevelItemCount(); ++row) {
            const QString name = table->topLevelItem(row)->text(0);
            rows << name + ": " + table->topLevelItem(row)->text(1);
            const int place = name.indexOf(" (");
            for (const QString &key : table->topLevelItem(row)->text(1).split(", "))
                keys << key + (place < 0 ? QString() : name.mid(place));
        }
        for (const char *expected :
             {"Add: Ctrl+N", "New Wallet: Ctrl+Shift+N", "Edit: Ctrl+E", "Edit (in the card list): Return, Enter",
              "Delete: Del, Backspace", "Copy Password (in the card list): Ctrl+C", "Open URL: Ctrl+Shift+U",
              "Lock: Ctrl+L", "Copy One-Time Code: Ctrl+T", "Find: Ctrl+F",
              "Clear the Search (in the search field): Esc",
              "Copy Password of the Selected or First Card (in the search field): Return, Enter",
              "Open the Context Menu (in the card list): Shift+F10, Menu",
              "Save the Card (in the card editor): Ctrl+Return", "Type a Tab (in the notes): Ctrl+Tab"})
            QVERIFY2(rows.contains(expected), qPrintable(rows.join('\n')));
        QCOMPARE(keys.removeDuplicates(), 0);
    }
};

QTEST_MAIN(TestKeyboard)
#include "TestKeyboard.moc"
