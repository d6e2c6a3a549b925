#pragma once

#include "ui/Preferences.h"

#include <QDialog>

#include <memory>

namespace Ui {
class PreferencesDialog;
}

// The program's preferences, each applied the moment it changes.
class PreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PreferencesDialog(const Preferences &preferences, QWidget *parent = nullptr);
    ~PreferencesDialog() override;

signals:
    void changed(const Preferences &preferences);

private:
    void apply();

    const std::unique_ptr<Ui::PreferencesDialog> m_ui;
};
