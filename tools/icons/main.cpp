#include "ContactSheet.h"
#include "IconCatalogue.h"
#include "IconWriter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

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
    if (parser.isSet(sheetOption)) {
        const QString sheetFile = parser.value(sheetOption);
        if (!contactSheet(icons).save(sheetFile, "PNG")) {
            err << "cannot write " << sheetFile << Qt::endl;
            return 1;
        }
    }
    return 0;
}
