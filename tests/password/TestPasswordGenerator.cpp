#include "common/TestFiles.h"
#include "password/PassphraseGenerator.h"
#include "password/PasswordGenerator.h"
#include "password/RandomIndex.h"

#include <QRandomGenerator>
#include <QtTest>

#include <functional>

namespace {

// Pearson's statistic of draws below bound against equal counts for every number.
double chiSquare(const std::function<quint32()> &draw, quint32 bound, int samples)
{
    QVector<int> counts(int(bound), 0);
    for (int i = 0; i < samples; ++i)
        ++counts[int(draw())];
    const double expected = double(samples) / bound;
    double sum = 0;
    for (const int count : qAsConst(counts))
        sum += (count - expected) * (count - expected) / expected;
    return sum;
}

// The word list as published, read from the source tree rather than through the program.
QSet<QString> publishedWords()
{
    QSet<QString> words;
    const QList<QByteArray> lines = fileBytes(testData("../../resources/wordlists/eff_large_wordlist.txt")).split('\n');
    for (const QByteArray &line : lines) {
        if (!line.isEmpty())
            words.insert(QString::fromLatin1(line.split('\t').value(1)));
    }
    return words;
}

} // namespace

class TestPasswordGenerator : public QObject
{
    Q_OBJECT

private slots:
    void characters_data()
    {
        QTest::addColumn<bool>("upper");
        QTest::addColumn<bool>("lower");
        QTest::addColumn<bool>("digits");
        QTest::addColumn<bool>("symbols");
        QTest::addColumn<bool>("noLookAlikes");
        QTest::addColumn<int>("length");
        // Worked out by counting the strings that hold every chosen class, by inclusion and exclusion.
        QTest::addColumn<double>("bits");
        // clang-format off
        QTest::newRow("defaults")                 << true  << true  << true  << true  << false << 20  << 130.9259;
        QTest::newRow("shortest")                 << true  << true  << true  << true  << false << 8   << 51.3183;
        QTest::newRow("digits only")              << false << false << true  << false << false << 8   << 26.5754;
        QTest::newRow("letters, no look-alikes")  << true  << true  << false << false << true  << 12  << 67.3758;
        QTest::newRow("longest, no look-alikes")  << true  << true  << true  << true  << true  << 128 << 826.8072;
        // clang-format on
    }

    void characters()
    {
        QFETCH(bool, upper);
        QFETCH(bool, lower);
        QFETCH(bool, digits);
        QFETCH(bool, symbols);
        QFETCH(bool, noLookAlikes);
        QFETCH(int, length);
        QFETCH(double, bits);
        const PasswordGenerator generator({length, upper, lower, digits, symbols, noLookAlikes});
        QVERIFY(qAbs(generator.entropyBits() - bits) < 1e-3);
        for (int i = 0; i < 200; ++i) {
            const QString password = generator.generate();
            QCOMPARE(password.size(), length);
            bool seen[4] = {false, false, false, false};
            for (const QChar c : password) {
                QVERIFY(c.unicode() > 0x20 && c.unicode() < 0x7F);
                const int kind = c.isUpper() ? 0 : c.isLower() ? 1 : c.isDigit() ? 2 : 3;
                seen[kind] = true;
                if (noLookAlikes)
                    QVERIFY2(!QString("0O1lI|").contains(c), qPrintable(password));
            }
            QCOMPARE(QVector<bool>(seen, seen + 4), (QVector<bool>{upper, lower, digits, symbols}));
        }
    }

    void refusesBadOptions()
    {
        using Options = PasswordGenerator::Options;
        for (const Options &options :
             {Options{PasswordGenerator::minLength - 1}, Options{PasswordGenerator::maxLength + 1},
              Options{20, false, false, false, false}})
            QCOMPARE(PasswordGenerator(options).generate(), QString());
        QCOMPARE(PassphraseGenerator({PassphraseGenerator::maxWords + 1}).generate(), QString());
    }

    void passphrases_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("capitalise");
        QTest::addColumn<double>("bits");
        // clang-format off
        QTest::newRow("hyphens, words holding one left out") << 7 << "-" << false << 90.4685;
        QTest::newRow("fewest, blanks")   << 3  << " " << false << 38.7744;
        QTest::newRow("most, capitals")   << 20 << "." << true  << 258.4962;
        // clang-format on
    }

    void passphrases()
    {
        QFETCH(int, words);
        QFETCH(QString, separator);
        QFETCH(bool, capitalise);
        QFETCH(double, bits);
        const QSet<QString> list = publishedWords();
        QCOMPARE(list.size(), 7776);
        const PassphraseGenerator generator({words, separator, capitalise});
        QVERIFY(qAbs(generator.entropyBits() - bits) < 1e-3);
        for (int i = 0; i < 50; ++i) {
            const QStringList drawn = generator.generate().split(separator);
            QCOMPARE(drawn.size(), words);
            for (const QString &word : drawn) {
                QCOMPARE(word.at(0).isUpper(), capitalise);
                QVERIFY2(list.contains(word.toLower()), qPrintable(word));
            }
        }
    }

    // An 8-bit source makes the bias of a plain modulo large enough to see: below 94, the numbers 0 to 67
    // would come 3 times in 256 and the others twice. A seeded source keeps the test repeatable.
    void uniformBelowBound()
    {
        QRandomGenerator seeded(20240601);
        const auto byte = [&seeded] { return seeded.generate() & 0xFF; };
        RandomIndex index(byte, 8);
        constexpr quint32 bound = 94;
        constexpr int samples = 94 * 200;
        // With 93 degrees of freedom, a uniform draw exceeds 140.95 with a probability of 0.001.
        constexpr double critical = 140.95;
        const double uniform = chiSquare([&index] { return index.below(bound); }, bound, samples);
        QVERIFY2(uniform < critical, qPrintable(QString::number(uniform)));
        // The statistic does catch the modulo bias it guards against.
        const double modulo = chiSquare([&byte] { return byte() % bound; }, bound, samples);
        QVERIFY2(modulo > critical, qPrintable(QString::number(modulo)));
    }
};

QTEST_GUILESS_MAIN(TestPasswordGenerator)
#include "TestPasswordGenerator.moc"
