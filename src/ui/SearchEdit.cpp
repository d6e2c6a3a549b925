#include "ui/SearchEdit.h"

#include <QAction>
#include <QKeyEvent>
#include <QStyle>
#include <QToolButton>

namespace {

QToolButton *makeButton(QWidget *parent, const QString &icon)
{
    auto *button = new QToolButton(parent);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(16, 16));
    button->setCursor(Qt::ArrowCursor);
    button->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0px; }"));
    return button;
}

} // namespace

SearchEdit::SearchEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_searchButton(makeButton(this, QStringLiteral(":images/search.png")))
    , m_clearButton(makeButton(this, QStringLiteral(":images/close.png")))
{
    m_searchButton->setFocusPolicy(Qt::NoFocus);
    m_clearButton->setToolTip(tr("Clear"));
    m_clearButton->hide();
    connect(m_clearButton, &QToolButton::clicked, this, &QLineEdit::clear);
    connect(this, &QLineEdit::textChanged, this, &SearchEdit::updateCloseButton);
    auto *clearAction = new QAction(tr("Clear the Search"), this);
    clearAction->setShortcut(Qt::Key_Escape);
    clearAction->setShortcutContext(Qt::WidgetShortcut);
    connect(clearAction, &QAction::triggered, this, &QLineEdit::clear);
    QWidget::addAction(clearAction);

    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #999; border-radius: 10px; padding-right: %1px; "
                                 "padding-left: %2px;} ")
                      .arg(frame + m_clearButton->sizeHint().width() + 1)
                      .arg(m_searchButton->sizeHint().width()));
    const int buttonHeight = m_clearButton->sizeHint().height() + 2 * frame + 2;
    const QSize hint = minimumSizeHint();
    setMinimumSize(qMax(hint.width(), buttonHeight), qMax(hint.height(), buttonHeight));
}

void SearchEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QRect area = rect();
    const QSize clear = m_clearButton->sizeHint();
    m_clearButton->move(area.right() - frame - clear.width(), (area.bottom() + 1 - clear.height()) / 2);
    m_searchButton->move(frame + 1, (area.bottom() + 1 - m_searchButton->sizeHint().height()) / 2);
}

void SearchEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier) {
        emit downPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SearchEdit::updateCloseButton(const QString &text)
{
    m_clearButton->setVisible(!text.isEmpty());
}
