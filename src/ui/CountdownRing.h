#pragma once

#include <QWidget>

// A small ring that empties as a one-time code's period runs out, the seconds left in its middle.
class CountdownRing : public QWidget
{
    Q_OBJECT

public:
    explicit CountdownRing(QWidget *parent = nullptr);

    int secondsLeft() const { return m_secondsLeft; }
    void setTime(int secondsLeft, int period);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_secondsLeft = 0;
    int m_period = 1;
};
