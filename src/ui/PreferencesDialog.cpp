#include "ui/PreferencesDialog.h"

#include "ui_PreferencesDialog.h"

PreferencesDialog::PreferencesDialog(const Preferences &preferences, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::PreferencesDialog>())
{
    m_ui->setupUi(this);
    m_ui->openLastWalletCheckBox->setChecked(preferences.openLastWallet);
    m_ui->autoLockBox->setValue(preferences.autoLockMinutes);
    m_ui->lockOnMinimizeCheckBox->setChecked(preferences.lockOnMinimize);
    m_ui->clipboardBox->setValue(preferences.clipboardSeconds);
    connect(m_ui->openLastWalletCheckBox, &QCheckBox::toggled, this, &PreferencesDialog::apply);
    connect(m_ui->lockOnMinimizeCheckBox, &QCheckBox::toggled, this, &PreferencesDialog::apply);
    connect(m_ui->autoLockBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &PreferencesDialog::apply);
    connect(m_ui->clipboardBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &PreferencesDialog::apply);
}

PreferencesDialog::~PreferencesDialog() = default;

void PreferencesDialog::apply()
{
    Preferences preferences;
    preferences.openLastWallet = m_ui->openLastWalletCheckBox->isChecked();
    preferences.autoLockMinutes = m_ui->autoLockBox->value();
    preferences.lockOnMinimize = m_ui->lockOnMinimizeCheckBox->isChecked();
    // The box steps from "never" straight to 5 seconds.
    const int seconds = m_ui->clipboardBox->value();
    preferences.clipboardSeconds = seconds > 0 && seconds < 5 ? 5 : seconds;
    emit changed(preferences);
}
