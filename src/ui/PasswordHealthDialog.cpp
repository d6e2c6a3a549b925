#include "ui/PasswordHealthDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int cardIdRole = Qt::UserRole;

} // namespace

PasswordHealthDialog::PasswordHealthDialog(const QVector<PasswordHealth::Finding> &findings, QWidget *parent)
    : QDialog(parent)
    , m_tree(new QTreeWidget(this))
{
    setWindowTitle(tr("Password Health"));
    resize(460, 420);
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Passwords that are easy to guess, used on more than one card, or unchanged for "
                                "more than a year. The check runs on this computer only."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    layout->addWidget(m_tree);

    const QString headings[]
        = {tr("Weak passwords (%1)"), tr("Reused passwords (%1)"), tr("Unchanged for more than a year (%1)")};
    QTreeWidgetItem *kinds[3];
    for (int kind = 0; kind < 3; ++kind)
        kinds[kind] = new QTreeWidgetItem(m_tree);
    int counts[3] = {0, 0, 0};
    QTreeWidgetItem *group = nullptr;
    int groupNumber = -1;
    for (const PasswordHealth::Finding &finding : findings) {
        QTreeWidgetItem *parentItem = kinds[finding.kind];
        if (finding.kind == PasswordHealth::Reused) {
            if (finding.group != groupNumber) {
                groupNumber = finding.group;
                group = new QTreeWidgetItem(parentItem);
                group->setFlags(Qt::ItemIsEnabled);
            }
            parentItem = group;
            parentItem->setText(0, tr("Shared by %n cards", nullptr, parentItem->childCount() + 1));
        }
        auto *item = new QTreeWidgetItem(parentItem, {finding.title});
        item->setData(0, cardIdRole, finding.id);
        ++counts[finding.kind];
    }
    for (int kind = 0; kind < 3; ++kind) {
        kinds[kind]->setText(0, headings[kind].arg(counts[kind]));
        kinds[kind]->setFlags(Qt::ItemIsEnabled);
    }
    m_tree->expandAll();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *show = buttons->addButton(tr("Show Card"), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(show, &QPushButton::clicked, this, [this] { showCard(m_tree->currentItem()); });
    connect(m_tree, &QTreeWidget::itemActivated, this, &PasswordHealthDialog::showCard);
}

void PasswordHealthDialog::showCard(QTreeWidgetItem *item)
{
    const QVariant id = item ? item->data(0, cardIdRole) : QVariant();
    if (!id.isValid())
        return;
    accept();
    emit cardChosen(id.toInt());
}
