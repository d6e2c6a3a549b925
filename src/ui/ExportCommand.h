#pragma once

#include <QCoreApplication>
#include <QString>

class CardDb;
class QWidget;

// File → Export: asks for a file, whose extension chooses the format (.xml KeePass 2 XML, .csv CSV,
// .json this program's JSON), warns that it will hold every secret in the clear, and writes it
// readable by its owner only.
class ExportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ExportCommand)

public:
    // folder is where the file dialog starts; it becomes the chosen file's folder.
    static void run(QWidget *parent, CardDb &store, QString &folder);
};
