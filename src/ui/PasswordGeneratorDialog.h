#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class PasswordGeneratorDialog;
}

// Makes random passwords of characters or words, showing their entropy and strength. Opened for a
// field of the card editor, it hands the chosen password to that field; opened from the Tools menu,
// it only offers to copy it.
class PasswordGeneratorDialog : public QDialog
{
    Q_OBJECT

public:
    enum Purpose { ForField, Standalone };

    explicit PasswordGeneratorDialog(Purpose purpose, QWidget *parent = nullptr);
    ~PasswordGeneratorDialog() override;

    QString password() const;

signals:
    // Accepted when opened for a field.
    void passwordChosen(const QString &password);
    // The copy button: the window's clipboard guard takes the password there.
    void copyRequested(const QString &password, const QString &what);

public slots:
    void accept() override;
    void generate();

private:
    void copyPassword();

    const std::unique_ptr<Ui::PasswordGeneratorDialog> m_ui;
};
