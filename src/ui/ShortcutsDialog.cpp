#include "ui/ShortcutsDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

ShortcutsDialog::ShortcutsDialog(const QList<QAction *> &actions, const Keys &more, QWidget *parent)
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
        // Keys of one widget work only where it has the focus: the search field or the card list.
        if (action->shortcutContext() == Qt::WidgetShortcut)
            name = qobject_cast<QLineEdit *>(action->associatedWidgets().value(0))
                ? tr("%1 (in the search field)").arg(name)
                : tr("%1 (in the card list)").arg(name);
        new QTreeWidgetItem(table, {name, keys.join(QStringLiteral(", "))});
    }
    for (const auto &key : more)
        new QTreeWidgetItem(table, {key.first, key.second.toString(QKeySequence::NativeText)});
    table->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(560, 560);
}
