#pragma once

#include "password/PasswordHealth.h"

#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;

// The findings of a password health check of the open wallet, under one heading per kind with its
// count. Choosing a card (double click, or Show Card) closes the dialog and shows the card.
class PasswordHealthDialog : public QDialog
{
    Q_OBJECT

public:
    PasswordHealthDialog(const QVector<PasswordHealth::Finding> &findings, QWidget *parent = nullptr);

signals:
    void cardChosen(int cardid);

private:
    void showCard(QTreeWidgetItem *item);

    QTreeWidget *m_tree;
};
