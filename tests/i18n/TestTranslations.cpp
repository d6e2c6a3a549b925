#include "app/MainWindow.h"
#include "common/GuiTestUtils.h"
#include "common/TestFiles.h"
#include "i18n/Translations.h"
#include "model/Card.h"
#include "model/Field.h"
#include "model/FieldType.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "ui/EditDialog.h"
#include "ui/TemplateChooserDialog.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        installTranslations();
    }

    // lupdate marks new and changed texts unfinished; a release must not show them in English.
    void everyGermanEntryIsTranslated()
    {
        const QString ts = QString::fromUtf8(fileBytes(QStringLiteral(TESSERA_TRANSLATIONS "/tessera_de.ts")));
        QVERIFY(ts.count(QLatin1String("<translation")) > 500);
        QStringList unfinished;
        QRegularExpressionMatchIterator found
            = QRegularExpression(QStringLiteral("<source>([^<]*)</source>[^/]*<translation type=\"unfinished\""))
                  .globalMatch(ts);
        while (found.hasNext())
            unfinished << found.next().captured(1);
        QVERIFY2(!ts.contains(QLatin1String("type=\"unfinished\"")), qPrintable(unfinished.join(QLatin1Char('\n'))));
    }

    void translates_data()
    {
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("german");
        // clang-format off
        QTest::newRow("window") << QByteArray("MainWindow") << QByteArray("Open Wallet") << -1 << "Tresor öffnen";
        QTest::newRow("command line") << QByteArray("WalletError") << QByteArray("wrong password") << -1 << "falsches Passwort";
        QTest::newRow("plural") << QByteArray("CardSelector") << QByteArray("\"%1\" names %n cards, ids %2; give the id or uuid of one") << 3 << "„%1“ bezeichnet 3 Karten, IDs %2; geben Sie die ID oder UUID einer Karte an";
        QTest::newRow("template name") << QByteArray("Catalog") << QByteArray("Wireless Router") << -1 << "WLAN-Router";
        QTest::newRow("Qt's own") << QByteArray("QPlatformTheme") << QByteArray("Cancel") << -1 << "Abbrechen";
        // clang-format on
    }

    void translates()
    {
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, text);
        QFETCH(int, count);
        QFETCH(QString, german);
        QCOMPARE(QCoreApplication::translate(context.constData(), text.constData(), nullptr, count), german);
    }

    // The editor shows a catalogue label in German, but the card it hands back keeps the stored label,
    // which the phone application and the merge match on; labels the catalogue lacks show as they are.
    void storedLabelsStayEnglish()
    {
        auto card = std::make_unique<Card>(QStringLiteral("login.default"), 21, QStringLiteral("Mail"));
        const QDateTime time = QDateTime::fromSecsSinceEpoch(1330000000);
        card->addField(0, time, QStringLiteral("Password"), QStringLiteral("s3cret"), FieldType::Password, true);
        card->addField(1, time, QStringLiteral("Locker"), QStringLiteral("17"), FieldType::Text, false);
        EditDialog dialog(card.release());
        QStringList shown;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            shown << label->text();
        QVERIFY2(shown.contains(QStringLiteral("Passwort")), qPrintable(shown.join(QLatin1Char(','))));
        QVERIFY(shown.contains(QStringLiteral("Locker")));

        std::unique_ptr<Card> edited;
        connect(&dialog, &EditDialog::editingDone, this, [&edited](Card *result) { edited.reset(result); });
        dialog.accept();
        QVERIFY(edited);
        QCOMPARE(edited->fields().at(0)->label(), QStringLiteral("Password"));
    }

    // A new card is named after its template as the chooser shows it, in the user's language.
    void newCardTakesTheTemplateNameShown()
    {
        QTemporaryDir dir;
        isolateSettings(dir);
        const QString path = dir.filePath(QStringLiteral("de.tessera"));
        QVERIFY(CardDb::create(path, QStringLiteral("pw")));
        WalletSession session;
        MainWindow window(session);
        QVERIFY(session.unlock(path, QStringLiteral("pw")));
        window.findChild<QAction *>(QStringLiteral("actionAddCard"))->trigger();
        auto *chooser = waitForTopLevel<TemplateChooserDialog>();
        QVERIFY(chooser);
        auto *templates = chooser->findChild<QListView *>(QStringLiteral("listView"));
        const QModelIndexList found = templates->model()->match(templates->model()->index(0, 0), Qt::DisplayRole,
                                                                QStringLiteral("Bankkonto"), 1, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        templates->setCurrentIndex(found.first());
        chooser->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        auto *editor = waitForTopLevel<EditDialog>();
        QVERIFY(editor);
        QCOMPARE(editor->findChild<QLineEdit *>(QStringLiteral("nameEdit"))->text(), QStringLiteral("Bankkonto"));
        editor->done(QDialog::Rejected);
    }
};

QTEST_MAIN(TestTranslations)
#include "TestTranslations.moc"
