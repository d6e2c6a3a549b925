#include "ui/FileDialog.h"

#include <QFileDialog>

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
                                    const QString &filter)
{
    if (!queuedAnswers().isEmpty())
        return queuedAnswers().takeFirst();
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}
