#include "import/JsonStreamReader.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QtTest>

// The streaming JSON reader against hand-written documents, read in chunks small enough that
// strings, escapes, characters and elements are split between them.
class TestJsonStreamReader : public QObject
{
    Q_OBJECT

private slots:
    // The elements of "items" (joined by '|') and the kept "encrypted" and "folders", or the error.
    void read_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("chunk");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("brackets, braces and escapes in strings") << QByteArray("{\"skip\": \"]}\\\"[{\\\\\", \"items\": [{\"t\": \"x]}\\\"{\"}, {\"t\": \"\\\\\"}]}") << 1 << "{\"t\":\"x]}\\\"{\"}|{\"t\":\"\\\\\"}; kept {}";
        QTest::newRow("nested arrays in elements") << QByteArray("{\"items\": [{\"a\": [[1, [2]], {\"b\": []}]}, []]}") << 1 << "{\"a\":[[1,[2]],{\"b\":[]}]}|{}; kept {}";
        QTest::newRow("kept keys after the array") << QByteArray("{\"items\": [{\"n\": 1}], \"other\": {\"x\": [1, \"]\"]}, \"folders\": [{\"id\": \"f\"}], \"encrypted\": false}") << 7 << "{\"n\":1}; kept {\"encrypted\":false,\"folders\":[{\"id\":\"f\"}]}";
        QTest::newRow("characters split between chunks") << QByteArray("{\"items\": [{\"t\": \"\xe2\x82\xac\xc3\xbc\"}, {\"t\": \"ok\"}]}") << 1 << QString::fromUtf8("{\"t\":\"\xe2\x82\xac\xc3\xbc\"}|{\"t\":\"ok\"}; kept {}");
        QTest::newRow("an escaped key") << QByteArray("{\"it\\u0065ms\": [{\"n\": 1}]}") << 4 << "{\"n\":1}; kept {}";
        QTest::newRow("byte order mark, element no object") << QByteArray("\xef\xbb\xbf {\"items\": [2, \"x\"]}") << 65536 << "{}|{}; kept {}";
        QTest::newRow("empty array") << QByteArray("{\"items\": []}") << 2 << "; kept {}";
        QTest::newRow("no array under the key") << QByteArray("{\"items\": {\"n\": 1}}") << 2 << "; kept {}; no array";
        QTest::newRow("empty file") << QByteArray() << 2 << "not JSON: no content at byte 0";
        QTest::newRow("array at the top") << QByteArray(" [{\"n\": 1}]") << 2 << "not a JSON object at byte 1";
        QTest::newRow("cut in an element") << QByteArray("{\"items\": [{\"n\": 1}, {\"n\": ") << 5 << "not JSON: unterminated object at byte 27";
        QTest::newRow("cut in a string") << QByteArray("{\"items\": [{\"n\": \"a\\\"") << 5 << "not JSON: unterminated string at byte 21";
        QTest::newRow("garbage between elements") << QByteArray("{\"items\": [{\"n\": 1} x {\"n\": 2}]}") << 4 << "not JSON: expected ',' or ']' at byte 20";
        QTest::newRow("garbage after the object") << QByteArray("{\"items\": []} x") << 4 << "not JSON: garbage after the end of the object at byte 14";
        QTest::newRow("damage inside an element") << QByteArray("{\"items\": [{\"n\": 1}, {\"n\" 1}]}") << 4 << "not JSON: missing name separator at byte 27";
        QTest::newRow("mismatched brackets in a skipped value") << QByteArray("{\"skip\": [1, 2}, \"items\": []}") << 4 << "not JSON: mismatched '}' at byte 14";
        QTest::newRow("kept value missing") << QByteArray("{\"encrypted\": , \"items\": []}") << 4 << "not JSON: expected a value at byte 14";
        // clang-format on
    }

    void read()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, chunk);
        QFETCH(QString, expected);
        QBuffer buffer(&json);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        // In the row's chunks, and in whole ones that are scanned eight bytes at a time.
        for (const int size : {chunk, 64 * 1024}) {
            JsonStreamReader reader(buffer, size);
            QStringList elements;
            const auto element = [&elements](const QJsonObject &object) {
                elements << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
                return true;
            };
            if (!reader.read({QStringLiteral("encrypted"), QStringLiteral("folders")}, QStringLiteral("items"),
                             element)) {
                QCOMPARE(reader.errorString(), expected);
                continue;
            }
            QStringList result{elements.join(QLatin1Char('|')),
                               "kept "
                                   + QString::fromUtf8(QJsonDocument(reader.kept()).toJson(QJsonDocument::Compact))};
            if (!reader.foundArray())
                result << QStringLiteral("no array");
            QCOMPARE(result.join(QLatin1String("; ")), expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestJsonStreamReader)
#include "TestJsonStreamReader.moc"
