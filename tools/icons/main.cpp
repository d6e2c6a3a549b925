#include "ContactSheet.h"
#include "IconCatalogue.h"
#include "IconWriter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the program's images into a resources folder."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("resources"),
                                 QStringLiteral("Folder that receives images/ and images.qrc."));
    const QCommandLineOption sheetOption(QStringLiteral("sheet"),
                                         QStringLiteral("Also write a contact sheet of all images to <file>."),
                                         QStringLiteral("file"));
    parser.addOption(sheetOption);
    const QCommandLineOption themeOption(
        QStringLiteral("hicolor"), QStringLiteral("Also write the program image in every hicolor size under <folder>."),
        QStringLiteral("folder"));
    parser.addOption(themeOption);
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);

    QTextStream err(stderr);
    const QDir resources(parser.positionalArguments().constFirst());
    const QVector<IconEntry> icons = iconCatalogue();
    QString error;
    if (!writeIcons(icons, resources, &error)
        || !writeResourceFile(icons, resources.filePath(QStringLiteral("images.qrc")), &error)) {
        err << error << Qt::endl;
        return 1;
    }
    if (parser.isSet(themeOption)) {
        const auto app = std::find_if(icons.cbegin(), icons.cend(), [](const IconEntry &icon) {
            return icon.name == QLatin1String("images/tessera");
        });
        const QList<int> sizes = {16, 22, 24, 32, 48, 64, 128, 256, 512};
        if (!writeThemeIcons(*app, QStringLiteral("org.tessera.Tessera"), sizes, QDir(parser.value(themeOption)),
                             &error)) {
            err << error << Qt::endl;
            return 1;
        }
    }
    if (parser.isSet(sheetOption)) {
        const QString sheetFile = parser.value(sheetOption);
        if (!contactSheet(icons).save(sheetFile, "PNG")) {
            err << "cannot write " << sheetFile << Qt::endl;
            return 1;
        }
    }
    return 0;
}
