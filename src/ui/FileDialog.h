#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The program's file dialogs. Tests queue the answers a user would give instead of a dialog showing.
class FileDialog
{
public:
    static QString getOpenFileName(QWidget *parent, const QString &caption, const QString &folder,
                                   const QString &filter);
    // A chosen name without an extension gets defaultSuffix, when one is given. An existing file is
    // confirmed as one to replace unless it is to be used as it is.
    enum ExistingFile { ConfirmReplacing, UseAsItIs };
    static QString getSaveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                   const QString &filter, const QString &defaultSuffix = QString(),
                                   ExistingFile existing = ConfirmReplacing);

    // The next dialog returns this path at once (an empty text stands for Cancel).
    static void setNextFileName(const QString &path);

private:
    static QStringList &queuedAnswers();
};
