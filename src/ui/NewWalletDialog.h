#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class NewDatabaseDialog;
}

// Asks for the unlock password of a new wallet, twice.
class NewDatabaseDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NewDatabaseDialog(QWidget *parent = nullptr);
    ~NewDatabaseDialog() override;

signals:
    void gotPassword(const QString &password);

public slots:
    void done(int r) override;

private:
    const std::unique_ptr<Ui::NewDatabaseDialog> m_ui;
};
