#include "common/TestFiles.h"
#include "model/BuiltinCatalog.h"
#include "model/FieldType.h"
#include "model/TemplateCatalog.h"
#include "model/TemplateCatalogReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestTemplateCatalogReader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    TemplateCatalog m_builtin;

    QString write(const QByteArray &xml)
    {
        static int serial = 0;
        const QString path = m_dir.filePath(QString("catalogue%1.xml").arg(++serial));
        return writeFile(path, xml) ? path : QString();
    }

    // Type and sensitivity of each field, as "type s" or "type p".
    static QString fieldKinds(const Card *card)
    {
        QStringList kinds;
        for (const Field *field : card->fields())
            kinds << QString::number(field->type()) + (field->sensitive() ? " s" : " p");
        return kinds.join(',');
    }

private slots:
    void builtinCatalogueTotals()
    {
        QVERIFY(TemplateCatalogReader(m_builtin, builtinCatalogPath()).load());
        QCOMPARE(m_builtin.count(), 66);

        QMap<int, int> byType;
        int sensitiveNumeric = 0;
        for (const Card *templ : m_builtin.templates()) {
            int expectedUid = 0;
            for (const Field *field : templ->fields()) {
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
        // 572 fields in all; no Note fields.
        const QMap<int, int> expected{{FieldType::Text, 172}, {FieldType::Numeric, 91},   {FieldType::Date, 58},
                                      {FieldType::Phone, 55}, {FieldType::Separator, 50}, {FieldType::Password, 41},
                                      {FieldType::Url, 38},   {FieldType::Username, 30},  {FieldType::Pin, 25},
                                      {FieldType::Email, 12}};
        QCOMPARE(byType, expected);
        QCOMPARE(sensitiveNumeric, 3);
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
        const Card *templ = m_builtin.find(type);
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
        const QList<Card *> templates = m_builtin.templates();
        QCOMPARE(templates.first()->templateType(), QString("cards.calling"));
        QCOMPARE(templates.last()->templateType(), QString("travel.visa"));
        QCOMPARE(m_builtin.templateMap().keys().size(), 66);
        QCOMPARE(m_builtin.fieldLabel(1, "login.default"), QString("Password"));
        QCOMPARE(m_builtin.fieldLabel(9, "login.default"), QString());
        QCOMPARE(m_builtin.fieldLabel(0, "no.such"), QString());
        QCOMPARE(m_builtin.find("login.google")->fields().last()->value(), QString("www.google.com"));
    }

    // Small hand-written catalogues; the result lists each template as "type name icon [type and
    // sensitivity of each field]". A broken file keeps the templates read before the damage.
    void catalogues_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<QString>("templates");
        // clang-format off
        QTest::newRow("attribute defaults") << QByteArray("<tessera><misc><field uid=\"0\" label=\"orphan\" type=\"text\" sensitive=\"false\"/><card templatetype=\"b.x\" name=\"B\"><field uid=\"0\" label=\"Capital\" type=\"Text\" sensitive=\"true\"/><field uid=\"1\" label=\"None\"/><field uid=\"2\" label=\"Keyword\" type=\"url\" sensitive=\"password\"/><field uid=\"3\" label=\"Odd\" type=\"sep\" sensitive=\"yes\"/></card><card templatetype=\"a.x\" name=\"A\" iconid=\"7\"/><field uid=\"0\" label=\"after the card\" type=\"pin\" sensitive=\"true\"/></misc></tessera>") << true << "a.x A 7 [2 s]; b.x B 0 [0 s,0 p,6 s,8 p]";
        QTest::newRow("later card replaces earlier") << QByteArray("<tessera><card templatetype=\"a\" name=\"First\"><field uid=\"0\" label=\"x\"/></card><card templatetype=\"a\" name=\"Second\"/></tessera>") << true << "a Second 0 []";
        QTest::newRow("character reference beyond U+FFFF") << QByteArray("<tessera><card templatetype=\"k\" name=\"Key &#x1F511;\"/></tessera>") << true << "k Key \U0001F511 0 []";
        QTest::newRow("unclosed card") << QByteArray("<tessera><card templatetype=\"a\" name=\"A\" iconid=\"1\"/><card templatetype=\"b\" name=\"B\" iconid=\"2\"></tessera>") << false << "a A 1 []; b B 2 []";
        QTest::newRow("missing file") << QByteArray() << false << "";
        // clang-format on
    }

    void catalogues()
    {
        QFETCH(QByteArray, xml);
        QFETCH(bool, loads);
        QFETCH(QString, templates);
        TemplateCatalog catalog;
        QCOMPARE(TemplateCatalogReader(catalog, xml.isNull() ? m_dir.filePath("missing.xml") : write(xml)).load(),
                 loads);
        QStringList shown;
        for (const Card *templ : catalog.templates())
            shown << QString("%1 %2 %3 [%4]")
                         .arg(templ->templateType(), templ->title())
                         .arg(templ->iconId())
                         .arg(fieldKinds(templ));
        QCOMPARE(shown.join("; "), templates);
    }
};

QTEST_GUILESS_MAIN(TestTemplateCatalogReader)
#include "TestTemplateCatalogReader.moc"
