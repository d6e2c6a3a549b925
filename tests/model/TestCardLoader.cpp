#include "model/BuiltinCatalog.h"
#include "model/CardLoader.h"
#include "model/FieldType.h"
#include "model/TemplateCatalog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestCardLoader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString write(const QByteArray &xml)
    {
        static int serial = 0;
        const QString path = m_dir.filePath(QString("catalogue%1.xml").arg(++serial));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write test catalogue");
        file.write(xml);
        return path;
    }

private slots:
    void builtinCatalogueTotals()
    {
        TemplateCatalog catalog;
        QVERIFY(CardLoader(catalog, builtinCatalogPath()).load());
        QCOMPARE(catalog.count(), 66);

        QMap<int, int> byType;
        int fields = 0;
        int sensitiveNumeric = 0;
        for (const Card *templ : catalog.templates()) {
            int expectedUid = 0;
            for (const Field *field : templ->fields()) {
                ++fields;
                ++byType[field->type()];
                QCOMPARE(field->uid(), expectedUid++);
                if (field->type() == FieldType::Password || field->type() == FieldType::Pin)
                    QVERIFY2(field->sensitive(), qPrintable(templ->templateType() + " " + field->label()));
                if (field->type() == FieldType::Numeric && field->sensitive())
                    ++sensitiveNumeric;
                if (field->type() == FieldType::Separator)
                    QVERIFY(field->label().isEmpty());
            }
        }
        QCOMPARE(fields, 572);
        QCOMPARE(byType.value(FieldType::Text), 172);
        QCOMPARE(byType.value(FieldType::Numeric), 91);
        QCOMPARE(sensitiveNumeric, 3);
        QCOMPARE(byType.value(FieldType::Date), 58);
        QCOMPARE(byType.value(FieldType::Phone), 55);
        QCOMPARE(byType.value(FieldType::Separator), 50);
        QCOMPARE(byType.value(FieldType::Password), 41);
        QCOMPARE(byType.value(FieldType::Url), 38);
        QCOMPARE(byType.value(FieldType::Username), 30);
        QCOMPARE(byType.value(FieldType::Pin), 25);
        QCOMPARE(byType.value(FieldType::Email), 12);
        QCOMPARE(byType.value(FieldType::Note), 0);
    }

    void builtinCatalogueFile()
    {
        QFile file(builtinCatalogPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.startsWith("<?xml"));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        for (const char c : bytes)
            QVERIFY(uchar(c) < 0x80);
    }

    void builtinTemplates_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("fields");
        QTest::addColumn<QString>("labels");
        // clang-format off
        QTest::newRow("login") << "login.default" << "Login" << 21 << 4 << "Username,Password,E-Mail,Url";
        QTest::newRow("foursquare") << "login.foursquare" << "Foursquare" << 11 << 4 << "Email,Phone,Password,Url";
        QTest::newRow("visa") << "creditcard.visa" << "Visa Card" << 13 << 9 << "Cardholder,Number,CVC,PIN,Expiry,,Bank,Issued,If lost, call";
        QTest::newRow("note") << "note.default" << "Note" << 22 << 0 << "";
        QTest::newRow("password") << "password.default" << "Password" << 36 << 3 << "Login,Password,Access";
        QTest::newRow("lock") << "misc.combilock" << "Combination Lock" << 61 << 2 << "Location,Code";
        QTest::newRow("bank") << "finance.bankaccount" << "Bank Account" << 45 << 24 << "Owner,Type,Account#,,Bank name,Routing#,Branch name,Branch code,SWIFT,IBAN,," "Debit Card#,Card PIN,Card Expires,Card CVV,,Customer ID,Website,Username," "Login password,Txn password,,Phone,T-PIN";
        QTest::newRow("wifi") << "computer.wifi" << "Wireless Router" << 35 << 9 << QString();
        QTest::newRow("passport") << "travel.passport" << "Passport" << 37 << 14 << QString();
        QTest::newRow("first") << "cards.calling" << "Calling Card" << 54 << 12 << QString();
        QTest::newRow("last") << "travel.visa" << "Travelling Visa" << 57 << 15 << QString();
        // clang-format on
    }

    void builtinTemplates()
    {
        QFETCH(QString, type);
        QFETCH(QString, name);
        QFETCH(int, icon);
        QFETCH(int, fields);
        QFETCH(QString, labels);
        TemplateCatalog catalog;
        CardLoader(catalog, builtinCatalogPath()).load();
        const Card *templ = catalog.find(type);
        QVERIFY(templ);
        QCOMPARE(templ->title(), name);
        QCOMPARE(templ->iconId(), icon);
        QCOMPARE(templ->fieldCount(), fields);
        QVERIFY(templ->uuid().isEmpty());
        if (!labels.isNull()) {
            QStringList actual;
            for (const Field *field : templ->fields())
                actual << field->label();
            QCOMPARE(actual.join(','), labels);
        }
    }

    void catalogueIsSortedByType()
    {
        TemplateCatalog catalog;
        CardLoader(catalog, builtinCatalogPath()).load();
        const QList<Card *> templates = catalog.templates();
        QCOMPARE(templates.first()->templateType(), QString("cards.calling"));
        QCOMPARE(templates.last()->templateType(), QString("travel.visa"));
        QCOMPARE(catalog.templateMap().keys().size(), 66);
        QCOMPARE(catalog.fieldLabel(1, "login.default"), QString("Password"));
        QCOMPARE(catalog.fieldLabel(9, "login.default"), QString());
        QCOMPARE(catalog.fieldLabel(0, "no.such"), QString());
        QCOMPARE(catalog.find("login.google")->fields().last()->value(), QString("www.google.com"));
    }

    void attributeDefaults()
    {
        TemplateCatalog catalog;
        const QString path = write("<tessera><misc>"
                                   "<field uid=\"0\" label=\"orphan\" type=\"text\" sensitive=\"false\"/>"
                                   "<card templatetype=\"b.x\" name=\"B\">"
                                   "<field uid=\"0\" label=\"Capital\" type=\"Text\" sensitive=\"true\"/>"
                                   "<field uid=\"1\" label=\"None\"/>"
                                   "<field uid=\"2\" label=\"Keyword\" type=\"url\" sensitive=\"password\"/>"
                                   "<field uid=\"3\" label=\"Odd\" type=\"sep\" sensitive=\"yes\"/>"
                                   "</card>"
                                   "<card templatetype=\"a.x\" name=\"A\" iconid=\"7\"/>"
                                   "<field uid=\"0\" label=\"after the card\" type=\"pin\" sensitive=\"true\"/>"
                                   "</misc></tessera>");
        QVERIFY(CardLoader(catalog, path).load());
        QCOMPARE(catalog.count(), 2);
        const Card *b = catalog.find("b.x");
        QCOMPARE(b->iconId(), 0);
        QCOMPARE(b->fieldCount(), 4);
        const QList<Field *> fields = b->fields();
        QCOMPARE(fields[0]->type(), 0);
        QVERIFY(fields[0]->sensitive());
        QCOMPARE(fields[1]->type(), 0);
        QVERIFY(!fields[1]->sensitive());
        QCOMPARE(fields[2]->type(), int(FieldType::Url));
        QVERIFY(fields[2]->sensitive());
        QVERIFY(!fields[3]->sensitive());
        const Card *a = catalog.find("a.x");
        QCOMPARE(a->iconId(), 7);
        QCOMPARE(a->fieldCount(), 1);
        QCOMPARE(a->fields().at(0)->type(), int(FieldType::Pin));
    }

    void laterCardReplacesEarlier()
    {
        TemplateCatalog catalog;
        const QString path
            = write("<tessera><card templatetype=\"a\" name=\"First\"><field uid=\"0\" label=\"x\"/></card>"
                    "<card templatetype=\"a\" name=\"Second\"/></tessera>");
        QVERIFY(CardLoader(catalog, path).load());
        QCOMPARE(catalog.count(), 1);
        QCOMPARE(catalog.find("a")->title(), QString("Second"));
        QCOMPARE(catalog.find("a")->fieldCount(), 0);
    }

    void brokenFiles()
    {
        TemplateCatalog catalog;
        const QString path = write("<tessera><card templatetype=\"a\" name=\"A\" iconid=\"1\"/>"
                                   "<card templatetype=\"b\" name=\"B\" iconid=\"2\"></tessera>");
        QVERIFY(!CardLoader(catalog, path).load());
        QCOMPARE(catalog.count(), 2);

        TemplateCatalog none;
        QVERIFY(!CardLoader(none, m_dir.filePath("missing.xml")).load());
        QCOMPARE(none.count(), 0);
    }

    void characterReferenceBeyondBmp()
    {
        TemplateCatalog catalog;
        const QString path = write("<tessera><card templatetype=\"k\" name=\"Key &#x1F511;\"/></tessera>");
        QVERIFY(CardLoader(catalog, path).load());
        QCOMPARE(catalog.find("k")->title(), QString("Key \U0001F511"));
    }
};

QTEST_GUILESS_MAIN(TestCardLoader)
#include "TestCardLoader.moc"
