#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class PreferencesDialog;
}

// The program's one preference, applied the moment it is toggled.
class PreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PreferencesDialog(QWidget *parent = nullptr);
    ~PreferencesDialog() override;

private slots:
    void on_openLastDbCheckBox_toggled(bool checked);

private:
    const std::unique_ptr<Ui::PreferencesDialog> m_ui;
};
