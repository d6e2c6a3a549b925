#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TemplateChooserDialog;
}
class QSortFilterProxyModel;
class TemplateListModel;

// Asks which kind of card to add; reports the chosen template type when accepted.
class TemplateChooserDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TemplateChooserDialog(QWidget *parent = nullptr);
    ~TemplateChooserDialog() override;

signals:
    void selected(const QString &templateType);

public slots:
    void done(int r) override;

private slots:
    void on_listView_activated(const QModelIndex &index);

private:
    const std::unique_ptr<Ui::TemplateChooserDialog> m_ui;
    TemplateListModel *m_model;
    QSortFilterProxyModel *m_proxy;
};
