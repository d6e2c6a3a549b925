#include "common/TestFiles.h"
#include "session/CloudSignIn.h"
#include "session/Keyring.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// Runs against a real Secret Service: CTest starts this suite in a private D-Bus session with a keyring
// daemon of its own.
class TestKeyring : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const Keyring::Answer probe = Keyring::read(QStringLiteral("probe"));
        if (probe.status == Keyring::Unavailable || probe.status == Keyring::Failed)
            QSKIP(qPrintable("no Secret Service in this session (ctest starts one): " + probe.problem));
    }

    void keepsReplacesAndForgets()
    {
        const QString key = Keyring::serverKey(QUrl("https://ana:x@cloud.example.org/dav/w.tessera"), "ana");
        QCOMPARE(key, QString("ana@https://cloud.example.org/dav/w.tessera"));
        QCOMPARE(Keyring::write(key, "first ☃").status, Keyring::Found);
        QCOMPARE(Keyring::write(key, "second").status, Keyring::Found);
        const Keyring::Answer read = Keyring::read(key);
        QCOMPARE(read.status, Keyring::Found);
        QCOMPARE(read.secret, QString("second"));
        QCOMPARE(Keyring::read("bob@" + key.section('@', 1)).status, Keyring::NotFound);
        QCOMPARE(Keyring::remove(key).status, Keyring::Found);
        QCOMPARE(Keyring::read(key).status, Keyring::NotFound);
    }

    // The token an earlier version left in clear in the settings file moves to the keyring, and is gone from
    // the file.
    void cloudTokenLeavesTheSettingsFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("settings.ini");
        {
            QSettings settings(path, QSettings::IniFormat);
            settings.setValue("accessKey", "token-key");
            settings.setValue("accessSecret", "token-secret");
            settings.setValue("openLastDatabase", true);
        }
        QSettings settings(path, QSettings::IniFormat);
        CloudSignIn::moveFromSettings(settings);
        QVERIFY(!fileBytes(path).contains("token"));
        QVERIFY(fileBytes(path).contains("openLastDatabase"));
        CloudSignIn signIn;
        QCOMPARE(CloudSignIn::load(&signIn).status, Keyring::Found);
        QCOMPARE(signIn.key, QString("token-key"));
        QCOMPARE(signIn.secret, QString("token-secret"));
        QCOMPARE(CloudSignIn::forget().status, Keyring::Found);
        QCOMPARE(CloudSignIn::load(&signIn).status, Keyring::NotFound);
    }
};

QTEST_GUILESS_MAIN(TestKeyring)
#include "TestKeyring.moc"
