#pragma once

#include <QDialog>

class QAction;

// Help → Keyboard Shortcuts: every given action that has keys, with its keys as this system writes them.
class ShortcutsDialog : public QDialog
{
    Q_OBJECT

public:
    ShortcutsDialog(const QList<QAction *> &actions, QWidget *parent = nullptr);
};
