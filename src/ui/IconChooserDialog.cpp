#include "ui/IconChooserDialog.h"

#include "ui/IconListModel.h"
#include "ui_IconChooserDialog.h"

IconChooserDialog::IconChooserDialog(int currentIconId, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::IconChooserDialog>())
    , m_model(new IconListModel(this))
{
    m_ui->setupUi(this);
    m_ui->listView->setModel(m_model);
    // Set even when invalid: a view that never had a current index makes its first row current
    // when it gains focus, which would turn "no icon" into icon 0.
    m_ui->listView->setCurrentIndex(m_model->index(currentIconId));
}

IconChooserDialog::~IconChooserDialog() = default;

void IconChooserDialog::done(int r)
{
    QDialog::done(r);
    if (r == Accepted)
        emit selected(m_ui->listView->currentIndex().row());
}

void IconChooserDialog::on_listView_activated(const QModelIndex &index)
{
    m_ui->listView->setCurrentIndex(index);
    accept();
}
