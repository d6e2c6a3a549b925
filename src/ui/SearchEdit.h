#pragma once

#include <QLineEdit>

class QToolButton;

// A rounded search field with a magnifier on the left and a clear button on the right. Escape clears it;
// the down arrow asks to move on into the list below.
class SearchEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit SearchEdit(QWidget *parent = nullptr);

signals:
    void downPressed();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void updateCloseButton(const QString &text);

private:
    QToolButton *m_searchButton;
    QToolButton *m_clearButton;
};
