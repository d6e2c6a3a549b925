#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// A bar and a word for how hard a password is to guess, as zxcvbn estimates it; shown under password
// fields and in the generator. Nothing is shown for an empty password.
class StrengthMeter : public QWidget
{
    Q_OBJECT

public:
    explicit StrengthMeter(QWidget *parent = nullptr);

public slots:
    void setPassword(const QString &password);

private:
    QProgressBar *m_bar;
    QLabel *m_label;
};
