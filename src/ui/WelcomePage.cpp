#include "ui/WelcomePage.h"

#include "ui/RecentWallets.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *bigButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setMinimumHeight(button->sizeHint().height() * 3 / 2);
    return button;
}

} // namespace

WelcomePage::WelcomePage(RecentWallets &recent, QWidget *parent)
    : QWidget(parent)
    , m_recent(recent)
    , m_list(new QListWidget(this))
    , m_forget(new QPushButton(tr("Forget"), this))
{
    auto *title = new QLabel(tr("Welcome to Tessera"), this);
    QFont bigger = title->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.6);
    title->setFont(bigger);
    auto *intro = new QLabel(
        tr("A wallet keeps your cards (logins, cards, notes) in one file, encrypted under one password."), this);
    intro->setWordWrap(true);

    auto *create = bigButton(tr("Create New Wallet…"), QStringLiteral("welcomeCreate"), this);
    auto *open = bigButton(tr("Open Wallet…"), QStringLiteral("welcomeOpen"), this);
    auto *import = bigButton(tr("Import From Another Manager…"), QStringLiteral("welcomeImport"), this);
    import->setToolTip(tr("Create a new wallet and fill it from another password manager's export"));

    m_list->setObjectName(QStringLiteral("recentList"));
    m_list->setAlternatingRowColors(true);
    m_list->installEventFilter(this);
    m_forget->setObjectName(QStringLiteral("forgetRecent"));
    m_forget->setToolTip(tr("Take the selected wallet off this list; its file stays where it is"));
    auto *recentLabel = new QLabel(tr("&Recent wallets:"), this);
    recentLabel->setBuddy(m_list);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(create);
    buttons->addWidget(open);
    buttons->addWidget(import);
    buttons->addStretch();
    auto *recentColumn = new QVBoxLayout;
    recentColumn->addWidget(recentLabel);
    recentColumn->addWidget(m_list, 1);
    recentColumn->addWidget(m_forget, 0, Qt::AlignRight);
    auto *columns = new QHBoxLayout;
    columns->addLayout(buttons, 1);
    columns->addSpacing(24);
    columns->addLayout(recentColumn, 2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->addWidget(title);
    layout->addWidget(intro);
    layout->addSpacing(16);
    layout->addLayout(columns, 1);

    connect(create, &QPushButton::clicked, this, &WelcomePage::createRequested);
    connect(open, &QPushButton::clicked, this, &WelcomePage::openRequested);
    connect(import, &QPushButton::clicked, this, &WelcomePage::importRequested);
    connect(m_list, &QListWidget::itemActivated, this, &WelcomePage::activate);
    connect(m_list, &QListWidget::currentItemChanged, this, &WelcomePage::updateForgetButton);
    connect(m_forget, &QPushButton::clicked, this, &WelcomePage::forgetCurrent);
    connect(&m_recent, &RecentWallets::changed, this, &WelcomePage::fillList);
    fillList();
}

// Files come and go while the program runs: the list looks at them again whenever it is shown.
void WelcomePage::showEvent(QShowEvent *event)
{
    fillList();
    QWidget::showEvent(event);
}

bool WelcomePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Delete)) {
        forgetCurrent();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void WelcomePage::fillList()
{
    m_list->clear();
    for (const QString &path : m_recent.paths()) {
        const QFileInfo file(path);
        const QString folder = QDir::toNativeSeparators(file.absolutePath());
        auto *item = new QListWidgetItem(m_list);
        item->setData(Qt::UserRole, path);
        if (file.exists()) {
            item->setText(file.fileName() + QLatin1Char('\n') + folder);
            item->setToolTip(QDir::toNativeSeparators(path));
        } else {
            item->setText(tr("%1 (not found)").arg(file.fileName()) + QLatin1Char('\n') + folder);
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            item->setToolTip(
                tr("%1 is not there any more. Forget it to take it off the list.").arg(QDir::toNativeSeparators(path)));
        }
    }
    if (m_list->count() == 0) {
        auto *hint = new QListWidgetItem(tr("Wallets you open are listed here."), m_list);
        hint->setFlags(Qt::NoItemFlags);
    } else {
        m_list->setCurrentRow(0);
    }
    updateForgetButton();
}

void WelcomePage::activate(QListWidgetItem *item)
{
    const QString path = item->data(Qt::UserRole).toString();
    if (QFileInfo::exists(path))
        emit openFileRequested(path);
}

void WelcomePage::forgetCurrent()
{
    if (QListWidgetItem *item = m_list->currentItem())
        m_recent.forget(item->data(Qt::UserRole).toString());
}

void WelcomePage::updateForgetButton()
{
    m_forget->setEnabled(m_list->currentItem() && m_list->currentItem()->flags() != Qt::NoItemFlags);
}
