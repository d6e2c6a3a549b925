#include "ui/DetailView.h"

#include "i18n/Translations.h"
#include "model/Card.h"
#include "model/FieldType.h"
#include "otp/TotpSetup.h"
#include "password/PasswordFields.h"
#include "session/WalletSession.h"
#include "ui/CardIcons.h"
#include "ui/FieldLabel.h"
#include "ui/OneTimeCodeView.h"
#include "ui/SecretWidgets.h"
#include "ui_DetailView.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The first field whose value makes one-time codes.
const Field *oneTimeCodeField(const Card &card)
{
    for (const Field *field : card.fields()) {
        if (TotpSetup::parse(field->value()))
            return field;
    }
    return nullptr;
}

QToolButton *rowButton(QWidget *parent, const QString &icon, const QString &toolTip)
{
    auto *button = new QToolButton(parent);
    button->setIcon(QIcon(icon));
    button->setToolTip(toolTip);
    button->setIconSize(QSize(16, 16));
    button->setCursor(Qt::ArrowCursor);
    return button;
}

// The eye (for secrets) and copy buttons at the end of a row, working on its value widget.
template<class Value> void addRowButtons(QWidget *row, QHBoxLayout *layout, Value *value, bool sensitive)
{
    layout->addSpacing(0);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(5);
    if (sensitive) {
        QToolButton *eye = rowButton(row, QStringLiteral(":images/eye.png"), DetailView::tr("Show/Hide"));
        eye->setCheckable(true);
        QObject::connect(eye, &QToolButton::toggled, value, &Value::toggleMask);
        buttons->addWidget(eye);
    }
    QToolButton *copy = rowButton(row, QStringLiteral(":images/copy.png"), DetailView::tr("Copy"));
    QObject::connect(copy, &QToolButton::clicked, value, &Value::copyToClipboard);
    buttons->addWidget(copy);
    layout->addLayout(buttons);
}

} // namespace

DetailView::DetailView(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::DetailView>())
{
    m_ui->setupUi(this);
    m_ui->iconView->hide();
    m_ui->nameView->hide();

    m_trashBanner = new QFrame(m_ui->widgetBox);
    m_trashBanner->setObjectName(QStringLiteral("trashNotice"));
    m_trashBanner->setStyleSheet(QStringLiteral("QFrame#trashNotice{background-color: #8a8a8a; border-radius: 6px;}"
                                                "QLabel{color: #fff; font-weight: bold;}"));
    auto *layout = new QHBoxLayout(m_trashBanner);
    auto *text = new QLabel(tr("In the trash. Restore the card to change it."), m_trashBanner);
    text->setWordWrap(true);
    layout->addWidget(text, 1);
    auto *restore = new QPushButton(tr("Restore"), m_trashBanner);
    restore->setObjectName(QStringLiteral("restoreButton"));
    connect(restore, &QPushButton::clicked, this, &DetailView::restoreRequested);
    layout->addWidget(restore);
    auto *purge = new QPushButton(tr("Delete Forever…"), m_trashBanner);
    purge->setObjectName(QStringLiteral("deleteForeverButton"));
    connect(purge, &QPushButton::clicked, this, &DetailView::deleteForeverRequested);
    layout->addWidget(purge);
    // Above the title; the frames of the card follow the title.
    m_ui->cardLayout->insertWidget(0, m_trashBanner);
    m_trashBanner->hide();
}

void DetailView::setTrashMode(bool trash)
{
    m_trash = trash;
    displayCard(-1);
}

DetailView::~DetailView() = default;

QString DetailView::cardTitle() const
{
    return m_ui->nameView->fittedText();
}

bool DetailView::hasOneTimeCode() const
{
    return m_ui->widgetBox->findChild<OneTimeCodeView *>() != nullptr;
}

bool DetailView::copyOneTimeCode()
{
    auto *view = m_ui->widgetBox->findChild<OneTimeCodeView *>();
    if (view)
        view->copyToClipboard();
    return view != nullptr;
}

void DetailView::setSession(WalletSession *session)
{
    m_session = session;
    connect(session, &WalletSession::cardUpdated, this, &DetailView::displayCard);
}

