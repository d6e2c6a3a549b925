// Draws the main window with a few sample cards into a PNG, for the README and for looking at the
// program as a user would: tessera-screenshot OUTPUT.png
#include "app/MainWindow.h"
#include "model/BuiltinCatalog.h"
#include "model/TemplateCatalog.h"
#include "model/TextUtils.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

namespace {

void addSample(CardDb &store, const QString &type, const QString &title, const QStringList &values,
               const QString &notes = QString())
{
    auto card = builtinCatalog().find(type)->copyWithUuid(newUuid());
    card->setTitle(title);
    card->setNotes(notes);
    const QList<Field *> fields = card->fields();
    for (int i = 0; i < values.size() && i < fields.size(); ++i)
        fields[i]->setValue(values[i]);
    store.addCard(*card);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        qFatal("usage: tessera-screenshot OUTPUT.png");
    QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Corvale Software Systems"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessera"));

    WalletSession session;
    MainWindow window(session);
    window.resize(1100, 620);
    const QString path = folder.filePath(QStringLiteral("family.tessera"));
    // Hardened, as a new wallet is: a wallet in the phone's format would show the upgrade offer.
    auto created = CardDb::create(path, {QStringLiteral("sample"), QByteArray()}, NewWalletOptions());
    if (!created)
        qFatal("cannot create the sample wallet");
    CardDb &store = *created;
    addSample(store, QStringLiteral("creditcard.visa"), QStringLiteral("Visa Card"),
              {QStringLiteral("Carol Q. Example"), QStringLiteral("4111111111111111"), QStringLiteral("123"),
               QStringLiteral("4711"), QStringLiteral("12/29"), QString(), QStringLiteral("First Example Bank"),
               QStringLiteral("01/24"), QStringLiteral("+1 800 555 0100")},
              QStringLiteral("Card for travel expenses.\nLimit raised in March."));
    addSample(store, QStringLiteral("login.google"), QStringLiteral("Google"),
              {QStringLiteral("carol@example.com"), QStringLiteral("correct horse battery")});
    addSample(store, QStringLiteral("computer.wifi"), QStringLiteral("Home Wi-Fi"),
              {QStringLiteral("casa"), QStringLiteral("p@ssw0rd"), QStringLiteral("WPA2")});
    addSample(store, QStringLiteral("travel.passport"), QStringLiteral("Passport"),
              {QStringLiteral("P"), QStringLiteral("X1234567")});
    addSample(store, QStringLiteral("finance.bankaccount"), QStringLiteral("Savings account"),
              {QStringLiteral("Carol Example"), QStringLiteral("Savings"), QStringLiteral("12345678")});
    addSample(store, QStringLiteral("note.default"), QStringLiteral("Alarm code"), {},
              QStringLiteral("Front door: 1-9-8-4, then press the star key."));
    addSample(store, QStringLiteral("misc.combilock"), QStringLiteral("Bike lock"),
              {QStringLiteral("Garage"), QStringLiteral("0420")});
    created.reset();
    if (!session.unlock(path, QStringLiteral("sample")))
        qFatal("cannot open the sample wallet");
    window.show();

    auto *list = window.findChild<QAbstractItemView *>(QStringLiteral("listView"));
    const QModelIndexList visa = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole,
                                                      QStringLiteral("Visa Card"), 1, Qt::MatchExactly);
    list->setCurrentIndex(visa.value(0));
    QTimer::singleShot(200, &app, [&window, &app, output = QString::fromLocal8Bit(argv[1])] {
        window.grab().save(output);
        app.quit();
    });
    return app.exec();
}
