#pragma once

#include <QLineEdit>

class QToolButton;

// A rounded search field with a magnifier on the left and a clear button on the right.
class SearchEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit SearchEdit(QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void updateCloseButton(const QString &text);

private:
    QToolButton *m_searchButton;
    QToolButton *m_clearButton;
};
