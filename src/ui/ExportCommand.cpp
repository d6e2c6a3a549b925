#include "ui/ExportCommand.h"

#include "export/CardExport.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>

void ExportCommand::run(QWidget *parent, CardDb &store, QString &folder)
{
    const QString path = FileDialog::getSaveFileName(
        parent, tr("Export Cards"), folder,
        tr("KeePass 2 XML (*.xml);;CSV (*.csv);;Tessera JSON (*.json);;All files (*)"), QStringLiteral("xml"));
    if (path.isEmpty())
        return;
    folder = QFileInfo(path).absolutePath();
    const QString suffix = QFileInfo(path).suffix().toLower();
    const CardExport::Format format = suffix == QLatin1String("csv") ? CardExport::Csv
        : suffix == QLatin1String("json")                            ? CardExport::Json
                                                                     : CardExport::KeePassXml;

    QMessageBox warning(QMessageBox::Warning, tr("Export Cards"),
                        tr("\"%1\" will hold every password and secret of this wallet in the clear, readable by "
                           "anyone who gets hold of the file. Delete it once it has served its purpose.")
                            .arg(path),
                        QMessageBox::Cancel, parent);
    QPushButton *accept = warning.addButton(tr("Export"), QMessageBox::AcceptRole);
    warning.setDefaultButton(QMessageBox::Cancel);
    if (MessageBox::exec(warning) != accept)
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    bool written = false;
    {
        // Other writers wait until the export is complete, so it is one consistent state of the wallet.
        CardDbTransaction snapshot(store);
        written = snapshot.isActive() ? CardExport::writeFile(format, store, path, &error)
                                      : (error = store.lastError().message(), false);
    }
    QApplication::restoreOverrideCursor();
    if (!written)
        MessageBox::critical(parent, tr("Error"),
                             tr("The cards could not be exported to \"%1\": %2.").arg(path, error));
}