void DetailView::displayCard(int cardid)
{
    m_cardId = cardid;
    m_cardUuid.clear();
    for (QFrame *frame : qAsConst(m_frames))
        SecretWidgets::wipe(frame);
    qDeleteAll(m_frames);
    m_frames.clear();
    m_ui->iconView->hide();
    m_ui->nameView->hide();
    m_trashBanner->hide();

    const bool open = m_session && m_session->isUnlocked();
    const auto card = cardid != -1 && open ? m_session->card(cardid) : nullptr;
    if (!card) {
        if (cardid != -1 && open) {
            m_ui->nameView->setFittedText(tr("This card cannot be read: %1.").arg(m_session->lastError().message()));
            m_ui->nameView->show();
        }
        m_cardId = -1;
        emit cardShown(-1);
        return;
    }

    m_cardUuid = card->uuid();
    m_ui->iconView->setPixmap(CardIcons::icon(card->iconId()).pixmap(32, 32));
    m_ui->nameView->setFittedText(card->title());
    m_ui->iconView->show();
    m_ui->nameView->show();
    m_trashBanner->setVisible(m_trash);

    // The one-time code goes right under the password it is typed after.
    const Field *code = oneTimeCodeField(*card);
    const Field *password = code ? PasswordFields::primary(*card) : nullptr;
    if (password == code)
        password = nullptr;
    QFrame *current = nullptr;
    int n = 0;
    const auto addRow = [this, &current, &n](const Field &field) {
        if (current) {
            addSeparator(current);
        } else {
            current = addFrame(n++);
            m_frames.append(current);
        }
        addFieldRow(field, current);
    };
    for (const Field *field : card->fields()) {
        if (field->type() == FieldType::Separator) {
            current = nullptr;
            continue;
        }
        if (field->value().isEmpty() || (password && field == code))
            continue;
        addRow(*field);
        if (field == password)
            addRow(*code);
    }
    if (!card->notes().isEmpty())
        m_frames.append(addNoteFrame(card->notes(), n));
    emit cardShown(cardid);
}

QFrame *DetailView::addFrame(int n)
{
    auto *frame = new QFrame(m_ui->widgetBox);
    const QString name = QStringLiteral("frame%1").arg(n);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setStyleSheet(
        QStringLiteral(
            "QFrame #%1{border: 1px solid #999; border-radius: 10px; background-color: #ddd;}QLabel{color: #000;}")
            .arg(name));
    // Frames keep to their content; the spacer below them takes the rest of the pane.
    frame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 8, 0, 8);
    layout->setSpacing(5);
    m_ui->cardLayout->insertWidget(n + 2, frame);
    return frame;
}

void DetailView::addSeparator(QFrame *frame)
{
    auto *line = new QWidget(frame);
    line->setMinimumHeight(1);
    line->setStyleSheet(QStringLiteral("background-color: #999"));
    frame->layout()->addWidget(line);
}

QFrame *DetailView::addNoteFrame(const QString &notes, int n)
{
    auto *frame = new QFrame(m_ui->widgetBox);
    frame->setObjectName(QStringLiteral("noteFrame"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setStyleSheet(QStringLiteral(
        "QFrame #noteFrame{border: 1px solid #999; border-radius: 10px; background-color: rgb(255, 255, 191);}"));
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(15, 15, 15, 15);
    layout->setSpacing(5);
    auto *label = new QLabel(frame);
    label->setTextFormat(Qt::PlainText);
    label->setText(notes);
    label->setWordWrap(true);
    label->setTextInteractionFlags(label->textInteractionFlags() | Qt::TextSelectableByMouse);
    label->setStyleSheet(QStringLiteral("color: #000;"));
    layout->addWidget(label);
    m_ui->cardLayout->insertWidget(n + 2, frame);
    return frame;
}

void DetailView::addFieldRow(const Field &field, QFrame *frame)
{
    auto *row = new QWidget(frame);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->setSpacing(10);

    auto *name = new QLabel(catalogText(field.label()), row);
    name->setTextFormat(Qt::PlainText);
    QFont smaller = name->font();
    smaller.setPointSizeF(smaller.pointSizeF() - 1);
    name->setFont(smaller);
    const int width = 10 * name->fontMetrics().horizontalAdvance(QLatin1Char('W'));
    name->setMinimumWidth(width);
    name->setMaximumWidth(width);
    name->setWordWrap(true);
    name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(name);

    // A one-time code that cannot be made shows as the ordinary (masked) value it is.
    if (const auto setup = TotpSetup::parse(field.value())) {
        auto *code = new OneTimeCodeView(*setup, field.value(), row);
        connect(code, &OneTimeCodeView::copyRequested, this,
                [this](const QString &text) { emit copyRequested(text, tr("One-time code")); });
        layout->addWidget(code);
        addRowButtons(row, layout, code, true);
        frame->layout()->addWidget(row);
        return;
    }

    auto *value = new FieldLabel(field.value(), field.type(), field.sensitive(), row);
    connect(value, &FieldLabel::copyRequested, this,
            [this, label = catalogText(field.label())](const QString &text) { emit copyRequested(text, label); });
    value->setOpenExternalLinks(true);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    value->setTextInteractionFlags(value->textInteractionFlags() | Qt::TextSelectableByMouse);
    value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(value);
    addRowButtons(row, layout, value, field.sensitive());
    frame->layout()->addWidget(row);
}
