#include "ui/PreferencesDialog.h"

#include "app/MainWindow.h"
#include "ui_PreferencesDialog.h"

PreferencesDialog::PreferencesDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::PreferencesDialog>())
{
    m_ui->setupUi(this);
    m_ui->openLastDbCheckBox->setChecked(MainWindow::instance()->openLastDatabase());
}

PreferencesDialog::~PreferencesDialog() = default;

void PreferencesDialog::on_openLastDbCheckBox_toggled(bool checked)
{
    MainWindow::instance()->setOpenLastDatabase(checked);
}
