#pragma once

#include "store/WalletBackups.h"

#include <QDialog>

class QTreeWidget;

// Lists the backups kept of a wallet, newest first, with their time and card count; Restore hands the
// chosen one on.
class RestoreBackupDialog : public QDialog
{
    Q_OBJECT

public:
    RestoreBackupDialog(const QVector<WalletBackup> &backups, QWidget *parent = nullptr);

signals:
    void chosen(const QString &backupPath);

private:
    QTreeWidget *m_list;
};
