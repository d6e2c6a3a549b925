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
        // Text without blanks (an address, a key) fills every line rather than breaking after a "/" or "…".
        option.setWrapMode(paragraph.contains(QLatin1Char(' ')) ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                                                : QTextOption::WrapAnywhere);
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
    if (lines.size() <= maxLines)
        return lines;
    // Breaking lines wastes a little of each, so the widest elided text that still fits is searched for.
    const QFontMetrics metrics(font);
    const QString flat = QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    int fits = 0;
    int tooWide = width * maxLines + 1;
    lines = QStringList{metrics.elidedText(flat, Qt::ElideMiddle, 0)};
    while (tooWide - fits > 1) {
        const int budget = (fits + tooWide) / 2;
        const QStringList tried = breakLines(metrics.elidedText(flat, Qt::ElideMiddle, budget), font, width);
        if (tried.size() <= maxLines) {
            fits = budget;
            lines = tried;
        } else {
            tooWide = budget;
        }
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
