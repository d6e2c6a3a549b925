#pragma once

#include <QDialog>

class QTextBrowser;

// Help > Manual: the manual made from the README at build time, read in a window of its own. Links
// within it stay here; links to web sites and "Open in Browser" go to the system's browser.
class ManualViewer : public QDialog
{
    Q_OBJECT

public:
    explicit ManualViewer(const QString &path, QWidget *parent = nullptr);

    // Where the manual is: beside the installed program, else in the build tree it was built in;
    // empty when neither holds it. places gets every place looked in.
    static QString find(QStringList *places = nullptr);

private:
    QTextBrowser *m_browser;
};
