#pragma once

#include <QDialog>
#include <QKeySequence>
#include <QPair>

class QAction;

// Help → Keyboard Shortcuts: every given action that has keys, with its keys as this system writes them,
// then the keys of other windows (the card editor's), named by their owners.
class ShortcutsDialog : public QDialog
{
    Q_OBJECT

public:
    using Keys = QList<QPair<QString, QKeySequence>>;

    ShortcutsDialog(const QList<QAction *> &actions, const Keys &more, QWidget *parent = nullptr);
};
