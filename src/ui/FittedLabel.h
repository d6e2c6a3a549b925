#pragma once

#include <QLabel>
#include <QUrl>

// A label whose text breaks to its width, between words or, in a long word, anywhere, in at most a few
// lines: a longer text loses its middle to an ellipsis and shows whole in the tooltip. So a long address
// neither runs off the side nor makes a tall row, and whatever follows the label stays in view.
class FittedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FittedLabel(QWidget *parent = nullptr, int maxLines = 3);

    // Plain text, as a link to target when that is valid.
    void setFittedText(const QString &text, const QUrl &target = QUrl());
    QString fittedText() const { return m_text; }
    // Empties the label and wipes its text (see SecretWidgets).
    void wipe();
    // The lines text takes at a width in a font, the middle elided beyond maxLines (elided says so).
    static QStringList fit(const QString &text, const QFont &font, int width, int maxLines, bool *elided = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void refit();

    const int m_maxLines;
    QString m_text;
    QUrl m_target;
    // The width fitted to; none before the label is first laid out.
    int m_width = -1;
};
