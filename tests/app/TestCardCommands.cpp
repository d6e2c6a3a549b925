#include "common/MainWindowFixture.h"
#include "common/SqlPeek.h"
#include "common/TestCards.h"
#include "common/TestFiles.h"
#include "model/BuiltinCatalog.h"
#include "model/TemplateCatalog.h"
#include "model/TextUtils.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "store/WalletBackups.h"
#include "ui/DetailView.h"
#include "ui/EditDialog.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
#include "ui/OneTimeCodeDialog.h"
#include "ui/OneTimeCodeView.h"
#include "ui/TemplateChooserDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

// The card commands of the main window, driven through its actions and real dialogs.
class TestCardCommands : public QObject, public MainWindowFixture
{
    Q_OBJECT

private:
    int cardCount() { return must(session().cardList()).size(); }

    // A card stored long ago, so that any time stamp an edit sets stands out.
    int storeOldCard(const QString &title)
    {
        const int id = storeCard(*makeCard(newUuid(), title, {"carol", "secret", ""}, t0, "old notes"));
        selectTitle(title);
        return id;
    }

    EditDialog *openEditorFor(const char *actionName)
    {
        action(actionName)->trigger();
        return waitForTopLevel<EditDialog>();
    }

    static void click(QDialog *dialog, QDialogButtonBox::StandardButton which)
    {
        dialog->findChild<QDialogButtonBox *>()->button(which)->click();
    }

    static QList<QLineEdit *> fieldEditors(EditDialog *dialog)
    {
        return dialog->findChild<QWidget *>("fieldsBox")->findChildren<QLineEdit *>();
    }

private slots:
    void init() { openNewWallet(); }

    void cleanup() { m_window.reset(); }

    void addFromTemplate_data()
    {
        QTest::addColumn<QString>("templateName");
        QTest::addColumn<QString>("templateType");
        QTest::addColumn<int>("editors");
        // clang-format off
        QTest::newRow("login") << "Login" << "login.default" << 4;
        QTest::newRow("visa") << "Visa Card" << "creditcard.visa" << 8;
        QTest::newRow("note") << "Note" << "note.default" << 0;
        QTest::newRow("bank account") << "Bank Account" << "finance.bankaccount" << 20;
        // clang-format on
    }

