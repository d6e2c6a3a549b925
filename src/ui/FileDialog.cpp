#include "ui/FileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

QStringList &FileDialog::queuedAnswers()
{
    static QStringList answers;
    return answers;
}

void FileDialog::setNextFileName(const QString &path)
{
    queuedAnswers().append(path);
}

QString FileDialog::getOpenFileName(QWidget *parent, const QString &caption, const QString &folder,
                                    const QString &filter)
{
    if (!queuedAnswers().isEmpty())
        return queuedAnswers().takeFirst();
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString FileDialog::getSaveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                    const QString &filter, const QString &defaultSuffix, ExistingFile existing)
{
    const QFileDialog::Options options
        = existing == UseAsItIs ? QFileDialog::DontConfirmOverwrite : QFileDialog::Options();
    QString path = !queuedAnswers().isEmpty()
        ? queuedAnswers().takeFirst()
        : QFileDialog::getSaveFileName(parent, caption, folder, filter, nullptr, options);
    if (!path.isEmpty() && !defaultSuffix.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + defaultSuffix;
    return path;
}
