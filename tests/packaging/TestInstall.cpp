#include "common/ProcessRun.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestInstall : public QObject
{
    Q_OBJECT

    QTemporaryDir m_prefix;

    QString path(const QString &relative) const { return m_prefix.filePath(relative); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        const QString log = runProcess(QStringLiteral(TESSERA_CMAKE),
                                       {QStringLiteral("--install"), QStringLiteral(TESSERA_BUILD_DIR),
                                        QStringLiteral("--prefix"), m_prefix.path()})
                                .printed();
        QVERIFY2(QFileInfo::exists(path(QStringLiteral("bin/tessera"))), qPrintable(log));
    }

    void installsFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("executable");
        // clang-format off
        QTest::newRow("window") << "bin/tessera" << true;
        QTest::newRow("command line") << "bin/tessera-cli" << true;
        QTest::newRow("desktop entry") << "share/applications/org.tessera.Tessera.desktop" << false;
        QTest::newRow("metainfo") << "share/metainfo/org.tessera.Tessera.metainfo.xml" << false;
        QTest::newRow("file type") << "share/mime/packages/org.tessera.Tessera.mime.xml" << false;
        QTest::newRow("manual") << "share/doc/tessera/manual.html" << false;
        QTest::newRow("man page") << "share/man/man1/tessera-cli.1" << false;
        QTest::newRow("completion") << "share/bash-completion/completions/tessera-cli" << false;
        QTest::newRow("German") << "share/tessera/translations/tessera_de.qm" << false;
        QTest::newRow("changelog") << "share/doc/tessera/CHANGELOG.md" << false;
        // clang-format on
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
            QTest::addRow("icon %d", size)
                << QStringLiteral("share/icons/hicolor/%1x%1/apps/org.tessera.Tessera.png").arg(size) << false;
    }

    void installsFile()
    {
        QFETCH(QString, file);
        QFETCH(bool, executable);
        const QFileInfo info(path(file));
        QVERIFY2(info.isFile(), qPrintable(file));
        QVERIFY(info.size() > 0);
        QCOMPARE(info.isExecutable(), executable);
    }

    void programsAgreeOnVersion()
    {
        const QString version = QStringLiteral(TESSERA_VERSION);
        QCOMPARE(runProcess(path(QStringLiteral("bin/tessera")), {QStringLiteral("--version")}).printed().trimmed(),
                 QStringLiteral("Tessera ") + version);
        QCOMPARE(runProcess(path(QStringLiteral("bin/tessera-cli")), {QStringLiteral("--version")}).printed().trimmed(),
                 QStringLiteral("tessera-cli ") + version);
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "TestInstall.moc"
