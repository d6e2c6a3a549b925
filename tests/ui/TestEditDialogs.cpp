#include "app/MainWindow.h"
#include "common/GuiTestUtils.h"
#include "common/TestCards.h"
#include "model/Card.h"
#include "model/FieldType.h"
#include "model/TextUtils.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "ui/CardIcons.h"
#include "ui/EditDialog.h"
#include "ui/IconChooserDialog.h"
#include "ui/MessageBox.h"
#include "ui/TemplateChooserDialog.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextEdit>
#include <QToolButton>

#include <memory>
#include <vector>

namespace {

const QString markupNotes = QStringLiteral("<b>Gate</b> code & 1 < 2\nsecond line");

// Each entry names one field: "Label" plain, "Label*" sensitive, "-" a separator.
std::unique_ptr<Card> cardWithFields(const QStringList &fields, int iconId = 7)
{
    auto card
        = makeCard(QStringLiteral("5e0c8d1c-3f7e-4a55-9d2b-0d6f61a0c001"), QStringLiteral("Mail"), {}, t0, markupNotes);
    card->setIconId(iconId);
    for (const QString &entry : fields) {
        const bool sensitive = entry.endsWith(QLatin1Char('*'));
        const QString label = sensitive ? entry.chopped(1) : entry;
        addFields(*card,
                  {entry == QLatin1String("-")
                       ? TestField{QString(), QString(), FieldType::Separator}
                       : TestField{label, label.toLower() + QStringLiteral("-value"), FieldType::Text, sensitive}});
    }
    return card;
}

QWidget *fieldsBox(QWidget *dialog)
{
    return dialog->findChild<QWidget *>(QStringLiteral("fieldsBox"));
}

// What the fields box shows from top to bottom: "-" for a rule, the label of a row, "*" after a masked one.
QStringList shownFields(QWidget *dialog)
{
    QStringList shown;
    QLayout *layout = fieldsBox(dialog)->layout();
    for (int i = 0; i < layout->count(); ++i) {
        QWidget *item = layout->itemAt(i)->widget();
        if (!item->isVisible())
            continue;
        const auto *rule = qobject_cast<QFrame *>(item);
        if (rule && rule->frameShape() == QFrame::HLine && rule->frameShadow() == QFrame::Sunken) {
            shown << QStringLiteral("-");
            continue;
        }
        const auto *editor = item->findChild<QLineEdit *>();
        shown << item->findChild<QLabel *>()->text() + (editor->echoMode() == QLineEdit::Password ? "*" : "");
    }
    return shown;
}

QList<QLineEdit *> fieldEditors(QWidget *dialog)
{
    QList<QLineEdit *> editors;
    QLayout *layout = fieldsBox(dialog)->layout();
    for (int i = 0; i < layout->count(); ++i) {
        if (auto *editor = layout->itemAt(i)->widget()->findChild<QLineEdit *>())
            editors << editor;
    }
    return editors;
}

// Replaces an editor's text the way a user pastes it, tabs included (they cannot be typed into a line edit).
void pasteInto(QWidget *editor, const QString &text)
{
    QApplication::clipboard()->setText(text);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
}

// Shows a dialog that deletes itself on closing, once it has the focus.
template<class T> T *shown(T *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    if (!QTest::qWaitForWindowActive(dialog))
        qWarning("dialog not active");
    return dialog;
}

// What the chooser lists from top to bottom: "# Group" for a header, a template's name otherwise.
QStringList chooserRows(QListView *templates)
{
    QStringList rows;
    for (int row = 0; row < templates->model()->rowCount(); ++row) {
        const QModelIndex index = templates->model()->index(row, 0);
        rows << (index.flags() & Qt::ItemIsSelectable ? QString() : QStringLiteral("# ")) + index.data().toString();
    }
    return rows;
}

} // namespace