    void addFromTemplate()
    {
        QFETCH(QString, templateName);
        QFETCH(QString, templateType);
        QFETCH(int, editors);
        action("actionAddCard")->trigger();
        auto *chooser = waitForTopLevel<TemplateChooserDialog>();
        QVERIFY(chooser);
        auto *templates = chooser->findChild<QListView *>("listView");
        const QModelIndexList found = templates->model()->match(templates->model()->index(0, 0), Qt::DisplayRole,
                                                                templateName, 1, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        templates->setCurrentIndex(found.first());
        click(chooser, QDialogButtonBox::Ok);

        auto *editor = waitForTopLevel<EditDialog>();
        QVERIFY(editor);
        QCOMPARE(editor->windowTitle(), QString("Add Card"));
        QCOMPARE(editor->findChild<QLineEdit *>("nameEdit")->text(), templateName);
        const QList<QLineEdit *> values = fieldEditors(editor);
        QCOMPARE(values.size(), editors);
        if (!values.isEmpty())
            values.first()->insert("first value");
        click(editor, QDialogButtonBox::Ok);
        QTRY_VERIFY(!findTopLevel<EditDialog>());

        const QVector<CardListEntry> cards = must(session().cardList());
        QCOMPARE(cards.size(), 1);
        const int id = cards.first().id;
        const auto card = session().card(id);
        QCOMPARE(card->title(), templateName);
        QCOMPARE(card->templateType(), templateType);
        if (!values.isEmpty())
            QCOMPARE(card->fields().first()->value(), QString("first value"));
        QCOMPARE(card->fieldCount(), builtinCatalog().find(templateType)->fieldCount());
        QCOMPARE(detailView()->cardId(), id);
        QCOMPARE(listView()->currentIndex().data().toString(), templateName);
    }

    // OK without a change writes nothing; a changed password is stored and stamped, the rest kept.
    void editStoresOnlyWhatChanged()
    {
        const int id = storeOldCard("Forum");
        const QByteArray before = fileBytes(m_path);
        EditDialog *editor = openEditorFor("actionEditCard");
        QVERIFY(editor);
        click(editor, QDialogButtonBox::Ok);
        QTRY_VERIFY(!findTopLevel<EditDialog>());
        QCOMPARE(fileBytes(m_path), before);

        editor = openEditorFor("actionEditCard");
        QVERIFY(editor);
        QLineEdit *password = fieldEditors(editor).at(1);
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        password->clear();
        QTest::keyClicks(password, "better secret");
        click(editor, QDialogButtonBox::Ok);
        QTRY_VERIFY(!findTopLevel<EditDialog>());

        const auto card = session().card(id);
        QCOMPARE(card->fields().at(1)->value(), QString("better secret"));
        QVERIFY(card->updateTime() > t0);
        QCOMPARE(card->notes(), QString("old notes"));
        QCOMPARE(detailView()->cardId(), id);
    }

    // Another program renumbers or deletes the rows while the editor is open: the edit reaches the card
    // wherever it went, or the user is told it could not be saved.
    void editWhileRowsChangeOutside_data()
    {
        QTest::addColumn<QString>("outside");
        QTest::addColumn<bool>("saved");
        QTest::newRow("renumbered") << "UPDATE Cards SET ID = ID + 1000" << true;
        QTest::newRow("deleted") << "DELETE FROM Cards" << false;
    }

    void editWhileRowsChangeOutside()
    {
        QFETCH(QString, outside);
        QFETCH(bool, saved);
        storeOldCard("Other");
        storeOldCard("Forum");
        EditDialog *editor = openEditorFor("actionEditCard");
        QVERIFY(editor);
        QVERIFY(SqlPeek(m_path).exec(outside));
        QLineEdit *password = fieldEditors(editor).at(1);
        password->setText("edited");
        if (!saved)
            MessageBox::setNextAnswer(MessageBox::Accept);
        click(editor, QDialogButtonBox::Ok);
        QTRY_VERIFY(!findTopLevel<EditDialog>());

        QStringList passwords;
        for (const CardListEntry &entry : must(session().cardList()))
            passwords << entry.title + "=" + session().card(entry.id)->fields().at(1)->value();
        passwords.sort();
        QCOMPARE(passwords, saved ? QStringList({"Forum=edited", "Other=secret"}) : QStringList());
        if (!saved)
            QVERIFY(waitForAnswered().value(0).contains("no longer in the wallet"));
    }

    // A secret typed in groups is checked as it is typed and stored as a link in a new sensitive field.
    void setUpOneTimeCode()
    {
        const int id = storeOldCard("Forum");
        QVERIFY(!action("actionCopyOneTimeCode")->isEnabled());
        action("actionSetUpOneTimeCode")->trigger();
        auto *dialog = waitForTopLevel<OneTimeCodeDialog>();
        QVERIFY(dialog);
        QVERIFY(!dialog->findChild<QWidget *>("advancedBox")->isVisible());
        auto *secret = dialog->findChild<QLineEdit *>("secretEdit");
        auto *message = dialog->findChild<QLabel *>("messageLabel");
        auto *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QTest::keyClicks(secret, "jbsw y3dp ehpk 3px1");
        QVERIFY(message->isVisible());
        QVERIFY(message->text().contains("not Base32"));
        QVERIFY(!ok->isEnabled());
        QTest::keyClick(secret, Qt::Key_Backspace);
        QTest::keyClicks(secret, "p");
        QVERIFY(!message->isVisible());
        ok->click();
        QTRY_VERIFY(!findTopLevel<OneTimeCodeDialog>());

        const auto card = session().card(id);
        QCOMPARE(card->fieldCount(), 4);
        const Field *field = card->fields().at(3);
        QCOMPARE(field->label(), QString("One-Time Code"));
        QCOMPARE(field->value(), QString("otpauth://totp/Forum?secret=JBSWY3DPEHPK3PXP"));
        QVERIFY(field->sensitive());
        QVERIFY(card->updateTime() > t0);
        QVERIFY(detailView()->findChild<OneTimeCodeView *>());
        QVERIFY(action("actionCopyOneTimeCode")->isEnabled());
    }

    void duplicate()
    {
        const int original = storeOldCard("Bank");
        EditDialog *editor = openEditorFor("actionDuplicateCard");
        QVERIFY(editor);
        QCOMPARE(editor->findChild<QLineEdit *>("nameEdit")->text(), QString("Bank (Copy)"));
        click(editor, QDialogButtonBox::Cancel);
        QTRY_VERIFY(!findTopLevel<EditDialog>());
        QCOMPARE(cardCount(), 1);

        editor = openEditorFor("actionDuplicateCard");
        click(editor, QDialogButtonBox::Ok);
        QTRY_COMPARE(cardCount(), 2);
        const int copy = detailView()->cardId();
        QVERIFY(copy != original);
        const auto card = session().card(copy);
        QCOMPARE(card->title(), QString("Bank (Copy)"));
        QVERIFY(card->uuid() != session().card(original)->uuid());
        QCOMPARE(card->fields().at(0)->value(), QString("carol"));
    }

    void importFromTheMenu_data()
    {
        QTest::addColumn<QString>("actionName");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("fits");
        // clang-format off
        QTest::newRow("KeePassX") << "actionKeePassX_XML" << "keepassx-export.xml" << true;
        QTest::newRow("KeePass") << "actionKeePass_XML" << "keepass2-export.xml" << true;
        QTest::newRow("Password Safe") << "actionPassword_Safe_XML" << "passwordsafe-export.xml" << true;
        QTest::newRow("wrong format refused") << "actionKeePass_XML" << "keepassx-export.xml" << false;
        // clang-format on
    }

    // An import adds its cards to the list and keeps the selection; a file of another format is refused by name.
    void importFromTheMenu()
    {
        QFETCH(QString, actionName);
        QFETCH(QString, file);
        QFETCH(bool, fits);
        storeOldCard("Already here");
        const int selected = detailView()->cardId();
        FileDialog::setNextFileName(testData("import/" + file));
        MessageBox::setNextAnswer(MessageBox::Accept);
        action(actionName.toLatin1().constData())->trigger();
        const QString said = waitForAnswered().value(0);
        QCOMPARE(WalletBackups::list(m_path).size(), 1);
        const int imported = cardCount() - 1;
        QCOMPARE(listView()->model()->rowCount(), imported + 1);
        QCOMPARE(detailView()->cardId(), selected);
        if (fits) {
            QVERIFY(imported > 2);
            QVERIFY2(said.startsWith("Import: imported "), qPrintable(said));
        } else {
            QCOMPARE(imported, 0);
            QVERIFY2(said.startsWith("Import: ") && said.contains(file), qPrintable(said));
        }
    }

    void deleteTheOnlyCard()
    {
        storeOldCard("Only");
        QVERIFY(action("actionDeleteCard")->isEnabled());
        MessageBox::setNextAnswer(MessageBox::Decline);
        action("actionDeleteCard")->trigger();
        QCOMPARE(waitForAnswered(),
                 QStringList{"Delete Card: Move the card \"Only\" to the trash? You can restore it from View > "
                             "Trash until you empty the trash."});
        QCOMPARE(cardCount(), 1);

        MessageBox::setNextAnswer(MessageBox::Accept);
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        listView()->setFocus();
        QTest::keyClick(listView(), Qt::Key_Backspace);
        QCOMPARE(waitForAnswered().size(), 1);
        QTRY_COMPARE(cardCount(), 0);
        QCOMPARE(listView()->model()->rowCount(), 0);
        QVERIFY(!detailView()->hasCard());
        for (const char *name : {"actionEditCard", "actionDuplicateCard", "actionDeleteCard"})
            QVERIFY(!action(name)->isEnabled());
        QTest::keyClick(listView(), Qt::Key_Backspace);
        QTest::qWait(20);
        QVERIFY(!findTopLevel<QMessageBox>());
    }
};

QTEST_MAIN(TestCardCommands)
#include "TestCardCommands.moc"
