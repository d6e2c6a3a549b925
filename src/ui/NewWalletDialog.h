#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class NewWalletDialog;
}

// Asks for the unlock password of a new wallet, twice.
class NewWalletDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NewWalletDialog(QWidget *parent = nullptr);
    ~NewWalletDialog() override;

signals:
    void gotPassword(const QString &password);

public slots:
    void done(int r) override;

private:
    const std::unique_ptr<Ui::NewWalletDialog> m_ui;
};
