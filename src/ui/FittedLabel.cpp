#include "ui/FittedLabel.h"

#include "model/SecretText.h"

#include <QFontMetrics>
#include <QResizeEvent>
#include <QTextLayout>

namespace {

QStringList breakLines(const QString &text, const QFont &font, int width)
{
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
    }
    return lines;
}

} // namespace

FittedLabel::FittedLabel(QWidget *parent, int maxLines)
    : QLabel(parent)
    , m_maxLines(maxLines)
{
    // Narrower than its text, it takes more lines: the width is the layout's to give.
    setMinimumWidth(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QStringList FittedLabel::fit(const QString &text, const QFont &font, int width, int maxLines, bool *elided)
{
    QStringList lines = breakLines(text, font, width);
    if (elided)
        *elided = lines.size() > maxLines;
    const QFontMetrics metrics(font);
    // Breaking between words wastes some of each line; the budget shrinks until the elided text fits.
    for (int budget = width * maxLines; lines.size() > maxLines && budget > 0; budget -= width / 4 + 1) {
        const QString flat = QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
        lines = breakLines(metrics.elidedText(flat, Qt::ElideMiddle, budget), font, width);
    }
    return lines;
}

void FittedLabel::setFittedText(const QString &text, const QUrl &target)
{
    m_text = text;
    m_target = target;
    refit();
}

void FittedLabel::wipe()
{
    QString text = m_text;
    m_text.clear();
    clear();
    setToolTip(QString());
    SecretText::wipe(text);
}

void FittedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (event->size().width() != m_width) {
        m_width = event->size().width();
        refit();
    }
}

// Until the label has a width, the text stands on one line.
void FittedLabel::refit()
{
    const int width = contentsRect().width() - 2 * margin() - qMax(0, indent());
    bool elided = false;
    QStringList lines = m_width < 0 ? QStringList{m_text} : fit(m_text, font(), qMax(1, width), m_maxLines, &elided);
    for (QString &line : lines) {
        while (line.size() > 1 && line.endsWith(QLatin1Char(' ')))
            line.chop(1);
    }
    setToolTip(elided ? m_text : QString());
    if (!m_target.isValid() || m_target.isEmpty()) {
        setTextFormat(Qt::PlainText);
        setText(lines.join(QLatin1Char('\n')));
        return;
    }
    QStringList escaped;
    for (const QString &line : qAsConst(lines))
        escaped << line.toHtmlEscaped();
    setTextFormat(Qt::RichText);
    setText(QStringLiteral("<a href=\"%1\">%2</a>")
                .arg(QString::fromUtf8(m_target.toEncoded()).toHtmlEscaped(), escaped.join(QStringLiteral("<br>"))));
}
