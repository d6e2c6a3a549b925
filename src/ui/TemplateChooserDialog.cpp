#include "ui/TemplateChooserDialog.h"

#include "ui/NameSortProxy.h"
#include "ui/TemplateListModel.h"
#include "ui_TemplateChooserDialog.h"

TemplateChooserDialog::TemplateChooserDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::TemplateChooserDialog>())
    , m_model(new TemplateListModel(this))
    , m_proxy(new NameSortProxy(this))
{
    m_ui->setupUi(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->sort(0, Qt::AscendingOrder);
    m_ui->listView->setModel(m_proxy);

    const QModelIndex login = m_proxy->mapFromSource(m_model->defaultIndex());
    m_ui->listView->setCurrentIndex(login);
    m_ui->listView->scrollTo(login);
}

TemplateChooserDialog::~TemplateChooserDialog() = default;

void TemplateChooserDialog::done(int r)
{
    QDialog::done(r);
    const QModelIndex current = m_ui->listView->currentIndex();
    if (r == Accepted && current.isValid())
        emit selected(m_model->templateType(m_proxy->mapToSource(current)));
}

void TemplateChooserDialog::on_listView_activated(const QModelIndex &index)
{
    m_ui->listView->setCurrentIndex(index);
    accept();
}
