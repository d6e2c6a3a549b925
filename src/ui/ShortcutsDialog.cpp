#include "ui/ShortcutsDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

ShortcutsDialog::ShortcutsDialog(const QList<QAction *> &actions, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Keyboard Shortcuts"));
    auto *table = new QTreeWidget(this);
    table->setObjectName(QStringLiteral("shortcutTable"));
    table->setRootIsDecorated(false);
    table->setHeaderLabels({tr("Action"), tr("Keys")});
    for (const QAction *action : actions) {
        if (action->shortcuts().isEmpty())
            continue;
        QStringList keys;
        for (const QKeySequence &shortcut : action->shortcuts())
            keys << shortcut.toString(QKeySequence::NativeText);
        QString name = action->text().remove(QLatin1Char('&'));
        if (action->shortcutContext() == Qt::WidgetShortcut)
            name = tr("%1 (in the card list)").arg(name);
        new QTreeWidgetItem(table, {name, keys.join(QStringLiteral(", "))});
    }
    table->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(520, 520);
}
