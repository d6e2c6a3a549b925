#include "ui/RestoreBackupDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

RestoreBackupDialog::RestoreBackupDialog(const QVector<WalletBackup> &backups, QWidget *parent)
    : QDialog(parent)
    , m_list(new QTreeWidget(this))
{
    setWindowTitle(tr("Restore From Backup"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("The cards of the chosen backup replace the wallet's. The wallet as it is now "
                                "is kept as a backup first."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    m_list->setHeaderLabels({tr("Time"), tr("Cards")});
    m_list->setRootIsDecorated(false);
    // The time column takes what its short dates and times need, so none is cut off.
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    const QLocale locale;
    for (const WalletBackup &backup : backups) {
        auto *item = new QTreeWidgetItem(m_list);
        const QDateTime local = backup.time.toLocalTime();
        item->setText(0,
                      locale.toString(local.date(), QLocale::ShortFormat) + QLatin1Char(' ')
                          + locale.toString(local.time(), QLocale::ShortFormat));
        item->setText(1, backup.cardCount < 0 ? tr("unreadable") : QString::number(backup.cardCount));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(0, Qt::UserRole, backup.path);
        item->setToolTip(0, backup.path);
    }
    layout->addWidget(m_list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *restore = buttons->addButton(tr("Restore"), QDialogButtonBox::AcceptRole);
    restore->setEnabled(false);
    layout->addWidget(buttons);
    connect(m_list, &QTreeWidget::currentItemChanged, restore,
            [restore](QTreeWidgetItem *item) { restore->setEnabled(item != nullptr); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (QTreeWidgetItem *item = m_list->currentItem())
            emit chosen(item->data(0, Qt::UserRole).toString());
        accept();
    });
    resize(480, 300);
}