class TestEditDialogs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    WalletSession m_session;
    std::unique_ptr<MainWindow> m_window;
    std::vector<std::unique_ptr<Card>> m_received;

    // Opened as the main window does it; the cards handed on land in m_received, owned.
    EditDialog *openEditor(std::unique_ptr<Card> card, EditDialog::Purpose purpose = EditDialog::Edit)
    {
        auto *dialog = new EditDialog(card.release(), nullptr, purpose);
        connect(dialog, &EditDialog::editingDone, this, [this](Card *edited) { m_received.emplace_back(edited); });
        return shown(dialog);
    }

    static QLineEdit *nameEdit(QWidget *dialog) { return dialog->findChild<QLineEdit *>(QStringLiteral("nameEdit")); }
    static QTextEdit *noteEdit(QWidget *dialog) { return dialog->findChild<QTextEdit *>(QStringLiteral("noteEdit")); }
    static QListView *listView(QWidget *dialog) { return dialog->findChild<QListView *>(QStringLiteral("listView")); }
    static QImage iconImage(const QIcon &icon) { return icon.pixmap(32, 32).toImage(); }

    static void clickButton(QWidget *dialog, QDialogButtonBox::StandardButton which)
    {
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(which), Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        isolateSettings(m_dir);
        m_window = std::make_unique<MainWindow>(m_session);
        const QString path = m_dir.filePath(QStringLiteral("dialogs.tessera"));
        QVERIFY(CardDb::create(path, QStringLiteral("secret")));
        QVERIFY(m_session.unlock(path, QStringLiteral("secret")));
    }

    void init() { m_received.clear(); }

    void layoutFollowsFields_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("shown");

        // clang-format off
        QTest::newRow("no fields: only the initial rule") << QStringList() << QStringList{"-"};
        QTest::newRow("separator between two rows") << QStringList{"A", "-", "B"} << QStringList{"-", "A", "-", "B", "-"};
        QTest::newRow("sensitive field masked") << QStringList{"User", "Password*"} << QStringList{"-", "User", "Password*", "-"};
        QTest::newRow("separator alone: no closing rule") << QStringList{"-"} << QStringList{"-", "-"};
        // clang-format on
    }

    void layoutFollowsFields()
    {
        QFETCH(QStringList, fields);
        QFETCH(QStringList, shown);

        EditDialog *dialog = openEditor(cardWithFields(fields));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit Card"));
        QCOMPARE(nameEdit(dialog)->text(), QStringLiteral("Mail"));
        QCOMPARE(noteEdit(dialog)->toPlainText(), markupNotes);
        QCOMPARE(shownFields(dialog), shown);

        for (QLineEdit *editor : fieldEditors(dialog)) {
            auto *label = editor->parentWidget()->findChild<QLabel *>();
            QCOMPARE(editor->text(), label->text().toLower() + "-value");
            auto *eye = editor->parentWidget()->findChild<QToolButton *>();
            QCOMPARE(eye != nullptr, editor->echoMode() == QLineEdit::Password);
        }
        dialog->close();
    }

    // A new card starts at its title, ready to be typed over; an edited one at its first empty field.
    void startsAtTheFieldToFill_data()
    {
        QTest::addColumn<int>("purpose");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("focus");
        // clang-format off
        QTest::newRow("new card") << int(EditDialog::Add) << QStringList{"", ""} << "title, selected";
        QTest::newRow("first empty field") << int(EditDialog::Edit) << QStringList{"ana", "", "", "x"} << "field 2";
        QTest::newRow("nothing empty") << int(EditDialog::Edit) << QStringList{"ana"} << "title, selected";
        // clang-format on
    }

    void startsAtTheFieldToFill()
    {
        QFETCH(int, purpose);
        QFETCH(QStringList, values);
        QFETCH(QString, focus);
        EditDialog *dialog = openEditor(makeCard(newUuid(), "Mail", values), EditDialog::Purpose(purpose));
        QWidget *focused = QApplication::focusWidget();
        const int field = fieldEditors(dialog).indexOf(qobject_cast<QLineEdit *>(focused)) + 1;
        const QString shown = focused == nameEdit(dialog) ? QString("title") : QString("field %1").arg(field);
        QCOMPARE(shown + (nameEdit(dialog)->hasSelectedText() ? ", selected" : ""), focus);
        dialog->close();
    }

    // Tab runs through every control in reading order and leaves the notes; Ctrl+Tab types a tab there
    // and Ctrl+Enter saves from anywhere.
    void keyboardReachesEverything()
    {
        EditDialog *dialog = openEditor(makeCard(newUuid(), "Mail", {"ana", "", "-", "mail.example"}));
        QLineEdit *password = fieldEditors(dialog).at(1);
        QCOMPARE(QApplication::focusWidget(), password);
        QStringList reached;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focused = QApplication::focusWidget();
            reached << (qobject_cast<QAbstractButton *>(focused)
                            ? focused->toolTip() + focused->property("text").toString().remove('&')
                            : focused->objectName());
        }
        QCOMPARE(reached, (QStringList{"Show/Hide", "Generate a Password", "", "noteEdit", "OK"}));
        QTest::keyClicks(noteEdit(dialog), "a");
        QTest::keyClick(noteEdit(dialog), Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClicks(noteEdit(dialog), "b");
        QCOMPARE(noteEdit(dialog)->toPlainText(), QString("a\tb"));
        QTest::keyClick(noteEdit(dialog), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(m_received.size(), std::size_t(1));
        QCOMPARE(m_received.front()->notes(), QString("a    b"));
    }

    // Title, values and notes are cleaned as the catalogue's rule says, pasted tabs included.
    void editsAreCleaned()
    {
        const QString typed = QStringLiteral("  a\tb  ");
        const QString stored = QStringLiteral("a    b");

        EditDialog *dialog = openEditor(cardWithFields({"User", "-", "Password*"}));
        pasteInto(nameEdit(dialog), typed);
        pasteInto(fieldEditors(dialog).at(1), typed);
        pasteInto(noteEdit(dialog), typed);
        clickButton(dialog, QDialogButtonBox::Ok);

        QCOMPARE(m_received.size(), std::size_t(1));
        const Card &card = *m_received.front();
        QCOMPARE(card.title(), stored);
        QCOMPARE(card.notes(), stored);
        const QList<Field *> fields = card.fields();
        QCOMPARE(fields.size(), 3);
        QCOMPARE(fields.at(0)->value(), QStringLiteral("user-value"));
        QCOMPARE(fields.at(2)->value(), stored);
    }

    void eyeTogglesItsOwnField()
    {
        EditDialog *dialog = openEditor(cardWithFields({"PIN*", "User", "Password*"}));
        const QList<QLineEdit *> editors = fieldEditors(dialog);
        QLineEdit *pin = editors.at(0);
        QLineEdit *password = editors.at(2);
        auto *eye = password->parentWidget()->findChild<QToolButton *>();
        QVERIFY(!editors.at(1)->parentWidget()->findChild<QToolButton *>());
        QVERIFY(password->displayText() != password->text());

        QTest::mouseClick(eye, Qt::LeftButton);
        QCOMPARE(password->displayText(), QStringLiteral("password-value"));
        QCOMPARE(pin->echoMode(), QLineEdit::Password);

        QTest::mouseClick(eye, Qt::LeftButton);
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        QVERIFY(password->displayText() != password->text());
        dialog->close();
    }

    void closingWithoutOkStoresNothing_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("typed");
        // clang-format off
        QTest::newRow("Cancel button") << 0 << " changed";
        QTest::newRow("Escape key") << 1 << " changed";
        QTest::newRow("window closed") << 2 << " changed";
        QTest::newRow("Escape, nothing changed") << 1 << "";
        // clang-format on
    }

    // Run under -DTESSERA_ASAN=ON this also shows that the dialog releases the card it was given.
    void closingWithoutOkStoresNothing()
    {
        QFETCH(int, how);
        QFETCH(QString, typed);

        QPointer<EditDialog> dialog = openEditor(cardWithFields({"User", "Password*"}));
        QTest::keyClicks(nameEdit(dialog), typed);
        if (!typed.isEmpty())
            MessageBox::setNextAnswer(MessageBox::Accept);
        switch (how) {
        case 0:
            clickButton(dialog, QDialogButtonBox::Cancel);
            break;
        case 1:
            QTest::keyClick(nameEdit(dialog), Qt::Key_Escape);
            break;
        default:
            dialog->close();
        }
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(m_received.size(), std::size_t(0));
        QCOMPARE(MessageBox::takeAnswered(),
                 typed.isEmpty() ? QStringList() : QStringList{"Discard Changes: Discard the changes to \"Mail\"?"});
    }

    // A change to a field is a change too; the user who answers Cancel keeps editing and can still save.
    void escapeCanKeepEditing()
    {
        QPointer<EditDialog> dialog = openEditor(cardWithFields({"User", "Password*"}));
        QTest::keyClicks(fieldEditors(dialog).at(1), "!");
        MessageBox::setNextAnswer(MessageBox::Decline);
        QTest::keyClick(fieldEditors(dialog).at(1), Qt::Key_Escape);
        QCOMPARE(MessageBox::takeAnswered().size(), 1);
        QVERIFY(dialog && dialog->isVisible());
        clickButton(dialog, QDialogButtonBox::Ok);
        QCOMPARE(m_received.size(), std::size_t(1));
        QCOMPARE(m_received.front()->fields().at(1)->value(), QString("password-value!"));
    }

    void chosenIconReachesOnlyAcceptedCard_data()
    {
        QTest::addColumn<bool>("accepted");
        // clang-format off
        QTest::newRow("icon double clicked, edit accepted") << true;
        QTest::newRow("icon clicked and OK, edit cancelled") << false;
        // clang-format on
    }

    void chosenIconReachesOnlyAcceptedCard()
    {
        QFETCH(bool, accepted);

        EditDialog *dialog = openEditor(cardWithFields({"User"}, 7));
        auto *iconButton = dialog->findChild<QPushButton *>(QStringLiteral("iconButton"));
        QCOMPARE(iconImage(iconButton->icon()), iconImage(CardIcons::icon(7)));

        QTest::mouseClick(iconButton, Qt::LeftButton);
        QPointer<IconChooserDialog> chooser = dialog->findChild<IconChooserDialog *>();
        QVERIFY(chooser);
        QVERIFY(QTest::qWaitForWindowExposed(chooser));
        QCOMPARE(chooser->windowModality(), Qt::WindowModal);
        QListView *icons = listView(chooser);
        QCOMPARE(icons->currentIndex().row(), 7);

        const QPoint twelve = icons->visualRect(icons->model()->index(12, 0)).center();
        QTest::mouseClick(icons->viewport(), Qt::LeftButton, {}, twelve);
        if (accepted) // a double click reaches the view as a click followed by the double-click event
            QTest::mouseDClick(icons->viewport(), Qt::LeftButton, {}, twelve);
        else
            clickButton(chooser, QDialogButtonBox::Ok);
        QTRY_VERIFY(chooser.isNull());
        QVERIFY(iconImage(CardIcons::icon(12)) != iconImage(CardIcons::icon(7)));
        QCOMPARE(iconImage(iconButton->icon()), iconImage(CardIcons::icon(12)));

        if (!accepted)
            MessageBox::setNextAnswer(MessageBox::Accept);
        clickButton(dialog, accepted ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
        QCOMPARE(MessageBox::takeAnswered().size(), accepted ? 0 : 1);
        QCOMPARE(m_received.size(), std::size_t(accepted ? 1 : 0));
        if (accepted)
            QCOMPARE(m_received.front()->iconId(), 12);
    }

    void iconChooserStartsOnCurrentIcon_data()
    {
        QTest::addColumn<int>("iconId");
        QTest::addColumn<int>("chosen");

        // clang-format off
        QTest::newRow("no icon") << -1 << -1;
        QTest::newRow("past the last icon") << 70 << -1;
        QTest::newRow("first icon") << 0 << 0;
        QTest::newRow("last icon") << 69 << 69;
        // clang-format on
    }

    void iconChooserStartsOnCurrentIcon()
    {
        QFETCH(int, iconId);
        QFETCH(int, chosen);

        auto *chooser = shown(new IconChooserDialog(iconId));
        QSignalSpy spy(chooser, &IconChooserDialog::selected);
        QListView *icons = listView(chooser);
        // The view takes the focus as the dialog opens, which must not invent a current icon.
        QTRY_VERIFY(icons->hasFocus());
        QCOMPARE(icons->currentIndex().row(), chosen);

        clickButton(chooser, QDialogButtonBox::Ok);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), chosen);
    }

    void templateChooserListsCatalogueByName()
    {
        auto *chooser = shown(new TemplateChooserDialog);
        QSignalSpy spy(chooser, &TemplateChooserDialog::selected);
        QListView *templates = listView(chooser);

        const QStringList rows = chooserRows(templates);
        QCOMPARE(rows.filter(QRegularExpression("^# ")),
                 QStringList({"# Logins", "# Finance", "# Identity", "# Travel", "# Network", "# Other"}));
        QCOMPARE(rows.mid(0, 4), QStringList({"# Logins", "AIM", "Amazon", "eBay"}));
        for (int row = 1; row < rows.size(); ++row) {
            if (!rows.at(row - 1).startsWith("# ") && !rows.at(row).startsWith("# "))
                QVERIFY2(QString::localeAwareCompare(rows.at(row - 1).toLower(), rows.at(row).toLower()) < 0,
                         qPrintable(rows.at(row)));
        }

        const QModelIndex current = templates->currentIndex();
        QCOMPARE(current.data().toString(), QStringLiteral("Login"));
        QVERIFY(templates->selectionModel()->isSelected(current));
        QVERIFY(templates->viewport()->rect().contains(templates->visualRect(current)));

        // Typing narrows the list to matching names under their groups' headers; arrows move through it.
        auto *filter = chooser->findChild<QLineEdit *>(QStringLiteral("filterEdit"));
        QVERIFY(filter->hasFocus());
        QTest::keyClicks(filter, QStringLiteral("CARD"));
        QCOMPARE(chooserRows(templates).mid(0, 3), QStringList({"# Finance", "Credit Card", "Maestro Card"}));
        QVERIFY(!chooserRows(templates).contains("# Logins"));
        QCOMPARE(templates->currentIndex().data().toString(), QStringLiteral("Credit Card"));
        QTest::keyClick(filter, Qt::Key_Down);
        QCOMPARE(templates->currentIndex().data().toString(), QStringLiteral("Maestro Card"));
        QTest::keyClick(filter, Qt::Key_Return);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("creditcard.maestro"));
    }

    void templateChooserAcceptsOnActivation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("byKeyboard");
        QTest::addColumn<QString>("templateType");

        // clang-format off
        QTest::newRow("double click near the top") << "Amazon" << false << "login.amazon";
        QTest::newRow("double click on the last row") << "Yahoo!" << false << "login.yahoo";
        QTest::newRow("click, then Enter") << "Note" << true << "note.default";
        // clang-format on
    }

    void templateChooserAcceptsOnActivation()
    {
        QFETCH(QString, name);
        QFETCH(bool, byKeyboard);
        QFETCH(QString, templateType);

        QPointer<TemplateChooserDialog> chooser = shown(new TemplateChooserDialog);
        QSignalSpy spy(chooser, &TemplateChooserDialog::selected);
        QListView *templates = listView(chooser);
        const QModelIndexList found
            = templates->model()->match(templates->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        templates->scrollTo(found.first());
        const QPoint centre = templates->visualRect(found.first()).center();

        // A double click reaches the view as a click followed by the double-click event.
        QTest::mouseClick(templates->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(spy.size(), 0);
        if (byKeyboard)
            QTest::keyClick(templates, Qt::Key_Return);
        else
            QTest::mouseDClick(templates->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), templateType);
        QTRY_VERIFY(chooser.isNull());
        QCOMPARE(spy.size(), 1);
    }
};

QTEST_MAIN(TestEditDialogs)
#include "TestEditDialogs.moc"
