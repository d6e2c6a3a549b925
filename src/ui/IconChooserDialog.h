#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class IconChooserDialog;
}
class IconListModel;

// Lets the user pick one of the card icons; reports the chosen icon id (-1 for none) when accepted.
class IconChooserDialog : public QDialog
{
    Q_OBJECT

public:
    IconChooserDialog(int currentIconId, QWidget *parent = nullptr);
    ~IconChooserDialog() override;

signals:
    void selected(int iconid);

public slots:
    void done(int r) override;

private slots:
    void on_listView_activated(const QModelIndex &index);

private:
    const std::unique_ptr<Ui::IconChooserDialog> m_ui;
    IconListModel *m_model;
};
