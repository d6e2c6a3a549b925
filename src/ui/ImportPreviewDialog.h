#pragma once

#include <QDialog>

struct ImportPreview;
struct ImportSummary;

// Shows what an import would do before anything is written: the format read, how many cards of each
// template, the first cards and what will be skipped. Import accepts, Cancel rejects.
class ImportPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    ImportPreviewDialog(const QString &path, const QString &format, const ImportSummary &summary,
                        const ImportPreview &preview, QWidget *parent = nullptr);
};
