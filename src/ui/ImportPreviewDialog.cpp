#include "ui/ImportPreviewDialog.h"

#include "import/ImportWriter.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QTreeWidget *table(const QString &name, const QStringList &header)
{
    auto *tree = new QTreeWidget;
    tree->setObjectName(name);
    tree->setRootIsDecorated(false);
    tree->setHeaderLabels(header);
    return tree;
}

QLabel *label(const QString &name, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

} // namespace

ImportPreviewDialog::ImportPreviewDialog(const QString &path, const QString &format, const ImportSummary &summary,
                                         const ImportPreview &preview, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Import %1").arg(QFileInfo(path).fileName()));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label(QStringLiteral("formatLabel"), tr("Format: %1").arg(format)));
    QString count = tr("%n cards will be imported", nullptr, summary.imported);
    if (summary.trashed > 0)
        count += tr(", %n of them into the trash", nullptr, summary.trashed);
    layout->addWidget(label(QStringLiteral("countLabel"), count + QLatin1Char('.')));

    QTreeWidget *templates = table(QStringLiteral("templateList"), {tr("Template"), tr("Cards")});
    for (auto it = preview.templates.begin(); it != preview.templates.end(); ++it)
        templates->addTopLevelItem(new QTreeWidgetItem(QStringList{it.key(), QString::number(it.value())}));
    layout->addWidget(templates);

    layout->addWidget(label(QStringLiteral("firstRowsLabel"), tr("The first cards:")));
    QTreeWidget *rows = table(QStringLiteral("rowList"), {tr("Title"), tr("Template"), tr("User name")});
    for (const QStringList &row : preview.firstRows)
        rows->addTopLevelItem(new QTreeWidgetItem(row));
    layout->addWidget(rows);

    QStringList skipped;
    if (summary.duplicates > 0)
        skipped << tr("%n duplicates of cards in the wallet will be skipped.", nullptr, summary.duplicates);
    if (summary.notUnderstood > 0)
        skipped << tr("%n rows of the file are not understood and will be skipped:", nullptr, summary.notUnderstood);
    QLabel *skip = label(QStringLiteral("skipLabel"), skipped.join(QLatin1Char(' ')));
    skip->setVisible(!skipped.isEmpty());
    layout->addWidget(skip);
    if (!summary.problems.isEmpty()) {
        auto *problems = new QPlainTextEdit(summary.problems.join(QLatin1Char('\n')));
        problems->setObjectName(QStringLiteral("problemList"));
        problems->setReadOnly(true);
        layout->addWidget(problems);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton *import = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    import->setObjectName(QStringLiteral("importButton"));
    import->setDefault(true);
    import->setEnabled(summary.imported > 0);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
