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
#include "ui/ImportPreviewDialog.h"
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
#include <QTreeWidget>

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
    // English, for its plural forms.
    void initTestCase()
    {
        installEnglish();
    }

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
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("said");
        // clang-format off
        QTest::newRow("KeePass imported") << "keepass2-export.xml" << true << QStringList{"Format: KeePass (XML)", "6 cards will be imported, 1 of them into the trash.", "Login 6", QString::fromUtf8("Sparkasse Köln|Login|ana.lopez"), ""} << "Import: 6 cards imported; 1 of them into the trash; 2 values kept as extra fields.";
        QTest::newRow("Bitwarden cancelled") << "bitwarden.json" << false << QStringList{"Format: Bitwarden (JSON)", "5 cards will be imported, 1 of them into the trash.", "Address 1, Login 2, Note 1, Visa Card 1", "Mail|Login|ana", "1 row of the file is not understood and will be skipped:"} << "";
        QTest::newRow("not an export") << "LICENSES.md" << false << QStringList() << "Import: \"%1\" cannot be imported: its format cannot be told from its content.";
        // clang-format on
    }

    // The window shows what an import would add before it writes anything: Cancel leaves the wallet as
    // it was, Import adds the cards (after a backup) and keeps the selection.
    void importFromTheMenu()
    {
        QFETCH(QString, file);
        QFETCH(bool, accept);
        QFETCH(QStringList, shown);
        QFETCH(QString, said);
        storeOldCard("Already here");
        const int selected = detailView()->cardId();
        const QString path = testData("import/" + file);
        FileDialog::setNextFileName(path);
        if (!said.isEmpty())
            MessageBox::setNextAnswer(MessageBox::Accept);
        action("actionImport")->trigger();
        if (shown.isEmpty()) {
            QCOMPARE(waitForAnswered(), QStringList{said.arg(path)});
            QCOMPARE(cardCount(), 1);
            return;
        }
        auto *preview = waitForTopLevel<ImportPreviewDialog>();
        QVERIFY(preview);
        const auto rows = [preview](const char *name) {
            QStringList texts;
            auto *tree = preview->findChild<QTreeWidget *>(name);
            for (int i = 0; i < tree->topLevelItemCount(); ++i) {
                QStringList columns;
                for (int column = 0; column < tree->columnCount(); ++column)
                    columns << tree->topLevelItem(i)->text(column);
                texts << columns.join(tree->columnCount() == 2 ? ' ' : '|');
            }
            return texts;
        };
        QCOMPARE(preview->findChild<QLabel *>("formatLabel")->text(), shown.at(0));
        QCOMPARE(preview->findChild<QLabel *>("countLabel")->text(), shown.at(1));
        QCOMPARE(rows("templateList").join(", "), shown.at(2));
        QCOMPARE(rows("rowList").value(0), shown.at(3));
        QCOMPARE(preview->findChild<QLabel *>("skipLabel")->text(), shown.at(4));
        if (!accept) {
            preview->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
            QTRY_VERIFY(!findTopLevel<ImportPreviewDialog>());
            QCOMPARE(cardCount(), 1);
            QCOMPARE(WalletBackups::list(m_path).size(), 0);
            return;
        }
        preview->findChild<QPushButton *>("importButton")->click();
        QCOMPARE(waitForAnswered(), QStringList{said});
        QCOMPARE(WalletBackups::list(m_path).size(), 1);
        QCOMPARE(cardCount(), 6);
        QCOMPARE(listView()->model()->rowCount(), 6);
        QCOMPARE(detailView()->cardId(), selected);
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
