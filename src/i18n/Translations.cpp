#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The translations are compiled into a static library, so their resource must be registered explicitly.
static void registerTranslationResource()
{
    Q_INIT_RESOURCE(translations);
}

namespace {

// The application owns the translators, so they live exactly as long as it does.
bool installTranslator(const QString &name, const QLocale &locale, const QStringList &folders)
{
    for (const QString &folder : folders) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}

} // namespace

void installTranslations()
{
    registerTranslationResource();
    installTranslator(QStringLiteral("qtbase"), QLocale(), {QLibraryInfo::location(QLibraryInfo::TranslationsPath)});
    // An installed translation may be newer than the one built in, so it is tried first.
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .absoluteFilePath(QStringLiteral("../share/tessera/translations"));
    const QStringList folders = {installed, QStringLiteral(":/translations")};
    // A language without a translation of its own shows the English texts, whose plural forms ("1 card",
    // not "1 card(s)") come from the English translation.
    if (!installTranslator(QStringLiteral("tessera"), QLocale(), folders))
        installTranslator(QStringLiteral("tessera"), QLocale(QLocale::English), folders);
}

QString catalogText(const QString &text)
{
    return QCoreApplication::translate("Catalog", text.toUtf8().constData());
}
