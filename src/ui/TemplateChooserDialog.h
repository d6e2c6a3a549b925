#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TemplateChooserDialog;
}
class TemplateGroupProxy;
class TemplateListModel;

// Asks which kind of card to add, the templates grouped and filtered by what is typed above them;
// reports the chosen template type when accepted.
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_listView_activated(const QModelIndex &index);
    void filter(const QString &text);

private:
    const std::unique_ptr<Ui::TemplateChooserDialog> m_ui;
    TemplateListModel *m_model;
    TemplateGroupProxy *m_proxy;
};
