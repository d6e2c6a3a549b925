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
