#include "ui/TemplateChooserDialog.h"

#include "ui/TemplateGroupProxy.h"
#include "ui/TemplateListModel.h"
#include "ui_TemplateChooserDialog.h"

#include <QCoreApplication>
#include <QKeyEvent>

TemplateChooserDialog::TemplateChooserDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::TemplateChooserDialog>())
    , m_model(new TemplateListModel(this))
    , m_proxy(new TemplateGroupProxy(this))
{
    m_ui->setupUi(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->sort(0, Qt::AscendingOrder);
    m_ui->listView->setModel(m_proxy);
    m_ui->filterEdit->installEventFilter(this);
    connect(m_ui->filterEdit, &QLineEdit::textChanged, this, &TemplateChooserDialog::filter);

    // The generic login belongs to the first group, so it shows without scrolling, under its group's name.
    m_ui->listView->setCurrentIndex(m_proxy->mapFromSource(m_model->defaultIndex()));
}

TemplateChooserDialog::~TemplateChooserDialog() = default;

void TemplateChooserDialog::done(int r)
{
    QDialog::done(r);
    const QModelIndex current = m_ui->listView->currentIndex();
    if (r == Accepted && current.isValid())
        emit selected(m_model->templateType(m_proxy->mapToSource(current)));
}

void TemplateChooserDialog::on_listView_activated(const QModelIndex &index)
{
    m_ui->listView->setCurrentIndex(index);
    accept();
}

// Keeps a template chosen while the filter narrows the list: the current one if it still shows,
// otherwise the first that does.
void TemplateChooserDialog::filter(const QString &text)
{
    m_proxy->setFilterText(text);
    QModelIndex current = m_ui->listView->currentIndex();
    for (int row = 0; !current.isValid() && row < m_proxy->rowCount(); ++row) {
        if (m_proxy->index(row, 0).flags() & Qt::ItemIsSelectable)
            current = m_proxy->index(row, 0);
    }
    m_ui->listView->setCurrentIndex(current);
    m_ui->listView->scrollTo(current);
}

// The arrow and page keys typed in the filter move through the list, so the hands stay on the keys.
bool TemplateChooserDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->filterEdit && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_ui->listView, event);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
